#include "core/program_release.h"

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "core/tables.h"
#include "test_support.h"
#include "util/ini_file.h"
#include "util/messages.h"

namespace vornexa {
namespace {

const std::string kRecentText =
    "Clicking on the URL below will connect you directly with the program website. \r\n\r\n"
    "You may manually update the program by downloading and installing the new setup file.";
const std::string kYearOldText =
    "This version was released over a year ago. Although major updates may not be scheduled, "
    "interim updates may be released with bug fixes. Check for an updated version by visiting "
    "the program web page below.  \r\n\r\n"
    "You may manually update the program by downloading and installing the new setup file.";

TEST(ReleaseAgeDays, CountsWholeDaysAcrossYearsAndLeapDays) {
    struct Case {
        CalendarDate today;
        int expected;
    };
    const Case cases[] = {
        {{2026, 12, 9}, 0},   {{2026, 12, 10}, 1},   {{2027, 1, 1}, 23},   {{2027, 12, 4}, 360},
        {{2027, 12, 5}, 361}, {{2027, 12, 9}, 365},  {{2028, 2, 29}, 447}, {{2028, 3, 1}, 448},
        {{2028, 12, 9}, 731}, {{2030, 12, 9}, 1461}, {{2026, 1, 1}, -342}, {{2100, 3, 1}, 26745},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.today.year) + "-" + std::to_string(c.today.month) + "-" +
                     std::to_string(c.today.day));
        EXPECT_EQ(ReleaseAgeDays(c.today.year, c.today.month, c.today.day), c.expected);
    }
}

TEST(UpdateReminderDue, OnlyWhenRemindingAndAYearOld) {
    struct Case {
        int remind;
        int age;
        bool due;
    };
    const Case cases[] = {
        {1, 361, true},   {1, 360, false}, {1, 5000, true}, {0, 361, false},
        {0, 5000, false}, {1, -30, false}, {2, 400, false}, {1, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.remind) + " / " + std::to_string(c.age));
        EXPECT_EQ(UpdateReminderDue(c.remind, c.age), c.due);
    }
}

TEST(UpdateReminderDue, DueFromTheDay361DaysAfterTheRelease) {
    struct Case {
        CalendarDate today;
        bool due;
    };
    const Case cases[] = {
        {{2026, 12, 9}, false}, {{2027, 1, 1}, false}, {{2027, 12, 4}, false},
        {{2027, 12, 5}, true},  {{2028, 1, 1}, true},  {{2040, 6, 1}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.today.year) + "-" + std::to_string(c.today.month) + "-" +
                     std::to_string(c.today.day));
        EXPECT_EQ(UpdateReminderDue(1, ReleaseAgeDays(c.today.year, c.today.month, c.today.day)),
                  c.due);
    }
}

TEST(UpdateText, ChangesAtAYearOld) {
    struct Case {
        int age;
        const std::string* expected;
    };
    const Case cases[] = {
        {-10, &kRecentText},  {0, &kRecentText},     {360, &kRecentText},
        {361, &kYearOldText}, {1000, &kYearOldText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.age);
        EXPECT_EQ(UpdateText(c.age), *c.expected);
    }
}

TEST(ReleaseInfoText, VersionThenRevisionDate) {
    EXPECT_EQ(ReleaseDateText(), "09-Dec-2026");
    EXPECT_EQ(ReleaseInfoText(),
              "Current Program Version: 1.0.00\r\nCurrent Revision Date: 09-Dec-2026");
}

TEST(DisclaimerText, StartsWithTheHeadingOnItsOwnParagraph) {
    const std::string text = DisclaimerText();
    EXPECT_EQ(text.rfind("Disclaimer of Liability Clause\r\n\r\nThis software", 0), 0u);
}

TEST(DisclaimerText, SlotsFlowIntoThreeParagraphs) {
    const auto slots = DisclaimerSlots();
    for (size_t i = 0; i < slots.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const std::string& slot = slots[i];
        if (i == 0 || i == 8) {
            EXPECT_TRUE(slot.ends_with(".\r\n\r\n") || slot.ends_with("Clause\r\n\r\n"));
        } else if (i == 9 || i >= 14) {
            EXPECT_TRUE(slot.empty());
        } else {
            ASSERT_FALSE(slot.empty());
            EXPECT_EQ(slot.back(), ' ');
            EXPECT_NE(slot.front(), ' ');
            EXPECT_EQ(slot.find('\r'), std::string::npos);
            EXPECT_EQ(slot.find('\n'), std::string::npos);
        }
    }
    const std::string text = DisclaimerText();
    EXPECT_EQ(text.find("  "), std::string::npos);
    size_t breaks = 0;
    for (size_t at = text.find("\r\n\r\n"); at != std::string::npos;
         at = text.find("\r\n\r\n", at + 1)) {
        ++breaks;
    }
    EXPECT_EQ(breaks, 2u);
}

