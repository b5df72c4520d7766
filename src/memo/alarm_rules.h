#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "agenda/time_text.h"
#include "agenda/week_store.h"

namespace brivonce {

// A wall-clock minute: the local date and time that time labels are compared
// with. Local, not UTC, because the labels are what the user reads on a clock.
using LocalMinute = std::chrono::local_time<std::chrono::minutes>;

LocalMinute MakeLocalMinute(std::chrono::year_month_day date, int hour, int minute);

// Skipped minutes older than this are left to the past-activity list: waking
// the machine after a night must not ring the whole night at once.
inline constexpr int kMissedMinutesChecked = 60;

// "hh:mm".
std::string FormatTimeLabel(int hour, int minute);

// The hour box's 24 items: each slot's label (its default label when the week
// has no file), followed by " - " and its activity when it has one. The item of
// the current hour shows the current time instead of its label.
std::array<std::string, kSlotsPerDay> HourBoxItems(const std::optional<Day>& today, int hour,
                                                   int minute);

// The slot whose label is due at `minuteOfDay`: the first such slot that has
// an activity, else the first such slot at all. nullopt when none is due.
std::optional<int> MatchingSlot(const Day& today, int minuteOfDay);

// One activity to announce.
struct DueAlarm {
    int slot = 0;         // index 0..23
    LocalMinute due;      // when it was due
    std::string boxText;  // the slot's own label and activity: "14:30 - Dentiste"
    bool operator==(const DueAlarm&) const = default;
};

// The activities of `today` (the day of `first` and `last`) due from `first`
// to `last`, both included: oldest first, slots in order within a minute.
std::vector<DueAlarm> DueAlarms(const Day& today, LocalMinute first, LocalMinute last);

// What the alarm engine remembers from one run to the next.
struct AlarmMemory {
    // Minute (0..59) of the last label that matched the clock or of the last
    // run that rang; the sound stops at the next minute.
    std::optional<int> lastAlarmMinute;
    // Minute of the previous run, to find the minutes a late tick skipped.
    std::optional<LocalMinute> lastRun;
    // Alarms already rung, (due, slot), so that no alarm rings twice even when
    // the clock is set back or the same minute is run again.
    std::vector<std::pair<LocalMinute, int>> rung;
    bool operator==(const AlarmMemory&) const = default;
};

// The first minute a run at `now` must check: the minute after the previous
// run, but no more than kMissedMinutesChecked minutes back and not before
// today's midnight. `now` itself when there was no previous run or the clock
// went back.
LocalMinute FirstMinuteToCheck(std::optional<LocalMinute> lastRun, LocalMinute now);

// Everything one run of the once-a-minute refresh decides.
struct RefreshPlan {
    std::array<std::string, kSlotsPerDay> items;
    int selected = 0;            // the item to select
    std::optional<int> match;    // the slot due at the current minute, if any
    std::vector<DueAlarm> ring;  // to announce one after the other
    bool stopSound = false;      // the minute after the previous alarm: silence it
    AlarmMemory memory;          // to keep for the next run, before ringing
};

// The decisions of one refresh at `now`. `today` is nullopt when the week has
// no file. With the alarm off nothing rings and nothing is stopped, but the
// hour box and the match are computed all the same.
RefreshPlan PlanRefresh(const std::optional<Day>& today, LocalMinute now, const AlarmMemory& memory,
                        bool alarmOn);

}  // namespace brivonce
