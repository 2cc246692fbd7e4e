#include "util/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace vornexa {
namespace {

struct Scientific {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros
    int exponent = 0;    // decimal exponent of the first digit
};

// Correctly rounded to `significant` digits, trailing zeros removed.
Scientific ToScientific(double value, int significant) {
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1);
    std::string_view text(buf, static_cast<size_t>(res.ptr - buf));
    Scientific s;
    if (!text.empty() && text.front() == '-') {
        s.negative = true;
        text.remove_prefix(1);
    }
    const size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            s.digits.push_back(c);
        }
    }
    while (s.digits.size() > 1 && s.digits.back() == '0') {
        s.digits.pop_back();
    }
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    s.exponent);
    return s;
}

std::string FormatGeneral(double value, int significant) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    if (value == 0) {
        return "0";
    }
    const Scientific s = ToScientific(value, significant);
    const int count = static_cast<int>(s.digits.size());
    std::string out = s.negative ? "-" : "";
    const bool fixed =
        s.exponent >= 0 ? s.exponent < significant : (-s.exponent - 1) + count <= significant;
    if (!fixed) {
        out += s.digits.substr(0, 1);
        if (count > 1) {
            out += '.';
            out += s.digits.substr(1);
        }
        const int magnitude = std::abs(s.exponent);
        out += s.exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) {
            out += '0';
        }
        out += std::to_string(magnitude);
        return out;
    }
    if (s.exponent < 0) {
        out += "0.";
        out.append(static_cast<size_t>(-s.exponent - 1), '0');
        out += s.digits;
        return out;
    }
    const int whole = s.exponent + 1;
    if (count <= whole) {
        out += s.digits;
        out.append(static_cast<size_t>(whole - count), '0');
    } else {
        out += s.digits.substr(0, static_cast<size_t>(whole));
        out += '.';
        out += s.digits.substr(static_cast<size_t>(whole));
    }
    return out;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the number at the start of `text` (sign, digits, ".", exponent); 0 if none.
size_t NumberPrefixLength(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    size_t digits = 0;
    bool point = false;
    while (i < text.size() && (IsDigit(text[i]) || (text[i] == '.' && !point))) {
        if (text[i] == '.') {
            point = true;
        } else {
            ++digits;
        }
        ++i;
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

// Decimal exponent of the first significant digit of a number found by
// NumberPrefixLength; the exponent's sign alone does not say it ("0.0001E+2").
long DecimalMagnitude(std::string_view number) {
    constexpr long kExponentCap = 1000000;
    long whole = 0;
    long zerosAfterPoint = 0;
    bool point = false;
    bool significant = false;
    size_t i = number[0] == '+' || number[0] == '-' ? 1 : 0;
    for (; i < number.size() && (IsDigit(number[i]) || number[i] == '.'); ++i) {
        if (number[i] == '.') {
            point = true;
        } else if (significant || number[i] != '0') {
            significant = true;
            whole += point ? 0 : 1;
        } else if (point) {
            ++zerosAfterPoint;
        }
    }
    long exponent = 0;
    if (i + 1 < number.size()) {
        const bool negative = number[i + 1] == '-';
        for (size_t j = i + 1; j < number.size(); ++j) {
            if (IsDigit(number[j])) {
                exponent = std::min(kExponentCap, exponent * 10 + (number[j] - '0'));
            }
        }
        exponent = negative ? -exponent : exponent;
    }
    return (whole > 0 ? whole - 1 : -zerosAfterPoint - 1) + exponent;
}

// Converts a prefix found by NumberPrefixLength; overflow gives an infinity.
double ConvertNumber(std::string_view number) {
    std::string text(number);
    for (char& c : text) {
        if (c == 'D' || c == 'd') {
            c = 'e';
        }
    }
    const char* first = text.data();
    if (*first == '+') {
        ++first;
    }
    double value = 0;
    auto res = std::from_chars(first, text.data() + text.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        const bool negative = text.front() == '-';
        if (DecimalMagnitude(text) < 0) {
            return negative ? -0.0 : 0.0;
        }
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return value;
}

double RadixInteger(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        int d = -1;
        if (IsDigit(c)) {
            d = c - '0';
        } else if (radix == 16 && c >= 'a' && c <= 'f') {
            d = c - 'a' + 10;
        } else if (radix == 16 && c >= 'A' && c <= 'F') {
            d = c - 'A' + 10;
        }
        if (d < 0 || d >= radix) {
            break;
        }
        value = value * radix + d;
    }
    return value;
}

}  // namespace

std::string FormatSingle(float value) {
    return FormatGeneral(static_cast<double>(value), 7);
}

std::string FormatDouble(double value) {
    return FormatGeneral(value, 15);
}

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return FormatDouble(value);
    }
    // Enough extra digits that an exact tie shows as 5 followed by zeros only.
    constexpr int kGuard = 30;
    char buf[512];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed,
                             decimals + kGuard);
    if (res.ec != std::errc()) {
        return FormatDouble(value);
    }
    std::string digits(buf, res.ptr);
    const size_t point = digits.find('.');
    std::string kept = digits.substr(0, point + (decimals > 0 ? 1 + decimals : 0));
    const bool roundUp = digits[point + 1 + static_cast<size_t>(decimals)] >= '5';
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[static_cast<size_t>(i)] == '.') {
                continue;
            }
            if (kept[static_cast<size_t>(i)] == '9') {
                kept[static_cast<size_t>(i)] = '0';
            } else {
                ++kept[static_cast<size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
        }
    }
    const bool zero = kept.find_first_not_of("0.") == std::string::npos;
    return (value < 0 && !zero ? "-" : "") + kept;
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

std::optional<float> ToSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

std::optional<int16_t> ToInt16(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = RoundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<int16_t>(rounded);
}

double LeadingNumber(std::string_view text) {
    size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return 0;
    }
    text.remove_prefix(start);
    const size_t length = NumberPrefixLength(text);
    return length == 0 ? 0 : ConvertNumber(text.substr(0, length));
}

double LenientNumber(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            packed.push_back(c);
        }
    }
    if (packed.size() >= 2 && packed[0] == '&') {
        const char kind = packed[1];
        if (kind == 'H' || kind == 'h') {
            return RadixInteger(std::string_view(packed).substr(2), 16);
        }
        if (kind == 'O' || kind == 'o') {
            return RadixInteger(std::string_view(packed).substr(2), 8);
        }
    }
    const size_t length = NumberPrefixLength(packed);
    return length == 0 ? 0 : ConvertNumber(std::string_view(packed).substr(0, length));
}

std::optional<double> ParseNumberField(std::string_view text) {
    const size_t length = NumberPrefixLength(text);
    if (length == 0 || length != text.size()) {
        return std::nullopt;
    }
    return ConvertNumber(text);
}

std::string NumberToText(int value) {
    return std::to_string(value);
}

}  // namespace vornexa
