#include "util/messages.h"

#include <cstdio>

#include "util/numbers.h"
#include "util/text.h"

namespace vornexa {

std::string_view DialogLabel(int slot) {
    switch (slot) {
        case 1:
            return "Project Description: ";
        case 2:
            return "Project Parameters: ";
        case 7:
            return "Program Options: ";
        case 8:
            return "Settings: ";
        default:
            return "";
    }
}

void MessageLog::Log(std::string_view text) {
    if (!enabled) {
        return;
    }
    if (CharCount(text_) >= maxSize) {
        size_t lineEnds = 0;
        for (size_t pos = text_.find(kCrLf); pos != std::string::npos;
             pos = text_.find(kCrLf, pos + 2)) {
            ++lineEnds;
        }
        if (lineEnds >= 3) {
            size_t cut = 0;
            for (size_t i = 0; i < lineEnds - 2; ++i) {
                cut = text_.find(kCrLf, cut) + 2;
            }
            text_.erase(0, cut);
        }
    }
    counter_ = counter_ >= 16384 ? 1 : static_cast<int16_t>(counter_ + 1);
    text_ += std::to_string(counter_);
    text_ += ". ";
    text_ += text;
    text_ += kCrLf;
    if (changed) {
        changed();
    }
}

void MessageLog::Clear() {
    text_.clear();
    if (changed) {
        changed();
    }
}

int Messenger::ShowMessage(const std::string& text, int style, const std::string& title) {
    LogMessage(title.empty() ? "Message: " + text : title + ": " + text);
    return presenter_->Show(text, style, title.empty() ? std::string(kProductTitle) : title);
}

void Messenger::SetMessageTitles(int slot) {
    const std::string prefix(DialogLabel(slot));
    titles.info = "Message";
    titles.rangeError = prefix + "Range Error";
    titles.invalidCharacter = prefix + "Invalid Character";
    titles.error = prefix + "Error";
}

int ErrorClass(int number) {
    switch (number) {
        case 482:
        case 483:
        case 484:
            return 0;
        case 24:
        case 25:
        case 27:
        case 53:
        case 57:
        case 61:
        case 62:
        case 70:
        case 71:
        case 72:
            return 1;
        case 5:
        case 6:
        case 7:
            return 2;
        case 52:
        case 55:
        case 64:
        case 68:
        case 75:
        case 76:
            return 3;
        case 32755:
            return 5;
        case -2147217900:
            return 6;
        default:
            return 4;
    }
}

ErrorAction Messenger::HandleError(const AppError& error, bool report) {
    const int errorClass = ErrorClass(error.number());
    const std::string number = std::to_string(error.number());
    if (report) {
        if (errorClass == 5) {
            LogMessage(error.description());
        } else {
            const std::string signPadded = error.number() < 0 ? number : " " + number;
            LogMessage("Error " + signPadded + ":" + error.description());
        }
    }
    const std::string occurred = "Error occurred: " + error.description() + " (" + number + ")";
    switch (errorClass) {
        case 5:
            return ErrorAction::Cancelled;
        case 6:
            if (report) {
                ShowMessage(occurred + ". Procedure Terminated", msg::kOkOnly, titles.error);
            }
            return ErrorAction::LeaveDatabase;
        case 0:
        case 1:
            if (!report) {
                return ErrorAction::Continue;
            }
            return ShowMessage(occurred, msg::kRetryCancel, titles.error) == msg::kRetry
                       ? ErrorAction::Retry
                       : ErrorAction::Continue;
        default:
            if (report) {
                ShowMessage(occurred + ". Procedure Terminated", msg::kOkOnly, titles.error);
            }
            return ErrorAction::Leave;
    }
}

std::string RangeMessage(std::string_view fieldText, double min, double max,
                         std::string_view label) {
    const std::string labelPart = label.empty() ? "" : std::string(label) + ": ";
    const std::string_view trimmed = TrimBlanks(fieldText);
    if (trimmed.empty()) {
        return labelPart + "Blank field not allowed";
    }
    const double value = LeadingNumber(trimmed);
    if (value < min || value > max) {
        return labelPart + "Value '" + std::string(trimmed) + "' is outside input range" +
               std::string(kCrLf) + "Valid range is: " + FormatDouble(min) + "-" +
               FormatDouble(max);
    }
    return {};
}

bool CheckRange(Messenger& messenger, std::string_view fieldText, double min, double max,
                std::string_view label) {
    const std::string message = RangeMessage(fieldText, min, max, label);
    if (message.empty()) {
        return true;
    }
    messenger.ShowMessage(message, msg::kCritical, messenger.titles.rangeError);
    return false;
}

bool IsNumericText(std::string_view text) {
    text = TrimBlanks(text);
    return !text.empty() && ParseNumberField(text).has_value();
}

int FilterNumericKey(int keyCode, std::string_view fieldText) {
    switch (keyCode) {
        case 8:
        case 9:
        case 12:
        case 37:
        case 38:
        case 39:
        case 40:
        case 46:
            return keyCode;
        default:
            break;
    }
    std::string candidate(fieldText);
    candidate.push_back(static_cast<char>(keyCode));
    return IsNumericText(candidate) ? keyCode : 0;
}

void SelectOption(Messenger& messenger, OptionGroup& group, int index) {
    const int highest = group.lowest + static_cast<int>(group.members.size()) - 1;
    const bool inside = index >= group.lowest && index <= highest;
    if (!inside) {
        messenger.ShowMessage("Internal Error: SetArrayIndex. Check input/form data.", msg::kOkOnly,
                              messenger.titles.rangeError);
    }
    group.members.assign(group.members.size(), false);
    if (inside) {
        group.members[static_cast<size_t>(index - group.lowest)] = true;
    }
}

int SelectedOptionIndex(const OptionGroup& group) {
    for (size_t i = group.members.size(); i-- > 0;) {
        if (group.members[i]) {
            return group.lowest + static_cast<int>(i);
        }
    }
    return group.lowest;
}

std::string VersionText(int major, int minor, int revision) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%d.%d.%02d", major, minor, revision);
    return buf;
}

}  // namespace vornexa
