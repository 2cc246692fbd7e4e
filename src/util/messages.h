#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "util/app_error.h"

namespace vornexa {

// Message box styles and answers, combinable like the platform's message box flags.
namespace msg {
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kRetryCancel = 5;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kDefaultButton2 = 256;

inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kRetry = 4;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace msg

// Shows a modal message and returns the answer; a message box in the program,
// a recording stand-in in tests, standard error in headless commands.
class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    virtual int Show(const std::string& text, int style, const std::string& title) = 0;
};

inline constexpr std::string_view kProductTitle = "Vornexa";

struct MessageTitles {
    std::string info = "Message";
    std::string rangeError;
    std::string invalidCharacter;
    std::string error;
};

// Prefixes of the message titles of each dialog, slots 1..13.
std::string_view DialogLabel(int slot);

// The numbered lines of the command history window.
class MessageLog {
  public:
    // Appends "N. text" and a line end when enabled; trims to the last two lines
    // first when the text has reached maxSize characters.
    void Log(std::string_view text);

    bool enabled = false;
    size_t maxSize = 4096;
    const std::string& text() const { return text_; }
    void Clear();
    // Called after every change of the text, so a window can show it.
    std::function<void()> changed;
    int16_t counter() const { return counter_; }
    void SetCounter(int16_t value) { counter_ = value; }

  private:
    std::string text_;
    int16_t counter_ = 0;
};

// Action codes of HandleError.
enum class ErrorAction : int {
    Retry = 0,
    Continue = 1,
    Cancelled = 2,
    Leave = 3,
    LeaveDatabase = 6
};

// Message titles, the history log and the presenter: what every window reports through.
class Messenger {
  public:
    explicit Messenger(MessagePresenter& presenter) : presenter_(&presenter) {}

    int ShowMessage(const std::string& text, int style = msg::kOkOnly,
                    const std::string& title = {});
    void LogMessage(std::string_view text) { log.Log(text); }
    void SetMessageTitles(int slot);
    void SetPresenter(MessagePresenter& presenter) { presenter_ = &presenter; }

    ErrorAction HandleError(const AppError& error, bool report);

    MessageTitles titles;
    MessageLog log;

  private:
    MessagePresenter* presenter_;
};

// The class (0..6) of a run-time error number.
int ErrorClass(int number);

// The range message for a field, or an empty text when the field is acceptable.
std::string RangeMessage(std::string_view fieldText, double min, double max,
                         std::string_view label);
// Shows the range message (critical icon, range-error title); true when acceptable.
bool CheckRange(Messenger& messenger, std::string_view fieldText, double min, double max,
                std::string_view label);

// Optional sign, digits with at most one decimal point, optional E/D exponent.
bool IsNumericText(std::string_view text);
// The key code after filtering a keystroke appended to fieldText: 0 rejects it.
int FilterNumericKey(int keyCode, std::string_view fieldText);

// A group of option buttons with indices lowest .. lowest + size - 1.
struct OptionGroup {
    int lowest = 0;
    std::vector<bool> members;
};
void SelectOption(Messenger& messenger, OptionGroup& group, int index);
int SelectedOptionIndex(const OptionGroup& group);

// "major.minor.rr", the revision with at least two digits.
std::string VersionText(int major, int minor, int revision);

}  // namespace vornexa
