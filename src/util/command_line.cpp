#include "util/command_line.h"

#include <algorithm>

namespace vornexa {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        const bool hasNext = i + 1 < line.size();
        if (quote == '\'') {
            if (c == '\'') {
                quote = 0;
            } else {
                word += c;
            }
        } else if (quote == '"') {
            if (c == '"') {
                quote = 0;
            } else if (c == '\\' && hasNext && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                word += line[++i];
            } else {
                word += c;
            }
        } else if (IsBlank(c)) {
            if (inWord) {
                words.push_back(std::move(word));
                word.clear();
                inWord = false;
            }
        } else {
            inWord = true;
            if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '\\' && hasNext) {
                word += line[++i];
            } else {
                word += c;
            }
        }
    }
    if (quote != 0) {
        return {};
    }
    if (inWord) {
        words.push_back(std::move(word));
    }
    return words;
}

std::string QuoteCommandWord(std::string_view word) {
    const bool plain = !word.empty() && std::none_of(word.begin(), word.end(), [](char c) {
        return IsBlank(c) || c == '"' || c == '\'' || c == '\\';
    });
    if (plain) {
        return std::string(word);
    }
    std::string quoted = "\"";
    for (const char c : word) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace vornexa
