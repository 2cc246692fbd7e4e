#include "core/help_book.h"

#include <algorithm>
#include <charconv>
#include <functional>

#include "util/app_error.h"
#include "util/files.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

using Fields = std::vector<std::string_view>;

Fields SplitFields(std::string_view line) {
    Fields fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(TrimBlanks(line.substr(start, tab - start)));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

bool ParseCount(std::string_view text, int& value) {
    if (text.empty() || text.front() == '-' || text.front() == '+') {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Pages are read from inside the help folder only: no absolute paths, no
// schemes and no way up out of the folder.
bool IsBookTarget(std::string_view target) {
    const std::string page = SplitHelpTarget(target).page;
    if (page.empty() || page.front() == '/' || page.find(':') != std::string::npos ||
        page.find('\\') != std::string::npos) {
        return false;
    }
    size_t start = 0;
    while (start <= page.size()) {
        const size_t slash = std::min(page.find('/', start), page.size());
        if (page.compare(start, slash - start, "..") == 0) {
            return false;
        }
        start = slash + 1;
    }
    return true;
}

class LineReader {
  public:
    LineReader(std::string_view file, HelpBook& book) : file_(file), book_(book) {}

    // Calls `read` with the fields of every line that is neither blank nor a
    // comment; `read` returns the reason for a bad line, empty when it is good.
    void ForEach(std::string_view text, size_t fieldCount,
                 const std::function<std::string(const Fields&)>& read) {
        if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
            text.remove_prefix(kByteOrderMark.size());
        }
        for (const std::string& line : SplitLines(text)) {
            ++lineNumber_;
            const std::string_view trimmed = TrimBlanks(line);
            if (trimmed.empty() || trimmed.front() == '#' ||
                trimmed.find_first_not_of('\t') == std::string_view::npos) {
                continue;
            }
            const Fields fields = SplitFields(line);
            std::string reason;
            if (fields.size() != fieldCount) {
                reason = "expected " + std::to_string(fieldCount) + " fields separated by tabs";
            } else if (!IsBookTarget(fields.back())) {
                reason = "target is not a page of the book: " + std::string(fields.back());
            } else {
                reason = read(fields);
            }
            if (!reason.empty()) {
                Note(reason);
            }
        }
    }

    void Note(const std::string& reason) {
        book_.problems.push_back(std::string(file_) + ":" + std::to_string(lineNumber_) + ": " +
                                 reason);
    }

  private:
    std::string_view file_;
    HelpBook& book_;
    int lineNumber_ = 0;
};

}  // namespace

HelpTarget SplitHelpTarget(std::string_view target) {
    const size_t hash = target.find('#');
    if (hash == std::string_view::npos) {
        return {std::string(target), {}};
    }
    return {std::string(target.substr(0, hash)), std::string(target.substr(hash + 1))};
}

const HelpContextEntry* HelpBook::FindContext(int number) const {
    const auto found = std::find_if(context.begin(), context.end(),
                                    [number](const auto& e) { return e.number == number; });
    return found == context.end() ? nullptr : &*found;
}

const HelpContextEntry* HelpBook::FindWindow(std::string_view objectName) const {
    if (objectName.empty()) {
        return nullptr;
    }
    const auto found = std::find_if(context.begin(), context.end(),
                                    [objectName](const auto& e) { return e.window == objectName; });
    return found == context.end() ? nullptr : &*found;
}

std::string HelpBook::StartPage() const {
    return contents.empty() ? std::string("index.html") : contents.front().target;
}

std::vector<std::string> HelpBook::ContentsPages() const {
    std::vector<std::string> pages;
    for (const HelpContentsEntry& entry : contents) {
        std::string page = SplitHelpTarget(entry.target).page;
        if (std::find(pages.begin(), pages.end(), page) == pages.end()) {
            pages.push_back(std::move(page));
        }
    }
    return pages;
}

void ParseHelpContents(std::string_view text, HelpBook& book) {
    LineReader reader(kHelpContentsFile, book);
    // A level may only open one below the level before it, or the tree has a hole.
    int deepest = book.contents.empty() ? 0 : book.contents.back().depth + 1;
    reader.ForEach(text, 3, [&](const Fields& f) -> std::string {
        int depth = 0;
        if (!ParseCount(f[0], depth)) {
            return "depth is not a whole number: " + std::string(f[0]);
        }
        if (f[1].empty()) {
            return "empty title";
        }
        if (depth > deepest) {
            reader.Note("depth " + std::to_string(depth) + " skips a level; taken as " +
                        std::to_string(deepest));
            depth = deepest;
        }
        book.contents.push_back({depth, std::string(f[1]), std::string(f[2])});
        deepest = depth + 1;
        return {};
    });
}

void ParseHelpIndex(std::string_view text, HelpBook& book) {
    LineReader reader(kHelpIndexFile, book);
    reader.ForEach(text, 2, [&](const Fields& f) -> std::string {
        if (f[0].empty()) {
            return "empty keyword";
        }
        book.index.push_back({std::string(f[0]), std::string(f[1])});
        return {};
    });
}

void ParseHelpContext(std::string_view text, HelpBook& book) {
    LineReader reader(kHelpContextFile, book);
    reader.ForEach(text, 3, [&](const Fields& f) -> std::string {
        int number = 0;
        if (!ParseCount(f[0], number)) {
            return "context number is not a whole number: " + std::string(f[0]);
        }
        if (book.FindContext(number) != nullptr) {
            return "context number " + std::to_string(number) + " given twice";
        }
        book.context.push_back({number, std::string(f[1]), std::string(f[2])});
        return {};
    });
}

HelpBook LoadHelpBook(const std::string& folder) {
    HelpBook book;
    ParseHelpContents(ReadFileBytes(folder + std::string(kHelpContentsFile)), book);
    const struct {
        std::string_view file;
        void (*parse)(std::string_view, HelpBook&);
    } optional[] = {{kHelpIndexFile, ParseHelpIndex}, {kHelpContextFile, ParseHelpContext}};
    for (const auto& part : optional) {
        try {
            part.parse(ReadFileBytes(folder + std::string(part.file)), book);
        } catch (const AppError& error) {
            book.problems.push_back(std::string(part.file) + ": " + error.description());
        }
    }
    return book;
}

}  // namespace vornexa
