#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "agenda/week_store.h"

namespace brivonce {

// Told the number of weeks handled so far after each one; returning false
// stops the walk there (the progress dialog's "Abandon").
using WalkProgress = std::function<bool(int done)>;

// Changes a week in place; true when it changed anything.
using WeekEdit = std::function<bool(std::size_t index, std::chrono::year_month_day monday, Week&)>;

// Whether a week file's bytes (Windows-1252) may hold what a walk looks for;
// a file it turns down is not parsed.
using WeekFileFilter = std::function<bool(std::string_view bytes)>;

// Loads the week of each Monday in turn, lets `edit` change it and saves it,
// as SaveWeek does, only when it changed: each week file is written at most
// once, and a week left without activity loses its file. A week whose file
// `worthLoading` (when given) turns down is passed over. A week file that
// cannot be read or written raises Error; the weeks handled before it stay
// written, it and the later ones are left as they were. Returns the number of
// weeks handled.
int EditWeeks(const std::filesystem::path& dataFolder,
              const std::vector<std::chrono::year_month_day>& mondays, const WeekEdit& edit,
              const WalkProgress& progress, const WeekFileFilter& worthLoading = {});

// The Mondays of week file names as ListWeekFiles gives them.
std::vector<std::chrono::year_month_day> WeekFileMondays(const std::vector<std::string>& names);

}  // namespace brivonce
