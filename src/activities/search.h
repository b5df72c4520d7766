#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brivonce {

// Where a search goes on: a week file of the list, a day 1 (Monday) .. 7 of
// it and a slot 1..24 of that day. The default is the start of the list.
struct SearchPosition {
    std::size_t week = 0;
    int day = 1;
    int slot = 1;
    bool operator==(const SearchPosition&) const = default;
};

struct SearchMatch {
    std::chrono::year_month_day date;  // the matching slot's day
    int slot = 1;                      // 1..24
    SearchPosition next;               // just after the match
};

// The first slot from `from` on whose activity holds `text`, the letters a to
// z compared regardless of case and every other character exactly (accented
// letters keep their case): the rest of that day, the days after it to Sunday, then
// every later week file of `weekFiles` (names as ListWeekFiles gives them)
// from its Monday. Time labels are not searched; a listed file that no longer
// exists is skipped. Raises Error when a week file cannot be read.
std::optional<SearchMatch> FindText(const std::filesystem::path& dataFolder,
                                    const std::vector<std::string>& weekFiles, SearchPosition from,
                                    std::string_view text);

}  // namespace brivonce
