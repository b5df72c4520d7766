#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brivonce {

// One activity of the lists, bound to the slot it came from: the list line is
// only its face, so removing or opening it never reads the line back.
struct ListedActivity {
    std::chrono::year_month_day date;
    int day = 1;  // 1 = Monday .. 7 = Sunday
    int row = 1;  // slot 1..24
    std::string label;
    std::string text;
    bool operator==(const ListedActivity&) const = default;
};

// The list line: "dd/mm/yyyy" TAB label TAB text.
std::string EntryLine(const ListedActivity& activity);

// Every slot with an activity whose hour is over at `hour` (0..23) of `today`:
// earlier days whatever their time; today's slots whose label hour (its first
// two digits, else the slot's own hour) is before `hour`. Week files in name
// order, then days, then rows. Weeks after today's are never read. Raises Error
// when the folder or a week file cannot be read.
std::vector<ListedActivity> ListPastActivities(const std::filesystem::path& dataFolder,
                                               std::chrono::year_month_day today, int hour);

// Every slot with an activity, in the same order. Raises Error as above.
std::vector<ListedActivity> ListAllActivities(const std::filesystem::path& dataFolder);

// Removes the leading activities of `activities` that share the first one's
// week from its file, with one rewrite of that file (deleted when it is left
// without activity), and returns how many that was. A slot that no longer holds
// its activity's label and text is left alone, and a missing week file is not
// touched. Raises Error when the file cannot be read or written; nothing of
// that week is then removed.
size_t RemoveFirstWeekActivities(const std::filesystem::path& dataFolder,
                                 std::span<const ListedActivity> activities);

// Where the agenda shows an activity.
struct AgendaPosition {
    std::chrono::year_month_day monday;
    int day = 1;
    int row = 1;
    bool operator==(const AgendaPosition&) const = default;
};

// The activity's place in the agenda, provided its week file still holds it
// there; nullopt otherwise. Raises Error when the file cannot be read.
std::optional<AgendaPosition> ActivityPosition(const std::filesystem::path& dataFolder,
                                               const ListedActivity& activity);

}  // namespace brivonce
