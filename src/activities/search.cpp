#include "activities/search.h"

#include <cstdint>
#include <cstring>

#include "agenda/week_store.h"
#include "text/cp1252.h"

namespace brivonce {
namespace {

using namespace std::chrono;

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The letters a to z upper-cased, nothing else: accented letters keep their
// case in UTF-8 and in Windows-1252 alike. A search runs this over every week
// file, so it takes eight bytes at a time: in each byte of a word, the high
// bit of `fromA` is set from 'a' (0x61) up and that of `pastZ` from 0x7B up;
// a byte between the two that is ASCII loses 0x20.
void UpperAscii(std::string& text) {
    constexpr std::uint64_t kEach = 0x0101010101010101;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        std::uint64_t low7 = word & (0x7F * kEach);
        std::uint64_t fromA = low7 + (0x80 - 'a') * kEach;
        std::uint64_t pastZ = low7 + (0x80 - 'z' - 1) * kEach;
        std::uint64_t lower = fromA & ~pastZ & ~word & (0x80 * kEach);
        word -= lower >> 2;
        std::memcpy(text.data() + i, &word, 8);
    }
    for (; i < text.size(); ++i) {
        text[i] = UpperAscii(text[i]);
    }
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
