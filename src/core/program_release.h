#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/version.h"
#include "util/settings.h"

namespace vornexa {

struct AppState;

// Placeholders: the real addresses are set when the program is released.
inline constexpr std::string_view kSupportMail = "support@vornexa.example.org";
inline constexpr std::string_view kProgramWebPage = "https://vornexa.example.org/";

// From this age on the program counts as a year old.
inline constexpr int kUpdateReminderAgeDays = 361;

inline constexpr int kDisclaimerSlotCount = 18;

// Whole days from the release date to the given date; negative before it.
int ReleaseAgeDays(int year, int month, int day);

bool UpdateReminderDue(int remindAnnualUpdates, int ageDays);

// The explanation of the update window for a program of that age; lines end in CR LF.
std::string UpdateText(int ageDays);

// The release date as "dd-mmm-yyyy" with English month names: "09-Dec-2026".
std::string ReleaseDateText();

// The version and the revision date on two lines.
std::string ReleaseInfoText();

// The slots of the disclaimer, in order; the text is their plain concatenation.
std::array<std::string, kDisclaimerSlotCount> DisclaimerSlots();
std::string DisclaimerText();

// Closing the disclaimer or the update window: a ticked box switches its start-up
// setting off, and [Settings] is written either way.
void SaveStartupChoice(AppState& state, int16_t SettingsRecord::*setting, bool switchOff);

}  // namespace vornexa
