#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vornexa {

// Splits a program's command line into the program and its arguments the way a
// desktop user writes one: blanks separate; double quotes group, and inside them
// a backslash escapes a double quote or a backslash; single quotes group
// literally; outside quotes a backslash escapes the next character. Nothing is
// expanded. Empty when the line is blank or a quote is left open.
std::vector<std::string> SplitCommandLine(std::string_view line);

// The word as SplitCommandLine reads it back whole: unchanged when it holds no
// blank, quote or backslash, else in double quotes with " and \ escaped.
std::string QuoteCommandWord(std::string_view word);

}  // namespace vornexa
