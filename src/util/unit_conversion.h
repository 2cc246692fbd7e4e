#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The unit converter: five quantities, each with its own units, and the text of
// every output box for a typed value.
namespace vornexa {

enum class Quantity { Length, Load, LoadGrad, Stress, StressGrad };

inline constexpr int kQuantityCount = 5;

// Shown in place of a number that lies outside the range of a double.
inline constexpr std::string_view kOutOfRangeText = "Out of range";

struct QuantityInfo {
    std::string_view tabCaption;
    std::string_view frameCaption;
    std::span<const std::string_view> units;  // option captions, in index order
};

inline constexpr std::array<std::string_view, 4> kLengthUnits = {"in", "ft", "cm", "m"};
inline constexpr std::array<std::string_view, 5> kLoadUnits = {"lbsF", "tonsF (short)", "kN", "MN",
                                                               "kips"};
inline constexpr std::array<std::string_view, 4> kLoadGradUnits = {"lbsF/in", "lbsF/ft", "kN/m",
                                                                   "MN/m"};
inline constexpr std::array<std::string_view, 5> kStressUnits = {"psi", "ksi", "psf", "Pa", "MPa"};
inline constexpr std::array<std::string_view, 4> kStressGradUnits = {"psi/in", "psi/ft", "Pa/m",
                                                                     "MPa/m"};

// Indexed by Quantity; also the order of the tabs.
inline constexpr std::array<QuantityInfo, kQuantityCount> kQuantities = {{
    {"Length", "Length units", kLengthUnits},
    {"Load", "Load units", kLoadUnits},
    {"Load Grad", "Load gradient units", kLoadGradUnits},
    {"Stress", "Pressure/stress units", kStressUnits},
    {"Stress Grad", "Pressure/stress gradient units", kStressGradUnits},
}};

constexpr const QuantityInfo& Info(Quantity quantity) {
    return kQuantities.at(static_cast<size_t>(quantity));
}

// d, given in unit fromUnit, expressed in unit toUnit (indices into Info(q).units).
// Throws std::out_of_range for an index the quantity does not have.
double ConvertUnit(Quantity quantity, int fromUnit, int toUnit, double d);

// The text of every output box, in unit order, for the typed inputText in unit
// fromUnit (an index the quantity does not have counts as 0). A result that is
// infinite or not a number shows kOutOfRangeText.
std::vector<std::string> ConvertAll(Quantity quantity, int fromUnit, std::string_view inputText);

// Case-insensitive lookups on the exact tab and unit captions.
std::optional<Quantity> FindQuantity(std::string_view tabCaption);
std::optional<int> FindUnit(Quantity quantity, std::string_view caption);

}  // namespace vornexa
