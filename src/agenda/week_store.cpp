#include "agenda/week_store.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "text/cp1252.h"
#include "text/dates.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

constexpr int kLinesPerDay = kSlotsPerDay * 2;

constexpr std::array<std::string_view, kSlotsPerDay> kDefaultLabels = {
    "00:00", "01:00", "02:00", "03:00", "04:00", "05:00", "06:00", "07:00",
    "08:00", "09:00", "10:00", "11:00", "12:00", "13:00", "14:00", "15:00",
    "16:00", "17:00", "18:00", "19:00", "20:00", "21:00", "22:00", "23:00"};

void SetDefaultLabels(Day& day) {
    for (int slot = 0; slot < kSlotsPerDay; ++slot) {
        day[slot].label = kDefaultLabels[slot];
    }
}

// Nearly every time label is five characters ended by CR LF ("08:30"): such a
// line is recognised without a scan for its end, its five bytes tested at once
// as one number.
constexpr size_t kLabelLength = 5;
constexpr uint64_t kEveryByte = 0x01'01'01'01'01'01'01'01;
constexpr uint64_t kHighBits = 0x80 * kEveryByte;

// The label's five bytes in one number; the three spare bytes hold a letter,
// which passes every test below whatever the byte order.
uint64_t LabelBytes(const char* at) {
    uint64_t bytes = 'A' * kEveryByte;
    std::memcpy(&bytes, at, kLabelLength);
    return bytes;
}

// True when one of the bytes is below 0x20, as CR and LF are (exact: a borrow
// only starts at such a byte).
bool HasControlByte(uint64_t bytes) {
    return ((bytes - 0x20 * kEveryByte) & ~bytes & kHighBits) != 0;
}

// Feeds lines first..last (0-based) of a week file's content to
// put(n, bytes, ascii), whichever line break ends them; lines the file lacks and
// empty lines are not fed. Stops at `last`, so the rest of a long file is never
// scanned.
template <typename Put>
void ReadLines(std::string_view bytes, int first, int last, Put put) {
    const char* at = bytes.data();
    const char* end = at + bytes.size();
    for (int n = 0; n <= last && at < end; ++n) {
        if (end - at >= 2 && at[0] == '\r' && at[1] == '\n') {
            at += 2;  // most activity lines are empty: skip them without a scan
            continue;
        }
        if (static_cast<size_t>(end - at) >= kLabelLength + 2 && at[kLabelLength] == '\r' &&
            at[kLabelLength + 1] == '\n') {
            uint64_t label = LabelBytes(at);
            if (!HasControlByte(label)) {
                if (n >= first) {
                    put(n, std::string_view(at, kLabelLength), (label & kHighBits) == 0);
                }
                at += kLabelLength + 2;
                continue;
            }
        }
        const char* start = at;
        unsigned char high = 0;
        while (at < end && *at != '\r' && *at != '\n') {
            high |= static_cast<unsigned char>(*at++);
        }
        if (n >= first && at != start) {
            put(n, std::string_view(start, static_cast<size_t>(at - start)), high < 0x80);
        }
        if (at < end && *at++ == '\r' && at < end && *at == '\n') {
            ++at;
        }
    }
}

// Puts line n (0-based) of a week file into its empty place in `day`, the day
// that line belongs to. Most lines are plain ASCII and are copied as they are.
void PutLine(Day& day, int n, std::string_view bytes, bool ascii) {
    Slot& slot = day[(n % kLinesPerDay) / 2];
    std::string& target = n % 2 == 0 ? slot.label : slot.text;
    if (ascii) {
        target.append(bytes);
    } else {
        target = Cp1252ToUtf8(bytes);
    }
}

// The week file's bytes, or nullopt when it does not exist. A week file holds
// 336 short lines; one of several megabytes is no week file.
std::optional<std::string> ReadWeekFile(const fs::path& file) {
    constexpr std::size_t kMostWeekFileBytes = 4 * 1024 * 1024;
    return ReadWholeFile(file, kCannotOpen, kMostWeekFileBytes);
}

void AppendLine(std::string& out, const std::string& text) {
    for (char c : Utf8ToCp1252(text)) {
        out += c == '\r' || c == '\n' ? ' ' : c;
    }
    out += "\r\n";
}

std::string WeekFileBytes(const Week& week) {
    std::string bytes;
    bytes.reserve(4096);
    for (int day = 1; day <= kDaysPerWeek; ++day) {
        for (const Slot& slot : week.DayAt(day)) {
            AppendLine(bytes, slot.label);
            AppendLine(bytes, slot.text);
        }
    }
    return bytes;
}

void DeleteWeekFile(const fs::path& file) {
    std::error_code ec;
    if (fs::is_directory(file, ec)) {
        return;  // not a week file; LoadWeek reports it
    }
    fs::remove(file, ec);
    if (ec) {
        throw Error(FormatMessage(kCannotWrite, file.string()));
    }
}

}  // namespace

Week::Week() {
    for (Day& day : m_days) {
        SetDefaultLabels(day);
    }
}

