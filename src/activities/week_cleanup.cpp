#include "activities/week_cleanup.h"

#include <system_error>

#include "agenda/week_store.h"
#include "text/error.h"

namespace brivonce {
namespace {

using namespace std::chrono;

constexpr std::string_view kCannotDelete = "Impossible de supprimer le fichier %s";

}  // namespace

std::vector<WeekFileEntry> CleanupEntries(const std::filesystem::path& dataFolder,
                                          year_month_day today) {
    sys_days thisMonday{MondayOf(today)};
    std::vector<WeekFileEntry> entries;
    for (std::string& name : ListWeekFiles(dataFolder)) {
        year_month_day monday = *WeekFileMonday(name);  // listed names are valid
        entries.push_back({std::move(name), monday, sys_days{monday} < thisMonday});
    }
    return entries;
}

void DeleteWeekFile(const std::filesystem::path& dataFolder, const WeekFileEntry& entry) {
    std::filesystem::path file = dataFolder / entry.fileName;
    std::error_code ec;
    std::filesystem::remove(file, ec);
    if (ec) {
        throw Error(FormatMessage(kCannotDelete, file.string()));
    }
}

}  // namespace brivonce
