#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memo/alarm_rules.h"
#include "settings/ini_file.h"

namespace brivonce {

// The section of brivonce.ini that holds what the alarm adds to the memo
// window's own settings. Written only when a value differs from its default,
// so that a first save writes the same file as before.
inline constexpr std::string_view kSectionRappels = "Rappels";

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

// Erases the section and writes again the values that differ from their
// defaults; none at all leaves no section.
void WriteReminderSettings(IniFile& ini, const ReminderSettings& settings);

}  // namespace brivonce
