#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memo/alarm_rules.h"
#include "settings/ini_file.h"

namespace brivonce {

// What the alarm keeps in brivonce.ini beyond the memo window's own settings,
// in the section of the later settings, each key only while it differs from
// its default.
struct ReminderSettings {
    int snoozeMinutes = kSnoozeChoices.front();    // the last delay chosen
    int advanceMinutes = kAdvanceChoices.front();  // warning before each activity
    // The last minute an activity's time passed while the program ran: what
    // passed after it was never announced.
    std::optional<LocalMinute> lastRun;
    std::vector<Snooze> snoozes;
    bool operator==(const ReminderSettings&) const = default;
};

// "20261207 14:30"; nullopt for anything else.
std::string FormatMinute(LocalMinute minute);
std::optional<LocalMinute> ParseMinute(std::string_view text);

// A snooze as one value: due;day;slot 1..24;advance;label;text. A malformed
// value gives nullopt.
std::string FormatSnooze(const Snooze& snooze);
std::optional<Snooze> ParseSnooze(std::string_view text);

// Missing or malformed values give their defaults; a malformed snooze is left
// out.
ReminderSettings LoadReminderSettings(const IniFile& ini);

// Writes the values that differ from their defaults and removes the others,
// leaving the section's other keys alone.
void WriteReminderSettings(IniFile& ini, const ReminderSettings& settings);

}  // namespace brivonce
