#include "util/unit_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace vornexa {
namespace {

const std::string kMarker(kOutOfRangeText);

std::string Describe(Quantity quantity, int unit, std::string_view input) {
    return std::string(Info(quantity).tabCaption) + ": \"" + std::string(input) + "\" " +
           std::string(Info(quantity).units[static_cast<size_t>(unit)]);
}

TEST(ConvertAll, ShowsEveryBoxAsText) {
    struct Case {
        Quantity quantity;
        int from;
        std::string_view input;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {Quantity::Length, 0, "1", {"1", "8.33333333333333E-02", "2.54", "0.0254"}},
        {Quantity::Length, 3, "1", {"39.3700787401575", "3.28083989501312", "100", "1"}},
        // The same typed number re-expressed from another input unit.
        {Quantity::Length, 1, "1", {"12", "1", "30.48", "0.3048"}},
        {Quantity::Load, 4, "1", {"1000", "0.5", "4.44822048939322", "4.44822048939322E-03", "1"}},
        {Quantity::Load, 1, "1", {"2000", "1", "8.89644097878644", "8.89644097878644E-03", "2"}},
        {Quantity::LoadGrad,
         1,
         "1",
         {"8.33333333333333E-02", "1", "1.45938992434161E-02", "1.45938992434161E-05"}},
        {Quantity::Stress,
         2,
         "1",
         {"6.94444444444444E-03", "6.94444444444444E-06", "1", "47.8802589791667",
          "4.78802589791667E-05"}},
        {Quantity::Stress,
         4,
         "1",
         {"145.037737733751", "0.145037737733751", "20885.4342336601", "1000000", "1"}},
        {Quantity::StressGrad,
         1,
         "1",
         {"8.33333333333333E-02", "1", "22620.5947933071", "2.26205947933071E-02"}},
        // The input unit's own box shows the value read, in the same text form.
        {Quantity::Length, 1, " 1.50 ", {"18", "1.5", "45.72", "0.4572"}},
        {Quantity::Length, 0, "-2.54", {"-2.54", "-0.211666666666667", "-6.4516", "-0.064516"}},
        {Quantity::Length,
         2,
         "1E20",
         {"3.93700787401575E+19", "3.28083989501312E+18", "1E+20", "1E+18"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Describe(c.quantity, c.from, c.input));
        EXPECT_EQ(ConvertAll(c.quantity, c.from, c.input), c.boxes);
    }
}

TEST(ConvertAll, ReadsTheInputLeniently) {
    struct Case {
        std::string_view input;
        std::string inches;
    };
    const Case cases[] = {
        {"12abc", "12"},    {"abc", "0"},     {"", "0"},     {"&H1F", "31"}, {"&O17", "15"},
        {"1 2 .5", "12.5"}, {"\t-3\n", "-3"}, {"2D1", "20"}, {"1e", "1"},    {"-", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.input));
        EXPECT_EQ(ConvertAll(Quantity::Length, 0, c.input).front(), c.inches);
    }
    EXPECT_EQ(ConvertAll(Quantity::Stress, 3, "letters"), std::vector<std::string>(5, "0"));
}

TEST(ConvertAll, MarksResultsBeyondTheRangeOfADouble) {
    struct Case {
        Quantity quantity;
        int from;
        std::string_view input;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {Quantity::Stress, 4, "1E400", std::vector<std::string>(5, kMarker)},
        {Quantity::Length, 0, "-1E400", std::vector<std::string>(4, kMarker)},
        // Only the boxes whose own value overflows are marked; an overflow in an
        // intermediate step alone (MPa to psi multiplies by 1000000 first) is not.
        {Quantity::Stress,
         4,
         "1E305",
         {"1.45037737733751E+307", "1.45037737733751E+304", kMarker, kMarker, "1E+305"}},
        {Quantity::StressGrad, 3, "1.7E308", {kMarker, kMarker, kMarker, "1.7E+308"}},
        {Quantity::Length, 3, "1E-400", {"0", "0", "0", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Describe(c.quantity, c.from, c.input));
        EXPECT_EQ(ConvertAll(c.quantity, c.from, c.input), c.boxes);
    }
}

TEST(ConvertAll, TakesUnknownInputUnitAsTheFirst) {
    for (int from : {-1, 4, 100}) {
        SCOPED_TRACE(from);
        EXPECT_EQ(ConvertAll(Quantity::Length, from, "1"), ConvertAll(Quantity::Length, 0, "1"));
    }
}

TEST(ConvertUnit, RefusesUnitsTheQuantityDoesNotHave) {
    EXPECT_THROW(ConvertUnit(Quantity::Length, 4, 0, 1), std::out_of_range);
    EXPECT_THROW(ConvertUnit(Quantity::LoadGrad, 0, -1, 1), std::out_of_range);
    EXPECT_NO_THROW(ConvertUnit(Quantity::Load, 4, 4, 1));
}

bool Near(double actual, double expected) {
    return std::fabs(actual - expected) <= 1e-12 * std::fabs(expected);
}

// Checks every cell of every matrix: the way back returns the value, and going
// through any third unit agrees with the direct conversion.
TEST(ConvertUnit, MatricesAgreeWithEachOther) {
    const double values[] = {1, 1.5, -273.15, 1e-6, 123456.789};
    for (size_t q = 0; q < kQuantities.size(); ++q) {
        const auto quantity = static_cast<Quantity>(q);
        const int count = static_cast<int>(kQuantities[q].units.size());
        for (int a = 0; a < count; ++a) {
            for (int b = 0; b < count; ++b) {
                for (double d : values) {
                    SCOPED_TRACE(Describe(quantity, a, std::to_string(d)) + " via " +
                                 std::string(kQuantities[q].units[static_cast<size_t>(b)]));
                    const double there = ConvertUnit(quantity, a, b, d);
                    EXPECT_TRUE(Near(ConvertUnit(quantity, b, a, there), d));
                    for (int c = 0; c < count; ++c) {
                        EXPECT_TRUE(Near(ConvertUnit(quantity, b, c, there),
                                         ConvertUnit(quantity, a, c, d)))
                            << "to " << kQuantities[q].units[static_cast<size_t>(c)];
                    }
                }
            }
            EXPECT_EQ(ConvertUnit(quantity, a, a, 0.1), 0.1);
        }
    }
}

TEST(FindQuantity, MatchesTabCaptionsWhateverTheCase) {
    struct Case {
        std::string_view caption;
        std::optional<Quantity> quantity;
    };
    const Case cases[] = {
        {"Length", Quantity::Length},          {"LOAD", Quantity::Load},
        {"load grad", Quantity::LoadGrad},     {"Stress", Quantity::Stress},
        {"sTRESS gRAD", Quantity::StressGrad}, {"LoadGrad", std::nullopt},
        {"Length units", std::nullopt},        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption));
        EXPECT_EQ(FindQuantity(c.caption), c.quantity);
    }
}

TEST(FindUnit, MatchesUnitCaptionsWhateverTheCase) {
    struct Case {
        Quantity quantity;
        std::string_view caption;
        std::optional<int> unit;
    };
    const Case cases[] = {
        {Quantity::Length, "in", 0},
        {Quantity::Length, "M", 3},
        {Quantity::Load, "tonsF (short)", 1},
        {Quantity::Load, "TONSF (SHORT)", 1},
        {Quantity::Load, "tonsF", std::nullopt},
        {Quantity::Load, "KIPS", 4},
        {Quantity::LoadGrad, "kn/m", 2},
        {Quantity::Stress, "MPa", 4},
        {Quantity::Stress, "mpa", 4},
        {Quantity::Stress, "MPa/m", std::nullopt},
        {Quantity::StressGrad, "PSI/FT", 1},
        {Quantity::StressGrad, "psi", std::nullopt},
        {Quantity::Length, "kips", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption));
        EXPECT_EQ(FindUnit(c.quantity, c.caption), c.unit);
    }
}

}  // namespace
}  // namespace vornexa
