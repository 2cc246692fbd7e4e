#include "util/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>

namespace vornexa {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(FormatSingle, GivesSevenDigitGeneralForm) {
    struct Case {
        float value;
        std::string text;
    };
    const Case cases[] = {
        {0.0f, "0"},
        {-0.0f, "0"},
        {65.0f, "65"},
        {22.5f, "22.5"},
        {0.1f, "0.1"},
        {999.99994f, "999.9999"},
        {304.8f, "304.8"},
        {1e7f, "1E+07"},
        {9999999.0f, "9999999"},
        {1.0f / 12.0f, "8.333334E-02"},
        {0.0001f, "0.0001"},
        {-22.5f, "-22.5"},
        {-1.5e-9f, "-1.5E-09"},
        {3.4e38f, "3.4E+38"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatSingle(c.value), c.text);
    }
}

TEST(FormatDouble, GivesFifteenDigitGeneralForm) {
    struct Case {
        double value;
        std::string text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {1.0, "1"},
        {0.0254, "0.0254"},
        {1.0 / 12.0, "8.33333333333333E-02"},
        {0.006944444444444444 / 1000, "6.94444444444444E-06"},
        {0.145037737733751, "0.145037737733751"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {1e-15, "0.000000000000001"},
        {1.25e-14, "1.25E-14"},
        {123456789012345.0, "123456789012345"},
        {99999999999999.99, "100000000000000"},
        {1e15, "1E+15"},
        {1.5e20, "1.5E+20"},
        {1e100, "1E+100"},
        {-0.5, "-0.5"},
        {-1.0 / 12.0, "-8.33333333333333E-02"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatDouble(c.value), c.text);
    }
}

TEST(FormatFixed, RoundsHalvesAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        std::string text;
    };
    const Case cases[] = {
        {0.5, 0, "1"},      {1.5, 0, "2"},       {2.5, 0, "3"},         {-2.5, 0, "-3"},
        {0.125, 2, "0.13"}, {29.6, 0, "30"},     {99.5134, 2, "99.51"}, {-249.9, 0, "-250"},
        {-0.4, 0, "0"},     {-0.004, 2, "0.00"}, {0.0, 2, "0.00"},      {999.5, 0, "1000"},
        {0.999, 2, "1.00"}, {1.25, 1, "1.3"},    {7.0, 3, "7.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text);
    }
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    struct Case {
        double value;
        double rounded;
    };
    const Case cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {3.5, 4}, {-0.5, 0}, {2.4, 2}, {2.6, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded);
    }
}

TEST(ToInt16, RoundsAndRefusesWhatDoesNotFit) {
    struct Case {
        double value;
        std::optional<int16_t> result;
    };
    const Case cases[] = {
        {0.5, 0},
        {1.5, 2},
        {32767.0, 32767},
        {32767.4, 32767},
        {32767.5, std::nullopt},
        {-32768.0, -32768},
        {-32768.5, -32768},
        {-32769.0, std::nullopt},
        {kInf, std::nullopt},
        {-kInf, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(ToInt16(c.value), c.result);
    }
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    struct Case {
        std::string_view text;
        double value;
    };
    const Case cases[] = {
        {" 12abc", 12}, {"abc", 0},      {"1e3", 1000},     {"1d2", 100}, {".5", 0.5},
        {"-3", -3},     {"1e", 1},       {"\t7", 7},        {"+4", 4},    {"1.2.3", 1.2},
        {"1 2", 1},     {"", 0},         {"-", 0},          {".", 0},     {"1E-400", 0},
        {"1e-400", 0},  {"1E400", kInf}, {"-1E400", -kInf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(LeadingNumber(c.text), c.value);
    }
}

// Digit strings too long for a double: where the number lies decides between 0
// and an infinity, not the sign of its exponent.
TEST(LeadingNumber, TellsUnderflowFromOverflowByWhereTheDigitsStand) {
    const std::string zeros(400, '0');
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"0." + zeros + "1", 0},     {"-0." + zeros + "1", 0}, {"0." + zeros + "1E+10", 0},
        {"1" + zeros + "E-5", kInf}, {"-1" + zeros, -kInf},    {"1" + zeros + "E-395", 1e5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(c.text.size() - 8));
        EXPECT_EQ(LeadingNumber(c.text), c.value);
        EXPECT_EQ(LenientNumber(c.text), c.value);
    }
}

TEST(LenientNumber, IgnoresBlanksAndReadsHexAndOctal) {
    struct Case {
        std::string_view text;
        double value;
    };
    const Case cases[] = {
        {"1 2", 12},    {"\n-\t3", -3}, {"&H1F", 31},    {"&hff", 255},
        {"& H 10", 16}, {"&O17", 15},   {"&O8", 0},      {"12abc", 12},
        {"abc", 0},     {"1E-400", 0},  {"1E400", kInf}, {"-1E400", -kInf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(LenientNumber(c.text), c.value);
    }
}

TEST(ParseNumberField, AcceptsOnlyAWholeNumber) {
    struct Case {
        std::string_view text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"12", 12},          {"-1.5e2", -150},      {"+.5", 0.5},          {"2D3", 2000},
        {"", std::nullopt},  {"12a", std::nullopt}, {" 12", std::nullopt}, {"1e", std::nullopt},
        {".", std::nullopt}, {"-", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(ParseNumberField(c.text), c.value);
    }
}

// A locale with "," as decimal separator must change no number text.
TEST(NumberText, IgnoresTheLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not available (LOCPATH not set to the build's "
                        "locale folder?)";
    }
    std::locale::global(std::locale("de_DE.UTF-8"));
    const std::string single = FormatSingle(22.5f);
    const std::string fixed = FormatFixed(1.25, 2);
    const double leading = LeadingNumber("22.5");
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(single, "22.5");
    EXPECT_EQ(fixed, "1.25");
    EXPECT_EQ(leading, 22.5);
}

}  // namespace
}  // namespace vornexa
