#include "core/program_release.h"

#include <chrono>
#include <cstdio>

#include "core/app_state.h"
#include "core/options.h"
#include "core/tables.h"
#include "util/messages.h"

namespace vornexa {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::chrono::sys_days Days(int year, int month, int day) {
    return std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
           std::chrono::day{static_cast<unsigned>(day)};
}

}  // namespace

int ReleaseAgeDays(int year, int month, int day) {
    const auto release = Days(kReleaseDate.year, kReleaseDate.month, kReleaseDate.day);
    return static_cast<int>((Days(year, month, day) - release).count());
}

bool UpdateReminderDue(int remindAnnualUpdates, int ageDays) {
    return remindAnnualUpdates == 1 && ageDays >= kUpdateReminderAgeDays;
}

std::string UpdateText(int ageDays) {
    const std::string manualUpdate =
        std::string("You may manually update ") +
        "the program by downloading and installing the new setup file.";
    std::string text;
    if (ageDays < kUpdateReminderAgeDays) {
        text = "Clicking on the URL below will connect you directly with the program website. ";
    } else {
        text = std::string("This version was released over a year ago. ") +
               "Although major updates may not be scheduled, interim updates may be released "
               "with bug fixes. " +
               "Check for an updated version by visiting the program web page below.  ";
    }
    return text + std::string(kLineEnd) + std::string(kLineEnd) + manualUpdate;
}

std::string ReleaseDateText() {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char day[3];
    std::snprintf(day, sizeof day, "%02d", kReleaseDate.day);
    return std::string(day) + "-" + std::string(kMonths[kReleaseDate.month - 1]) + "-" +
           std::to_string(kReleaseDate.year);
}

std::string ReleaseInfoText() {
    return "Current Program Version: " +
           VersionText(kVersionMajor, kVersionMinor, kVersionRevision) + std::string(kLineEnd) +
           "Current Revision Date: " + ReleaseDateText();
}

std::array<std::string, kDisclaimerSlotCount> DisclaimerSlots() {
    return {
        "Disclaimer of Liability Clause\r\n\r\n",
        "This software is provided as is, without warranty of any kind, ",
        "either express or implied, including but not limited to any implied warranty ",
        "of merchantability or of fitness for a particular purpose. ",
        "It is conveyed without consideration by the Vornexa developers. ",
        "By accepting and using this software, the user waives all claims for damages ",
        "and all suits for personal injury or property damage resulting from any direct, "
        "indirect, incidental, special or consequential damages, ",
        "or from any loss of profits, revenue, data or property use, incurred by the user "
        "or by any third party, whether in an action in contract or in tort, ",
        "arising from access to or use of the software in whole or in part.\r\n\r\n",
        "",
        "No further development of this software is planned, ",
        "nor are any upgrades of it. ",
        "Questions about the software may be directed to the e-mail box of the "
        "Vornexa developers: ",
        std::string(kSupportMail) + " ",
        "",
        "",
        "",
        "",
    };
}

std::string DisclaimerText() {
    std::string text;
    for (const std::string& slot : DisclaimerSlots()) {
        text += slot;
    }
    return text;
}

void SaveStartupChoice(AppState& state, int16_t SettingsRecord::*setting, bool switchOff) {
    if (switchOff) {
        state.settings.*setting = 0;
    }
    // Unticked nothing new is lost; ticked, the user must know the choice is not kept.
    if (!SaveDefaultSettings(state, 2) && switchOff) {
        state.messages.ShowMessage("The settings could not be saved to file: " + state.iniPath,
                                   msg::kExclamation, "Error");
    }
}

}  // namespace vornexa
