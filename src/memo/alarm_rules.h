#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "activities/activity_lists.h"
#include "agenda/time_text.h"
#include "agenda/week_store.h"

namespace brivonce {

// A wall-clock minute: the local date and time that time labels are compared
// with. Local, not UTC, because the labels are what the user reads on a clock.
using LocalMinute = std::chrono::local_time<std::chrono::minutes>;

LocalMinute MakeLocalMinute(std::chrono::year_month_day date, int hour, int minute);

// Skipped minutes older than this do not ring: waking the machine after a
// night must not ring the whole night at once. They are listed instead.
inline constexpr int kMissedMinutesChecked = 60;

// Missed activities are listed this far back at most.
inline constexpr int kMissedDaysListed = 7;

// How long before its time an activity may ring a first time (0: only at its
// time), and the delays an alarm may be postponed by, in minutes.
inline constexpr std::array<int, 5> kAdvanceChoices = {0, 5, 15, 30, 60};
inline constexpr std::array<int, 5> kSnoozeChoices = {5, 10, 15, 30, 60};

// The slots of one day, nullopt when its week has no file.
using DayReader = std::function<std::optional<Day>(std::chrono::year_month_day)>;

// The hour box's 24 items: each slot's label (its default label when the week
// has no file), followed by " - " and its activity when it has one. The item of
// the current hour shows the current time instead of its label.
std::array<std::string, kSlotsPerDay> HourBoxItems(const std::optional<Day>& today, int hour,
                                                   int minute);

// The slot whose label is due at `minuteOfDay`: the first such slot that has
// an activity, else the first such slot at all. nullopt when none is due.
std::optional<int> MatchingSlot(const Day& today, int minuteOfDay);

// "15 min", "1 h".
std::string DelayText(int minutes);

// One activity to announce.
struct DueAlarm {
    int slot = 0;                       // index 0..23
    LocalMinute due;                    // when it was due
    std::string boxText;                // "14:30 - Dentiste", "Dans 15 min : 14:30 - Dentiste"
    std::chrono::year_month_day day{};  // the activity's day
    int advance = 0;                    // minutes before the activity; 0: at its time
    Slot activity;                      // its label and text when it was due
    bool operator==(const DueAlarm&) const = default;
};

DueAlarm MakeDueAlarm(std::chrono::year_month_day day, int slot, const Slot& activity, int advance);

// The alarms due from `first` to `last`, both included: each activity at its
// label's time and, with `advance`, `advance` minutes before. Oldest first,
// days then slots in order within a minute.
std::vector<DueAlarm> DueAlarms(const DayReader& readDay, LocalMinute first, LocalMinute last,
                                int advance);

// The activities whose time is from `first` to `last`, both included, as the
// past list shows them, oldest first.
std::vector<ListedActivity> MissedActivities(const DayReader& readDay, LocalMinute first,
                                             LocalMinute last);

// An alarm postponed until `due`.
struct Snooze {
    LocalMinute due;
    DueAlarm alarm;
    bool operator==(const Snooze&) const = default;
};

// What the alarm engine remembers from one run to the next.
struct AlarmMemory {
    // Minute (0..59) of the last label that matched the clock or of the last
    // run that rang; the sound stops at the next minute.
    std::optional<int> lastAlarmMinute;
    // Minute of the previous run, to find the minutes a late tick skipped.
    std::optional<LocalMinute> lastRun;
    // Alarms already rung, (due, slot, advance), so that no alarm rings twice
    // even when the clock is set back or the same minute is run again.
    std::vector<std::tuple<LocalMinute, int, int>> rung;
    // Postponed alarms not rung yet.
    std::vector<Snooze> snoozes;
    // Set at a start in the tray: the next run lists the activities whose
    // time passed after this minute.
    std::optional<LocalMinute> listMissedSince;
    bool operator==(const AlarmMemory&) const = default;
};

// The first minute a run at `now` must check: the minute after the previous
// run, but no more than kMissedMinutesChecked minutes back. `now` itself when
// there was no previous run or the clock went back.
LocalMinute FirstMinuteToCheck(std::optional<LocalMinute> lastRun, LocalMinute now);

// Everything one run of the once-a-minute refresh decides.
struct RefreshPlan {
    std::array<std::string, kSlotsPerDay> items;
    int selected = 0;            // the item to select
    std::optional<int> match;    // the slot due at the current minute, if any
    std::vector<DueAlarm> ring;  // to announce one after the other
    // Activities that passed unrung: after a jump of the clock beyond
    // kMissedMinutesChecked, or since the last run at a start in the tray.
    std::vector<ListedActivity> missed;
    // An activity's time passed during this run, rung or not.
    bool activityPassed = false;
    bool stopSound = false;  // the minute after the previous alarm: silence it
    AlarmMemory memory;      // to keep for the next run, before ringing
};

// The decisions of one refresh at `now`, with warnings `advance` minutes
// before each activity. With the alarm off nothing rings, is listed or is
// stopped, but the hour box and the match are computed all the same. A snooze
// rings when due, unless it is older than kMissedMinutesChecked or its slot no
// longer holds its activity.
RefreshPlan PlanRefresh(const DayReader& readDay, LocalMinute now, const AlarmMemory& memory,
                        bool alarmOn, int advance);

}  // namespace brivonce
