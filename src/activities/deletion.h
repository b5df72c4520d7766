#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "activities/week_walk.h"
#include "agenda/week_store.h"

namespace brivonce {

// Both dates included; first <= last.
struct DatePeriod {
    std::chrono::year_month_day first;
    std::chrono::year_month_day last;
    bool Contains(std::chrono::year_month_day date) const;
};

// A slot holding the same label and the same activity as `reference`, both
// compared exactly. A slot without activity is never an occurrence.
bool IsOccurrence(const Slot& slot, const Slot& reference);

// In each listed week file (names as ListWeekFiles gives them), turns every
// occurrence of `reference`, only those on a day within `period` when there
// is one, back into a free slot: its row's default label and no activity.
// Only the files in which a slot changed are written; a file that no longer
// exists is skipped. See EditWeeks for progress, abort and failures. Returns
// the number of files handled.
int DeleteOccurrences(const std::filesystem::path& dataFolder,
                      const std::vector<std::string>& weekFiles, const Slot& reference,
                      std::optional<DatePeriod> period, const WalkProgress& progress);

}  // namespace brivonce
