#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace brivonce {

// Which name days DayNames reports (settings key "fas"); holidays and feasts are
// reported in every mode.
enum class NameDayMode { kNone = 0, kCurrentDay = 1, kAllDays = 2 };

// What to show beside a date. `text` is empty when nothing applies; it points
// into the program's constant tables, so it stays valid for the program's life.
struct DayName {
    std::string_view text;
    bool publicHoliday = false;
    bool operator==(const DayName&) const = default;
};

// Divisible by 4 and either not by 100 or by 400.
bool LeapYear(int year);

// Days in month 1..12 of `year`.
int MonthLength(int year, int month);

// Gregorian Easter Sunday, for any year.
std::chrono::year_month_day EasterSunday(int year);

// The holiday, feast or name day of `date`: the first feast rule falling on the
// date, else (mode "all days", or mode "current day" when the date has today's
// day and month, whatever the year) its name day.
DayName DayNames(std::chrono::year_month_day date, NameDayMode mode,
                 std::chrono::year_month_day today);

// The date in `year` of an entry of kFeastList (a dated entry's day and month, an
// undated one's computed feast). nullopt for "...*2902" in a common year, and for
// a text that is neither dated nor the name of a feast rule.
std::optional<std::chrono::year_month_day> FeastDate(std::string_view entry, int year);

}  // namespace brivonce
