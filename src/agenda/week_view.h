#pragma once

#include <chrono>
#include <string_view>

#include "agenda/french_calendar.h"

namespace brivonce {

// The start-hour list holds "00:00" .. "21:00": the hours a Monday-to-Friday
// grid can show at its top while still reaching 23:00.
inline constexpr int kStartHourCount = 22;

// The last slot row a day grid may show at its top: Monday to Friday show 7
// slots, Saturday and Sunday 3, and every grid stays filled down to slot 24.
int LastTopSlotRow(int dayNumber);

// The first visible slot row of day grid `dayNumber` (1 = Monday .. 7 = Sunday)
// for `hour` at the top: hour + 1, kept within 1 and LastTopSlotRow (a stored
// start hour outside the list still gives a filled grid).
int TopSlotRow(int dayNumber, int hour);

// Background of a day grid's activity cells, in priority order from the last:
// today over public holiday over Sunday over white.
enum class DayColour { kWhite, kSunday, kHoliday, kToday };
DayColour DayColourOf(int dayNumber, bool publicHoliday, bool today);

// The settings value "fas"; a value outside 0..2 names no mode and reports no
// name day.
NameDayMode NameDayModeFrom(int value);

// The week number answered to "Semaine numéro :": an integer, spaces around it
// allowed; 0 becomes 1; above `weeksInYear`, or negative, it becomes
// `weeksInYear`. A text that is not an integer gives `current`.
int WeekNumberFromInput(std::string_view text, int current, int weeksInYear);

// The Monday of ISO week `number` (1..53) of `weekYear`.
std::chrono::year_month_day MondayOfWeek(int weekYear, int number);

// From a time of day within a minute (second 0..59, millisecond 0..999) to the
// next whole minute, in milliseconds: 60000 exactly on the minute.
int MillisecondsToNextMinute(int second, int millisecond);

}  // namespace brivonce
