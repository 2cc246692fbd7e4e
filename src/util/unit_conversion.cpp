#include "util/unit_conversion.h"

#include <cmath>
#include <stdexcept>

#include "util/numbers.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr double K = 0.004448220489393218;        // kN per lbsF
constexpr double kKNPerTonF = 8.896440978786435;  // 2000 × K
constexpr double kKNPerKip = 4.448220489393218;   // 1000 × K
constexpr double T = 0.08333333333333333;         // 1/12
constexpr double G = 0.01459389924341607;         // kN/m per lbsF/ft
constexpr double P = 0.006944444444444444;        // 1/144, psi per psf
constexpr double Q = 6894.757293;                 // Pa per psi
constexpr double R = 271447.137519685;            // Pa/m per psi/in

// One cell per (from, to) pair, row by row. Each runs its steps left to right in
// exactly this order: the last digits shown depend on it.
using Cell = double (*)(double);

constexpr Cell kLength[] = {
    [](double d) { return d; },
    [](double d) { return d / 12; },
    [](double d) { return d * 2.54; },
    [](double d) { return d * 2.54 / 100; },

    [](double d) { return d * 12; },
    [](double d) { return d; },
    [](double d) { return d * 12 * 2.54; },
    [](double d) { return d * 12 * 2.54 / 100; },

    [](double d) { return d / 2.54; },
    [](double d) { return d / 2.54 / 12; },
    [](double d) { return d; },
    [](double d) { return d / 100; },

    [](double d) { return d * 100 / 2.54; },
    [](double d) { return d * 100 / 2.54 / 12; },
    [](double d) { return d * 100; },
    [](double d) { return d; },
};

constexpr Cell kLoad[] = {
    [](double d) { return d; },
    [](double d) { return d / 2000; },
    [](double d) { return d * K; },
    [](double d) { return d * K / 1000; },
    [](double d) { return d / 1000; },

    [](double d) { return d * 2000; },
    [](double d) { return d; },
    [](double d) { return d * 2000 * K; },
    [](double d) { return d * 2000 * K / 1000; },
    [](double d) { return d * 2000 / 1000; },

    [](double d) { return d / K; },
    [](double d) { return d / kKNPerTonF; },
    [](double d) { return d; },
    [](double d) { return d / 1000; },
    [](double d) { return d / kKNPerKip; },

    [](double d) { return d * 1000 / K; },
    [](double d) { return d * 1000 / K / 2000; },
    [](double d) { return d * 1000; },
    [](double d) { return d; },
    [](double d) { return d * 1000 / kKNPerKip; },

    [](double d) { return d * 1000; },
    [](double d) { return d / 2000 * 1000; },
    [](double d) { return d * K * 1000; },
    [](double d) { return d * K / 1000 * 1000; },
    [](double d) { return d; },
};

constexpr Cell kLoadGrad[] = {
    [](double d) { return d; },
    [](double d) { return d / T; },
    [](double d) { return d / T * G; },
    [](double d) { return d / T * G / 1000; },

    [](double d) { return d * T; },
    [](double d) { return d; },
    [](double d) { return d * G; },
    [](double d) { return d * G / 1000; },

    [](double d) { return d / G * T; },
    [](double d) { return d / G; },
    [](double d) { return d; },
    [](double d) { return d / 1000; },

    [](double d) { return d * 1000 / G * T; },
    [](double d) { return d * 1000 / G; },
    [](double d) { return d * 1000; },
    [](double d) { return d; },
};

constexpr Cell kStress[] = {
    [](double d) { return d; },
    [](double d) { return d / 1000; },
    [](double d) { return d / P; },
    [](double d) { return d * Q; },
    [](double d) { return d * Q / 1000000; },

    [](double d) { return d * 1000; },
    [](double d) { return d; },
    [](double d) { return d / P * 1000; },
    [](double d) { return d * Q * 1000; },
    [](double d) { return d * Q / 1000000 * 1000; },

    [](double d) { return d * P; },
    [](double d) { return d * P / 1000; },
    [](double d) { return d; },
    [](double d) { return d * P * Q; },
    [](double d) { return d * P * Q / 1000000; },

    [](double d) { return d / Q; },
    [](double d) { return d / Q / 1000; },
    [](double d) { return d / Q / P; },
    [](double d) { return d; },
    [](double d) { return d / 1000000; },

    [](double d) { return d * 1000000 / Q; },
    [](double d) { return d * 1000000 / Q / 1000; },
    [](double d) { return d * 1000000 / Q / P; },
    [](double d) { return d * 1000000; },
    [](double d) { return d; },
};

