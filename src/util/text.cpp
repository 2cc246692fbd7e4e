#include "util/text.h"

#include <algorithm>

namespace vornexa {
namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Byte offset of character `index` (0-based); the text size when past its end.
size_t ByteOffset(std::string_view text, size_t index) {
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[i]))) {
            if (chars == index) {
                return i;
            }
            ++chars;
        }
    }
    return text.size();
}

std::string_view FirstChars(std::string_view text, size_t count) {
    return text.substr(0, ByteOffset(text, count));
}

// 1-based character position of the last blank in columns [low, high]; 0 when none.
size_t LastBlankInColumns(std::string_view text, size_t low, size_t high) {
    size_t column = 0;
    size_t found = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsContinuation(static_cast<unsigned char>(text[i]))) {
            continue;
        }
        ++column;
        if (column > high) {
            break;
        }
        if (column >= low && text[i] == ' ') {
            found = column;
        }
    }
    return found;
}

// The 60-column rule: pieces joined with line ends.
std::string BreakLongLine(std::string_view line) {
    std::string out;
    while (!line.empty()) {
        const size_t blank = LastBlankInColumns(line, 40, 60);
        const std::string_view piece = FirstChars(line, blank != 0 ? blank : 60);
        if (!out.empty()) {
            out += kCrLf;
        }
        out += piece;
        line.remove_prefix(piece.size());
    }
    return out;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

size_t CharCount(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return !IsContinuation(static_cast<unsigned char>(c));
    }));
}

std::string PadDots(std::string_view text, size_t width) {
    std::string out(text);
    const size_t length = CharCount(text);
    if (width > length) {
        out.append(width - length, '.');
    }
    return out;
}

std::string WrapText(std::string_view text, size_t width) {
    if (width <= 20) {
        return std::string(text);
    }
    std::string out;
    std::string_view rest = text;
    while (CharCount(rest) > width) {
        const size_t blank = LastBlankInColumns(rest, 1, width);
        // No blank in the first `width` characters: break hard at the width.
        const size_t cut = ByteOffset(rest, blank != 0 ? blank - 1 : width);
        out += rest.substr(0, cut);
        out += kCrLf;
        rest = TrimBlanks(rest.substr(cut));
    }
    out += rest;
    out += kCrLf;
    return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::string ReflowDescription(std::string_view description) {
    std::string out;
    for (const std::string& line : SplitLines(description)) {
        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty()) {
            continue;
        }
        out += CharCount(trimmed) > 60 ? BreakLongLine(line) : line;
        out += kCrLf;
    }
    if (!out.empty()) {
        out.resize(out.size() - kCrLf.size());
    }
    return out;
}

std::string FormatWindowCaption(std::string_view tag, std::string_view path, bool saved) {
    std::string name(path);
    const size_t length = CharCount(path);
    if (length > 50) {
        name = std::string(FirstChars(path, 10)) + "..." +
               std::string(path.substr(ByteOffset(path, length - 37)));
    }
    std::string caption = std::string(tag) + ": " + name;
    if (!saved) {
        caption += '*';
    }
    return caption;
}

WindowPosition CentreWindow(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    WindowPosition pos{(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
    if (pos.top + windowHeight > screenHeight) {
        pos.top = 0;
    }
    if (pos.left + windowWidth > screenWidth) {
        pos.left = 0;
    }
    return pos;
}

std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

}  // namespace vornexa
