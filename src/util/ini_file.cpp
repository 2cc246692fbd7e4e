#include "util/ini_file.h"

#include <algorithm>

#include "util/app_error.h"
#include "util/encoding.h"
#include "util/files.h"

namespace vornexa {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

// At most `count` characters of UTF-8 text, never splitting a character.
std::string_view FirstCharacters(std::string_view text, size_t count) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!continuation && characters++ == count) {
            return text.substr(0, i);
        }
    }
    return text;
}

// A value must stay on its own line, or it would turn into keys and sections.
std::string_view SingleLine(std::string_view value) {
    return value.substr(0, value.find_first_of("\r\n"));
}

bool HoldsBytes(const std::string& path, const std::string& bytes) {
    try {
        return FileExists(path) && ReadFileBytes(path) == bytes;
    } catch (const AppError&) {
        return false;
    }
}

}  // namespace

IniFile IniFile::Parse(std::string_view utf8Text) {
    IniFile ini;
    std::string section;
    bool inSection = false;
    size_t start = 0;
    while (start < utf8Text.size()) {
        const size_t end = std::min(utf8Text.find_first_of("\r\n", start), utf8Text.size());
        const std::string_view text = utf8Text.substr(start, end - start);
        start = utf8Text.substr(end, 2) == "\r\n" ? end + 2 : end + 1;
        Line line{std::string(text), {}, {}, false};
        const std::string_view trimmed = Trim(text);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const std::string_view name = trimmed.substr(1, trimmed.find(']') - 1);
            section = Trim(name);
            inSection = true;
            line.header = true;
        } else if (inSection && !trimmed.empty() && trimmed.front() != ';') {
            const size_t equals = trimmed.find('=');
            if (equals != std::string_view::npos) {
                line.key = Trim(trimmed.substr(0, equals));
            }
        }
        line.section = section;
        ini.lines_.push_back(std::move(line));
    }
    return ini;
}

IniFile IniFile::Load(const std::string& path) {
    try {
        return Parse(DecodeFileText(ReadFileBytes(path)));
    } catch (const AppError&) {
        return IniFile();
    }
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key,
                                        size_t maxCharacters) const {
    for (const Line& line : lines_) {
        if (!line.key.empty() && SameName(line.key, key) && SameName(line.section, section)) {
            const std::string_view text = line.text;
            const std::string_view value = Trim(text.substr(text.find('=') + 1));
            return std::string(FirstCharacters(value, maxCharacters));
        }
    }
    return std::nullopt;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string text = std::string(key) + "=" + std::string(SingleLine(value));
    size_t insertAt = lines_.size();
    bool sectionFound = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (!SameName(line.section, section)) {
            continue;
        }
        if (line.header) {
            insertAt = sectionFound ? insertAt : i + 1;
            sectionFound = true;
        } else if (!line.key.empty()) {
            if (SameName(line.key, key)) {
                line.text = std::move(text);
                return;
            }
            insertAt = i + 1;
        }
    }
    const std::string sectionName(section);
    if (!sectionFound) {
        lines_.push_back({"[" + sectionName + "]", sectionName, {}, true});
        insertAt = lines_.size();
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  Line{std::move(text), sectionName, std::string(key), false});
}

std::string IniFile::Serialize() const {
    size_t size = 0;
    for (const Line& line : lines_) {
        size += line.text.size() + 2;
    }
    std::string out;
    out.reserve(size);
    for (const Line& line : lines_) {
        out += line.text;
        out += "\r\n";
    }
    return out;
}

bool IniFile::Save(const std::string& path) const {
    const std::string bytes = EncodeFileText(Serialize());
    // The settings are saved at every exit: writing the same bytes again would
    // only cost a disk sync.
    if (HoldsBytes(path, bytes)) {
        return true;
    }
    try {
        AtomicWriteFile(path, bytes);
        return true;
    } catch (const AppError&) {
        return false;
    }
}

}  // namespace vornexa
