#pragma once

#include <chrono>
#include <optional>

namespace brivonce {

// The date picker's month: 7 columns, Monday first, and 7 rows; row 0 holds
// the day names and rows 1-6 the days of the month in their weekday columns.
// Cells before the 1st and after the last day are blank.
inline constexpr int kMonthGridRows = 7;
inline constexpr int kMonthGridColumns = 7;

struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};

// Where the day of `date` stands in the grid of its month.
GridCell MonthGridCell(std::chrono::year_month_day date);

// The day number shown in `cell` of the grid of `month`; nullopt for the
// day-name row, blanks and cells outside the grid.
std::optional<unsigned> MonthGridDay(std::chrono::year_month month, GridCell cell);

// `months` months later (earlier when negative), keeping the day of the month
// unless the new month is shorter: 31 March minus one month is 28 or 29 February.
std::chrono::year_month_day AddMonths(std::chrono::year_month_day date, int months);

// The same day and month `years` years later (earlier when negative);
// 29 February first becomes 28 February, whatever the target year.
std::chrono::year_month_day AddYears(std::chrono::year_month_day date, int years);

}  // namespace brivonce
