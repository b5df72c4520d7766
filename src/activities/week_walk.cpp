#include "activities/week_walk.h"

namespace brivonce {

int EditWeeks(const std::filesystem::path& dataFolder,
              const std::vector<std::chrono::year_month_day>& mondays, const WeekEdit& edit,
              const WalkProgress& progress, const WeekFileFilter& worthLoading) {
    int done = 0;
    for (std::size_t index = 0; index < mondays.size(); ++index) {
        std::optional<std::string> bytes = ReadWeekBytes(dataFolder, mondays[index]);
        if (!bytes || !worthLoading || worthLoading(*bytes)) {
            Week week = bytes ? ParseWeek(*bytes) : Week();
            if (edit(index, mondays[index], week)) {
                SaveWeek(dataFolder, mondays[index], week);
            }
        }
        ++done;
        if (!progress(done)) {
            break;
        }
    }
    return done;
}

std::vector<std::chrono::year_month_day> WeekFileMondays(const std::vector<std::string>& names) {
    std::vector<std::chrono::year_month_day> mondays;
    mondays.reserve(names.size());
    for (const std::string& name : names) {
        if (auto monday = WeekFileMonday(name)) {
            mondays.push_back(*monday);
        }
    }
    return mondays;
}

}  // namespace brivonce
