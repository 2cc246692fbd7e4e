#pragma once

#include <string>
#include <string_view>

// Project and settings files are Windows-1252 when their text fits, else UTF-8.
namespace vornexa {

bool IsValidUtf8(std::string_view bytes);
// Valid UTF-8 stays as it is (a leading byte-order mark is dropped); anything
// else is read as Windows-1252.
std::string DecodeFileText(std::string_view bytes);
// Windows-1252 when every character fits, else the UTF-8 text unchanged.
std::string EncodeFileText(std::string_view utf8);

}  // namespace vornexa