bool Week::HasActivity() const {
    return std::any_of(m_days.begin(), m_days.end(), [](const Day& day) {
        return std::any_of(day.begin(), day.end(),
                           [](const Slot& slot) { return !slot.text.empty(); });
    });
}

Day DefaultDay() {
    Day day;
    SetDefaultLabels(day);
    return day;
}

year_month_day MondayOf(year_month_day date) {
    sys_days d{date};
    return d - (weekday{d} - Monday);
}

int DayNumber(year_month_day date) {
    return static_cast<int>(weekday{sys_days{date}}.iso_encoding());
}

std::string DefaultTimeLabel(int slot) {
    return std::string(kDefaultLabels.at(slot - 1));
}

std::string WeekKey(year_month_day date) {
    return FormatDateKey(MondayOf(date));
}

std::optional<year_month_day> WeekFileMonday(std::string_view fileName) {
    constexpr size_t kKeyLength = 8;
    if (fileName.size() != kKeyLength + kWeekFileExtension.size() ||
        fileName.substr(kKeyLength) != kWeekFileExtension) {
        return std::nullopt;
    }
    auto monday = ParseDateKey(fileName.substr(0, kKeyLength));
    if (!monday || weekday{sys_days{*monday}} != Monday) {
        return std::nullopt;
    }
    return monday;
}

fs::path WeekFileName(const fs::path& dataFolder, year_month_day date) {
    return dataFolder / (WeekKey(date) + std::string(kWeekFileExtension));
}

Week LoadWeek(const fs::path& dataFolder, year_month_day date) {
    auto bytes = ReadWeekBytes(dataFolder, date);
    return bytes ? ParseWeek(*bytes) : Week();
}

std::optional<std::string> ReadWeekBytes(const fs::path& dataFolder, year_month_day date) {
    return ReadWeekFile(WeekFileName(dataFolder, date));
}

Week ParseWeek(std::string_view bytes) {
    Week week{Week::Blank{}};  // lines the file lacks stay empty
    ReadLines(bytes, 0, kWeekFileLines - 1, [&week](int n, std::string_view line, bool ascii) {
        PutLine(week.m_days[n / kLinesPerDay], n, line, ascii);
    });
    return week;
}

std::optional<Day> LoadDay(const fs::path& dataFolder, year_month_day date) {
    auto bytes = ReadWeekFile(WeekFileName(dataFolder, date));
    if (!bytes) {
        return std::nullopt;
    }
    int first = (DayNumber(date) - 1) * kLinesPerDay;
    Day day;  // lines the file lacks stay empty
    ReadLines(*bytes, first, first + kLinesPerDay - 1,
              [&day](int n, std::string_view line, bool ascii) { PutLine(day, n, line, ascii); });
    return day;
}

void ForEachActivity(const fs::path& dataFolder, year_month_day date,
                     const std::function<void(int day, int slot, Slot&& value)>& visit) {
    auto bytes = ReadWeekFile(WeekFileName(dataFolder, date));
    if (!bytes) {
        return;
    }
    auto text = [](std::string_view line, bool ascii) {
        return ascii ? std::string(line) : Cp1252ToUtf8(line);
    };
    // Only non-empty lines are fed: a label is kept until its activity line
    // shows whether the slot has one.
    int labelLine = -1;
    std::string_view label;
    bool labelAscii = true;
    ReadLines(*bytes, 0, kWeekFileLines - 1, [&](int n, std::string_view line, bool ascii) {
        if (n % 2 == 0) {
            labelLine = n;
            label = line;
            labelAscii = ascii;
            return;
        }
        Slot value{labelLine == n - 1 ? text(label, labelAscii) : std::string(), text(line, ascii)};
        visit(n / kLinesPerDay + 1, (n % kLinesPerDay) / 2 + 1, std::move(value));
    });
}

void SaveWeek(const fs::path& dataFolder, year_month_day date, const Week& week) {
    fs::path file = WeekFileName(dataFolder, date);
    if (!week.HasActivity()) {
        DeleteWeekFile(file);
        return;
    }
    ReplaceFile(file, WeekFileBytes(week), kCannotCreate);
}

void StoreSlot(const fs::path& dataFolder, year_month_day date, int slot, const std::string& label,
               const std::string& text) {
    Week week = LoadWeek(dataFolder, date);
    week.At(DayNumber(date), slot) = Slot{label, text};
    SaveWeek(dataFolder, date, week);
}

std::vector<std::string> ListWeekFiles(const fs::path& dataFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator entry(dataFolder, ec);
    if (ec == std::errc::no_such_file_or_directory) {
        return names;
    }
    for (; !ec && entry != fs::directory_iterator(); entry.increment(ec)) {
        std::string name = entry->path().filename().string();
        std::error_code typeError;
        if (WeekFileMonday(name) && entry->is_regular_file(typeError)) {
            names.push_back(std::move(name));
        }
    }
    if (ec) {
        throw Error(FormatMessage(kCannotOpen, dataFolder.string()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace brivonce
