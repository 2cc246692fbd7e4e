#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Number text of the whole program. Every function here uses "." as the decimal
// separator and ignores the process locale.
namespace vornexa {

// Shortest general form of a single-precision value: at most 7 significant digits,
// no trailing zeros; scientific ("1.5E+07", "8.333334E-02") when the fixed form
// would need more than 7 digit positions, zeros after the decimal point included.
std::string FormatSingle(float value);

// The same general form for a double with at most 15 significant digits
// ("0.0254", "8.33333333333333E-02", "1E+15").
std::string FormatDouble(double value);

// Fixed number of decimals ("0" is 0 decimals, "0.00" is 2), halves away from zero.
std::string FormatFixed(double value, int decimals);

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// The single-precision form of a value; nullopt when it is not finite there,
// since a project holding it could not be read back.
std::optional<float> ToSingle(double value);

// Rounds to a 16-bit integer, halves to even; nullopt when it does not fit.
std::optional<int16_t> ToInt16(double value);

// Leading-number rule: leading blanks and tabs skipped, then an optional sign,
// digits with at most one ".", an optional exponent (E or D); the rest ignored.
// Text that does not start with a number gives 0.
double LeadingNumber(std::string_view text);

// The unit converter's lenient reading: blanks, tabs and line feeds are ignored
// wherever they stand, &H / &O read hexadecimal / octal integers, otherwise as
// LeadingNumber. Results beyond the range of a double are infinite.
double LenientNumber(std::string_view text);

// A whole field that is exactly one number (optional sign, digits, ".", exponent);
// nullopt for anything else, including an empty field.
std::optional<double> ParseNumberField(std::string_view text);

// Project-file and settings-file text of a number: the general form with ".".
inline std::string NumberToText(float value) {
    return FormatSingle(value);
}
std::string NumberToText(int value);

}  // namespace vornexa
