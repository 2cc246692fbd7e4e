#pragma once

#include <string>
#include <string_view>
#include <vector>

// Text layout helpers of the report, the project file and the window captions.
// Texts are UTF-8; lengths and positions count characters, not bytes.
namespace vornexa {

inline constexpr std::string_view kCrLf = "\r\n";

// Removes leading and trailing blanks (spaces only, as the report and file rules want).
std::string_view TrimBlanks(std::string_view text);

size_t CharCount(std::string_view text);

// The label followed by "." up to `width` characters; a longer label unchanged.
std::string PadDots(std::string_view text, size_t width);

// Breaks at the last blank at or before column `width`; every line ends in CR LF.
// A width of 20 or less leaves the text unchanged.
std::string WrapText(std::string_view text, size_t width);

// Drops blank lines, breaks lines longer than 60 characters at a blank in columns
// 60..40 (else hard after 60) and removes the final line end.
std::string ReflowDescription(std::string_view description);

// The caption "tag: path" with the path shortened past 50 characters and "*" when unsaved.
std::string FormatWindowCaption(std::string_view tag, std::string_view path, bool saved);

struct WindowPosition {
    int left;
    int top;
};
// Centres a window on the screen; an edge that would leave the screen goes to 0.
WindowPosition CentreWindow(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

// Splits a text at CR LF, lone LF or lone CR; a final line end gives no empty last line.
std::vector<std::string> SplitLines(std::string_view text);

std::string ToUpperAscii(std::string_view text);

}  // namespace vornexa
