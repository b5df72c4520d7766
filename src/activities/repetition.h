#pragma once

#include <chrono>
#include <filesystem>
#include <vector>

#include "activities/week_walk.h"
#include "agenda/week_store.h"

namespace brivonce {

enum class RepeatUnit { kDay, kWeek, kMonth, kYear };

// What the repeat dialog collects.
struct Repetition {
    std::chrono::year_month_day first;
    std::chrono::year_month_day last;
    RepeatUnit unit = RepeatUnit::kDay;
    int interval = 1;       // every `interval` units; below 1 counts as 1
    bool weekEnds = false;  // the day unit only: Saturdays and Sundays too
};

// The dates a repetition copies to, in order, from `first` (always included,
// unless it is a week-end day the day unit skips) up to `last`. Skipped
// week-end days are not moved. Months and years start again from the first
// date's day of the month, cut to the month's length: 31 January monthly gives
// 28 or 29 February, then 31 March.
std::vector<std::chrono::year_month_day> RepetitionDates(const Repetition& repetition);

// Days 1 (Monday) .. 7 of one week that a repetition writes to.
struct WeekDays {
    std::chrono::year_month_day monday;
    std::vector<int> days;
};

// Dates in ascending order gathered by week, each week once.
std::vector<WeekDays> GroupByWeek(const std::vector<std::chrono::year_month_day>& dates);

// Puts `value` into slot 1..24 of every day of `weeks`, replacing what the
// slot held, label included; a week without a file starts from the default
// week. Each week file is written once, after all its copies; see EditWeeks
// for progress, abort and failures. Returns the number of weeks handled.
int ApplyRepetition(const std::filesystem::path& dataFolder, const std::vector<WeekDays>& weeks,
                    int slot, const Slot& value, const WalkProgress& progress);

}  // namespace brivonce
