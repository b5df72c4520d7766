#pragma once

#include <chrono>

namespace brivonce {

// ISO 8601 weeks: week 1 is the week (Monday to Sunday) holding the year's first
// Thursday, and every week belongs to the year of its Thursday.

// The Monday of week 1 of `year` (between 29 December and 4 January).
std::chrono::year_month_day WeekOneMonday(int year);

// The year the week of `date` is counted in: the year of its Thursday. It differs
// from the date's own year near 1 January (Monday 29 December 2025 is in 2026).
int WeekYear(std::chrono::year_month_day date);

// 1..53, within WeekYear(date).
int WeekNumber(std::chrono::year_month_day date);

// 53 when the year begins on a Thursday, or is a leap year beginning on a
// Wednesday; 52 otherwise.
int WeeksInYear(int year);

}  // namespace brivonce