constexpr Cell kStressGrad[] = {
    [](double d) { return d; },
    [](double d) { return d / T; },
    [](double d) { return d * R; },
    [](double d) { return d * R / 1000000; },

    [](double d) { return d * T; },
    [](double d) { return d; },
    [](double d) { return d * T * R; },
    [](double d) { return d * T * R / 1000000; },

    [](double d) { return d / R; },
    [](double d) { return d / R / T; },
    [](double d) { return d; },
    [](double d) { return d / 1000000; },

    [](double d) { return d * 1000000 / R; },
    [](double d) { return d * 1000000 / R / T; },
    [](double d) { return d * 1000000; },
    [](double d) { return d; },
};

// Indexed by Quantity, like kQuantities.
constexpr std::array<std::span<const Cell>, kQuantityCount> kMatrices = {kLength, kLoad, kLoadGrad,
                                                                         kStress, kStressGrad};

static_assert(std::size(kLength) == kLengthUnits.size() * kLengthUnits.size());
static_assert(std::size(kLoad) == kLoadUnits.size() * kLoadUnits.size());
static_assert(std::size(kLoadGrad) == kLoadGradUnits.size() * kLoadGradUnits.size());
static_assert(std::size(kStress) == kStressUnits.size() * kStressUnits.size());
static_assert(std::size(kStressGrad) == kStressGradUnits.size() * kStressGradUnits.size());

bool HasUnit(Quantity quantity, int unit) {
    return unit >= 0 && static_cast<size_t>(unit) < Info(quantity).units.size();
}

// An intermediate product can overflow where the result itself fits. Scaling by
// a power of two is exact, so the scaled evaluation gives the very same digits.
double Evaluate(Cell cell, double d) {
    const double value = cell(d);
    if (std::isfinite(value) || !std::isfinite(d)) {
        return value;
    }
    constexpr int kScale = 64;
    return std::ldexp(cell(std::ldexp(d, -kScale)), kScale);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return ToUpperAscii(a) == ToUpperAscii(b);
}

}  // namespace

double ConvertUnit(Quantity quantity, int fromUnit, int toUnit, double d) {
    if (!HasUnit(quantity, fromUnit) || !HasUnit(quantity, toUnit)) {
        throw std::out_of_range("unit index outside the quantity's units");
    }
    const size_t count = Info(quantity).units.size();
    const size_t cell = static_cast<size_t>(fromUnit) * count + static_cast<size_t>(toUnit);
    return Evaluate(kMatrices[static_cast<size_t>(quantity)][cell], d);
}

std::vector<std::string> ConvertAll(Quantity quantity, int fromUnit, std::string_view inputText) {
    const int from = HasUnit(quantity, fromUnit) ? fromUnit : 0;
    const double d = LenientNumber(inputText);
    const int count = static_cast<int>(Info(quantity).units.size());
    std::vector<std::string> boxes;
    boxes.reserve(static_cast<size_t>(count));
    for (int to = 0; to < count; ++to) {
        const double value = ConvertUnit(quantity, from, to, d);
        boxes.push_back(std::isfinite(value) ? FormatDouble(value) : std::string(kOutOfRangeText));
    }
    return boxes;
}

std::optional<Quantity> FindQuantity(std::string_view tabCaption) {
    for (size_t i = 0; i < kQuantities.size(); ++i) {
        if (EqualsIgnoringCase(kQuantities[i].tabCaption, tabCaption)) {
            return static_cast<Quantity>(i);
        }
    }
    return std::nullopt;
}

std::optional<int> FindUnit(Quantity quantity, std::string_view caption) {
    const std::span<const std::string_view> units = Info(quantity).units;
    for (size_t i = 0; i < units.size(); ++i) {
        if (EqualsIgnoringCase(units[i], caption)) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

}  // namespace vornexa
