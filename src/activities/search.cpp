#include "activities/search.h"

#include <algorithm>

#include "agenda/week_store.h"
#include "text/cp1252.h"

namespace brivonce {
namespace {

using namespace std::chrono;

// The letters a to z upper-cased, nothing else: accented letters keep their
// case in UTF-8 and in Windows-1252 alike.
void UpperAscii(std::string& text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
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

}  // namespace

std::optional<SearchMatch> FindText(const std::filesystem::path& dataFolder,
                                    const std::vector<std::string>& weekFiles, SearchPosition from,
                                    std::string_view text) {
    std::string needle(text);
    UpperAscii(needle);
    std::string needleBytes = Utf8ToCp1252(needle);
    for (std::size_t index = from.week; index < weekFiles.size(); ++index) {
        std::optional<year_month_day> monday = WeekFileMonday(weekFiles[index]);
        std::optional<std::string> bytes;
        if (monday) {
            bytes = ReadWeekBytes(dataFolder, *monday);
        }
        if (!bytes) {
            continue;  // gone since the list was made
        }
        // Upper-cased as a whole, the file is only parsed when it holds the
        // text somewhere, and its activities come out upper-cased.
        UpperAscii(*bytes);
        if (bytes->find(needleBytes) == std::string::npos) {
            continue;
        }
        Week week = ParseWeek(*bytes);
        bool atStart = index == from.week;
        for (int day = atStart ? from.day : 1; day <= kDaysPerWeek; ++day) {
            int first = atStart && day == from.day ? from.slot : 1;
            for (int slot = first; slot <= kSlotsPerDay; ++slot) {
                if (week.At(day, slot).text.find(needle) != std::string::npos) {
                    return SearchMatch{sys_days{*monday} + days{day - 1}, slot,
                                       After(index, day, slot)};
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace brivonce
