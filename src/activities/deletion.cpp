#include "activities/deletion.h"

#include "text/cp1252.h"

namespace brivonce {

using namespace std::chrono;

bool DatePeriod::Contains(year_month_day date) const {
    return sys_days{first} <= sys_days{date} && sys_days{date} <= sys_days{last};
}

bool IsOccurrence(const Slot& slot, const Slot& reference) {
    return !slot.text.empty() && slot == reference;
}

int DeleteOccurrences(const std::filesystem::path& dataFolder,
                      const std::vector<std::string>& weekFiles, const Slot& reference,
                      std::optional<DatePeriod> period, const WalkProgress& progress) {
    auto erase = [&](std::size_t, year_month_day monday, Week& week) {
        bool changed = false;
        for (int day = 1; day <= kDaysPerWeek; ++day) {
            if (period && !period->Contains(sys_days{monday} + days{day - 1})) {
                continue;
            }
            for (int slot = 1; slot <= kSlotsPerDay; ++slot) {
                if (IsOccurrence(week.At(day, slot), reference)) {
                    week.At(day, slot) = {DefaultTimeLabel(slot), ""};
                    changed = true;
                }
            }
        }
        return changed;
    };
    // Most files do not hold the text at all: they are not even parsed.
    std::string bytesOfText = Utf8ToCp1252(reference.text);
    auto mayHold = [&](std::string_view bytes) {
        return bytes.find(bytesOfText) != std::string_view::npos;
    };
    return EditWeeks(dataFolder, WeekFileMondays(weekFiles), erase, progress, mayHold);
}

}  // namespace brivonce
