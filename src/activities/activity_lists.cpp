#include "activities/activity_lists.h"

#include <algorithm>

#include "agenda/week_store.h"
#include "text/dates.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

// The hour a slot is due at, as the past list reads it: the label's first two
// digits (minutes do not count), or the slot's own hour for a label that does
// not start with two digits (a hand-edited file), rather than failing the list.
int LabelHour(const std::string& label, int row) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (label.size() >= 2 && digit(label[0]) && digit(label[1])) {
        return (label[0] - '0') * 10 + (label[1] - '0');
    }
    return row - 1;
}

// Every slot with an activity of the week files up to `lastMonday` (all of
// them when nullopt) that `keep` accepts, in list order.
template <typename Keep>
std::vector<ListedActivity> CollectActivities(const fs::path& dataFolder,
                                              std::optional<year_month_day> lastMonday, Keep keep) {
    std::vector<ListedActivity> found;
    for (const std::string& name : ListWeekFiles(dataFolder)) {
        year_month_day monday = *WeekFileMonday(name);  // listed names are valid
        if (lastMonday && sys_days{monday} > sys_days{*lastMonday}) {
            continue;
        }
        ForEachActivity(dataFolder, monday, [&](int day, int row, Slot&& slot) {
            year_month_day date = sys_days{monday} + days{day - 1};
            if (keep(date, row, slot)) {
                found.push_back({date, day, row, std::move(slot.label), std::move(slot.text)});
            }
        });
    }
    return found;
}

}  // namespace

std::string EntryLine(const ListedActivity& activity) {
    std::string line = FormatShortDate(activity.date);
    line += '\t';
    line += activity.label;
    line += '\t';
    line += activity.text;
    return line;
}

std::vector<ListedActivity> ListPastActivities(const fs::path& dataFolder, year_month_day today,
                                               int hour) {
    return CollectActivities(dataFolder, MondayOf(today),
                             [today, hour](year_month_day date, int row, const Slot& slot) {
                                 if (date != today) {
                                     return sys_days{date} < sys_days{today};
                                 }
                                 return LabelHour(slot.label, row) < hour;
                             });
}

std::vector<ListedActivity> ListAllActivities(const fs::path& dataFolder) {
    return CollectActivities(dataFolder, std::nullopt,
                             [](year_month_day, int, const Slot&) { return true; });
}

size_t RemoveFirstWeekActivities(const fs::path& dataFolder,
                                 std::span<const ListedActivity> activities) {
    if (activities.empty()) {
        return 0;
    }
    year_month_day monday = MondayOf(activities.front().date);
    auto end = std::find_if(activities.begin(), activities.end(), [monday](const auto& activity) {
        return MondayOf(activity.date) != monday;
    });
    // A missing file reads as the default week, where no activity matches.
    Week week = LoadWeek(dataFolder, monday);
    bool changed = false;
    for (auto activity = activities.begin(); activity != end; ++activity) {
        Slot& slot = week.At(activity->day, activity->row);
        if (slot == Slot{activity->label, activity->text} && !slot.text.empty()) {
            slot = Slot{DefaultTimeLabel(activity->row), ""};
            changed = true;
        }
    }
    if (changed) {
        SaveWeek(dataFolder, monday, week);
    }
    return static_cast<size_t>(end - activities.begin());
}

std::optional<AgendaPosition> ActivityPosition(const fs::path& dataFolder,
                                               const ListedActivity& activity) {
    year_month_day monday = MondayOf(activity.date);
    Week week = LoadWeek(dataFolder, monday);
    const Slot& slot = week.At(activity.day, activity.row);
    if (slot.text.empty() || slot != Slot{activity.label, activity.text}) {
        return std::nullopt;
    }
    return AgendaPosition{monday, activity.day, activity.row};
}

}  // namespace brivonce
