#include "util/messages.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace vornexa {
namespace {

class MessagesTest : public testing::Test {
  protected:
    MessagesTest() { messenger.log.enabled = true; }
    test::RecordingPresenter presenter;
    Messenger messenger{presenter};
};

TEST_F(MessagesTest, ShowMessageLogsFirstAndDefaultsTheTitle) {
    messenger.ShowMessage("Invalid file format");
    messenger.ShowMessage("Bad", msg::kCritical, "Settings: Error");
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[0].title, "Vornexa");
    EXPECT_EQ(presenter.shown[1].style, msg::kCritical);
    EXPECT_EQ(messenger.log.text(),
              "1. Message: Invalid file format\r\n2. Settings: Error: Bad\r\n");
}

TEST_F(MessagesTest, LogIsSilentWhenTheHistoryWindowIsOff) {
    messenger.log.enabled = false;
    messenger.LogMessage("nothing");
    EXPECT_EQ(messenger.log.text(), "");
    EXPECT_EQ(messenger.log.counter(), 0);
}

TEST_F(MessagesTest, LogKeepsTheLastTwoLinesAtTheSizeLimit) {
    messenger.log.maxSize = 10000;
    for (int i = 0; i < 10; ++i) {
        messenger.LogMessage("line");
    }
    messenger.log.maxSize = messenger.log.text().size();
    messenger.LogMessage("new");
    EXPECT_EQ(messenger.log.text(), "9. line\r\n10. line\r\n11. new\r\n");
}

TEST_F(MessagesTest, CounterWrapsAfter16384) {
    messenger.log.SetCounter(16384);
    messenger.LogMessage("again");
    EXPECT_EQ(messenger.log.text(), "1. again\r\n");
}

TEST_F(MessagesTest, TitlesComeFromTheDialogPrefix) {
    messenger.SetMessageTitles(2);
    EXPECT_EQ(messenger.titles.rangeError, "Project Parameters: Range Error");
    EXPECT_EQ(messenger.titles.invalidCharacter, "Project Parameters: Invalid Character");
    EXPECT_EQ(messenger.titles.error, "Project Parameters: Error");
    messenger.SetMessageTitles(12);
    EXPECT_EQ(messenger.titles.error, "Error");
}

TEST_F(MessagesTest, HandleErrorClassifiesAndAnswers) {
    struct Case {
        int number;
        std::vector<int> answers;
        ErrorAction action;
        std::string message;  // empty: no message box
        int style;
    };
    const Case cases[] = {
        {53,
         {msg::kRetry},
         ErrorAction::Retry,
         "Error occurred: File not found (53)",
         msg::kRetryCancel},
        {53,
         {msg::kCancel},
         ErrorAction::Continue,
         "Error occurred: File not found (53)",
         msg::kRetryCancel},
        {76,
         {},
         ErrorAction::Leave,
         "Error occurred: Path not found (76). Procedure Terminated",
         msg::kOkOnly},
        {6,
         {},
         ErrorAction::Leave,
         "Error occurred: Overflow (6). Procedure Terminated",
         msg::kOkOnly},
        {32755, {}, ErrorAction::Cancelled, "", 0},
        {-2147217900,
         {},
         ErrorAction::LeaveDatabase,
         "Error occurred: x (-2147217900). Procedure Terminated",
         msg::kOkOnly},
        {1234,
         {},
         ErrorAction::Leave,
         "Error occurred: x (1234). Procedure Terminated",
         msg::kOkOnly},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        presenter.shown.clear();
        presenter.answers = c.answers;
        const bool known = (c.number > 0 && c.number < 1000) || c.number == 32755;
        const AppError error(c.number, known ? ErrorDescription(c.number) : "x");
        EXPECT_EQ(messenger.HandleError(error, true), c.action);
        if (c.message.empty()) {
            EXPECT_TRUE(presenter.shown.empty());
        } else {
            ASSERT_EQ(presenter.shown.size(), 1u);
            EXPECT_EQ(presenter.shown[0].text, c.message);
            EXPECT_EQ(presenter.shown[0].style, c.style);
        }
    }
}

