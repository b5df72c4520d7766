#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace brivonce {

// The run-time's day-of-week numbering, used by the calendar rules:
// 1 = Sunday, 2 = Monday ... 7 = Saturday.
int DayOfWeek(std::chrono::year_month_day date);

// The program-wide short date, "dd/mm/yyyy" (13/12/2026).
std::string FormatShortDate(std::chrono::year_month_day date);

// Reads back exactly what FormatShortDate writes: two-digit day, "/", two-digit
// month, "/", four-digit year, nothing else. nullopt for any other text or for a
// date that does not exist (31/04/2026, 29/02/2027).
std::optional<std::chrono::year_month_day> ParseShortDate(std::string_view text);

// A date as eight digits "yyyymmdd" (20261207), the key week files are named by.
std::string FormatDateKey(std::chrono::year_month_day date);

// Eight digits forming an existing date, nothing else; nullopt otherwise.
std::optional<std::chrono::year_month_day> ParseDateKey(std::string_view text);

}  // namespace brivonce
