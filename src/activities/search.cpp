#include "activities/search.h"

#include <algorithm>

#include "agenda/week_store.h"

namespace brivonce {
namespace {

using namespace std::chrono;

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

SearchPosition After(std::size_t week, int day, int slot) {
    if (slot < kSlotsPerDay) {
        return {week, day, slot + 1};
    }
    if (day < kDaysPerWeek) {
        return {week, day + 1, 1};
    }
    return {week + 1, 1, 1};
}

bool ContainsUpperAscii(std::string_view text, std::string_view upperNeedle) {
    return std::search(text.begin(), text.end(), upperNeedle.begin(), upperNeedle.end(),
                       [](char a, char b) { return UpperAscii(a) == b; }) != text.end();
}

}  // namespace

std::optional<SearchMatch> FindText(const std::filesystem::path& dataFolder,
                                    const std::vector<std::string>& weekFiles, SearchPosition from,
                                    std::string_view text) {
    std::string needle(text);
    std::transform(needle.begin(), needle.end(), needle.begin(),
                   [](char c) { return UpperAscii(c); });
    for (std::size_t index = from.week; index < weekFiles.size(); ++index) {
        std::optional<year_month_day> monday = WeekFileMonday(weekFiles[index]);
        if (!monday) {
            continue;
        }
        Week week = LoadWeek(dataFolder, *monday);
        bool atStart = index == from.week;
        for (int day = atStart ? from.day : 1; day <= kDaysPerWeek; ++day) {
            int first = atStart && day == from.day ? from.slot : 1;
            for (int slot = first; slot <= kSlotsPerDay; ++slot) {
                if (ContainsUpperAscii(week.At(day, slot).text, needle)) {
                    return SearchMatch{sys_days{*monday} + days{day - 1}, slot,
                                       After(index, day, slot)};
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace brivonce