TEST_F(MessagesTest, HandleErrorLogsSignPaddedNumbers) {
    messenger.HandleError(AppError(53, "File not found"), true);
    messenger.HandleError(AppError(32755, "Cancel was selected."), true);
    EXPECT_NE(messenger.log.text().find("1. Error  53:File not found\r\n"), std::string::npos);
    EXPECT_NE(messenger.log.text().find(". Cancel was selected.\r\n"), std::string::npos);
    presenter.shown.clear();
    EXPECT_EQ(messenger.HandleError(AppError(53, "File not found"), false), ErrorAction::Continue);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(MessagesTest, CheckRangeMessages) {
    messenger.SetMessageTitles(8);
    struct Case {
        std::string text;
        double min, max;
        std::string label;
        std::string message;
    };
    const Case cases[] = {
        {"4096", 4096, 16384, "", ""},
        {"4095", 4096, 16384, "",
         "Value '4095' is outside input range\r\nValid range is: 4096-16384"},
        {"   ", 0, 360, "", "Blank field not allowed"},
        {"   ", 0, 360, "Depth", "Depth: Blank field not allowed"},
        {" 400abc ", 0, 360, "", "Value '400abc' is outside input range\r\nValid range is: 0-360"},
        {"abc", 0, 360, "", ""},
        {"360", 0, 360, "", ""},
        {"-0.5", 0, 360, "", "Value '-0.5' is outside input range\r\nValid range is: 0-360"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        presenter.shown.clear();
        EXPECT_EQ(CheckRange(messenger, c.text, c.min, c.max, c.label), c.message.empty());
        if (!c.message.empty()) {
            ASSERT_EQ(presenter.shown.size(), 1u);
            EXPECT_EQ(presenter.shown[0].text, c.message);
            EXPECT_EQ(presenter.shown[0].style, msg::kCritical);
            EXPECT_EQ(presenter.shown[0].title, "Settings: Range Error");
        }
    }
}

TEST(FilterNumericKey, AcceptsOnlyKeysThatKeepTheTextNumeric) {
    struct Case {
        std::string field;
        char key;
        bool accepted;
    };
    const Case cases[] = {
        {"", '5', true},    {"12", '3', true},  {"12", 'a', false}, {"1.5", '.', true},
        {"", '-', false},   {"-", '5', true},   {"1", 'E', false},  {"1E", '5', true},
        {"1D", '+', false}, {"1.5", '%', true}, {"", '(', true},    {" 4", ' ', true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field + c.key);
        EXPECT_EQ(FilterNumericKey(c.key, c.field) != 0, c.accepted);
    }
    EXPECT_EQ(FilterNumericKey(8, "abc"), 8);
}

TEST_F(MessagesTest, SelectOptionSetsOneMemberAndReportsBadIndices) {
    OptionGroup group{1, std::vector<bool>(4, false)};
    EXPECT_EQ(SelectedOptionIndex(group), 1);
    SelectOption(messenger, group, 3);
    EXPECT_EQ(SelectedOptionIndex(group), 3);
    EXPECT_TRUE(presenter.shown.empty());
    SelectOption(messenger, group, 9);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "Internal Error: SetArrayIndex. Check input/form data.");
    EXPECT_EQ(SelectedOptionIndex(group), 1);
    group.members = {true, false, true, false};
    EXPECT_EQ(SelectedOptionIndex(group), 3);
}

TEST(VersionText, RevisionHasTwoDigits) {
    EXPECT_EQ(VersionText(1, 2, 5), "1.2.05");
    EXPECT_EQ(VersionText(2, 4, 4), "2.4.04");
    EXPECT_EQ(VersionText(2, 4, 123), "2.4.123");
}

}  // namespace
}  // namespace vornexa