TEST(DisclaimerText, CarriesEveryPassage) {
    const std::string text = DisclaimerText();
    const char* passages[] = {
        "without warranty of any kind",
        "express or implied",
        "merchantability",
        "fitness for a particular purpose",
        "without consideration by the Vornexa developers",
        "waives all claims for damages",
        "personal injury or property damage",
        "consequential damages",
        "loss of profits, revenue, data or property use",
        "third party",
        "contract or in tort",
        "use of the software in whole or in part.",
        "No further development",
        "upgrades",
        "support@vornexa.example.org",
    };
    for (const char* passage : passages) {
        SCOPED_TRACE(passage);
        EXPECT_NE(text.find(passage), std::string::npos);
    }
    EXPECT_LT(text.find("in whole or in part."), text.find("No further development"));
    EXPECT_GT(text.find(kSupportMail), text.find("No further development"));
}

TEST(SaveStartupChoice, TickedSwitchesOffAndSettingsAreRewrittenEitherWay) {
    struct Case {
        int16_t SettingsRecord::*setting;
        const char* key;
        const char* other;
        bool ticked;
        const char* written;
    };
    const Case cases[] = {
        {&SettingsRecord::ShowDisclaim, "ShowDisclaim", "RemindAnnualUpdates", true, "0"},
        {&SettingsRecord::ShowDisclaim, "ShowDisclaim", "RemindAnnualUpdates", false, "1"},
        {&SettingsRecord::RemindAnnualUpdates, "RemindAnnualUpdates", "ShowDisclaim", true, "0"},
        {&SettingsRecord::RemindAnnualUpdates, "RemindAnnualUpdates", "ShowDisclaim", false, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + (c.ticked ? " ticked" : " unticked"));
        test::TempFolder dir;
        test::RecordingPresenter presenter;
        AppState state(presenter);
        state.iniPath = dir.file("VORN.INI");
        test::WriteAll(state.iniPath, "[Settings]\r\nMaxDisplaySize=999\r\n[Graph]\r\nX=7\r\n");
        SaveStartupChoice(state, c.setting, c.ticked);
        EXPECT_EQ(state.settings.*c.setting, c.ticked ? 0 : 1);
        const IniFile ini = IniFile::Load(state.iniPath);
        EXPECT_EQ(ini.Get("Settings", c.key), std::optional<std::string>(c.written));
        EXPECT_EQ(ini.Get("Settings", c.other), std::optional<std::string>("1"));
        EXPECT_EQ(ini.Get("Settings", "MaxDisplaySize"), std::optional<std::string>("2048"));
        EXPECT_EQ(ini.Get("Graph", "X"), std::optional<std::string>("7"));
        EXPECT_TRUE(presenter.shown.empty());
    }
}

TEST(SaveStartupChoice, AnUnkeptChoiceIsReported) {
    struct Case {
        bool ticked;
        size_t messages;
    };
    const Case cases[] = {{true, 1}, {false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ticked);
        test::TempFolder dir;
        test::RecordingPresenter presenter;
        AppState state(presenter);
        state.iniPath = dir.file("missing/VORN.INI");
        SaveStartupChoice(state, &SettingsRecord::ShowDisclaim, c.ticked);
        EXPECT_EQ(state.settings.ShowDisclaim, c.ticked ? 0 : 1);
        ASSERT_EQ(presenter.shown.size(), c.messages);
        if (c.messages == 1) {
            EXPECT_EQ(presenter.shown[0].text,
                      "The settings could not be saved to file: " + state.iniPath);
            EXPECT_EQ(presenter.shown[0].title, "Error");
            EXPECT_EQ(presenter.shown[0].style, msg::kExclamation);
        }
    }
}

}  // namespace
}  // namespace vornexa
