#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace brivonce {

// One week file as the clean-up lists it.
struct WeekFileEntry {
    std::string fileName;  // "yyyymmdd.SEM", in the data folder
    std::chrono::year_month_day monday;
    bool preselected = false;  // the week is over: its Monday is before this week's
    bool operator==(const WeekFileEntry&) const = default;
};

// Every week file of the data folder, oldest first. Raises Error when the
// folder cannot be listed.
std::vector<WeekFileEntry> CleanupEntries(const std::filesystem::path& dataFolder,
                                          std::chrono::year_month_day today);

// Deletes the entry's own file; one already gone is no error. Raises Error
// naming the file when it stays.
void DeleteWeekFile(const std::filesystem::path& dataFolder, const WeekFileEntry& entry);

}  // namespace brivonce
