#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vornexa {

// A place in the help book: a page relative to the help folder, with an
// optional "#anchor".
struct HelpTarget {
    std::string page;
    std::string anchor;
};
HelpTarget SplitHelpTarget(std::string_view target);

struct HelpContentsEntry {
    int depth = 0;
    std::string title;
    std::string target;
};

struct HelpIndexEntry {
    std::string keyword;
    std::string target;
};

struct HelpContextEntry {
    int number = 0;
    std::string window;
    std::string target;
};

// The table of contents, the keyword index and the context pages of the help
// book, with every line that could not be read noted as "file:line: reason".
struct HelpBook {
    std::vector<HelpContentsEntry> contents;
    std::vector<HelpIndexEntry> index;
    std::vector<HelpContextEntry> context;
    std::vector<std::string> problems;

    // The first entry of that number or window object name; nullptr when none.
    const HelpContextEntry* FindContext(int number) const;
    const HelpContextEntry* FindWindow(std::string_view objectName) const;
    // The first page of the contents, "index.html" when the contents are empty.
    std::string StartPage() const;
    // Every page the contents name, once each, in reading order.
    std::vector<std::string> ContentsPages() const;
};

inline constexpr std::string_view kHelpContentsFile = "contents.tsv";
inline constexpr std::string_view kHelpIndexFile = "index.tsv";
inline constexpr std::string_view kHelpContextFile = "context.tsv";

// Each parser appends the entries of the text to the book and its faults to
// book.problems.
void ParseHelpContents(std::string_view text, HelpBook& book);
void ParseHelpIndex(std::string_view text, HelpBook& book);
void ParseHelpContext(std::string_view text, HelpBook& book);

// Reads the three files of the book from the folder (ending in the separator).
// Throws AppError when the contents cannot be read; a missing index or context
// file leaves its list empty and is noted as a problem.
HelpBook LoadHelpBook(const std::string& folder);

}  // namespace vornexa
