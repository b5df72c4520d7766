#include "agenda/ics_export.h"

#include <algorithm>
#include <ostream>

#include "agenda/time_text.h"
#include "agenda/week_store.h"
#include "text/dates.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

using namespace std::chrono;
namespace fs = std::filesystem;

constexpr size_t kMaxLineOctets = 75;
constexpr int kMinutesPerDay = 24 * 60;
constexpr std::string_view kStandardOutputText = "la sortie standard";

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

void AppendFolded(std::string& out, std::string_view line) {
    size_t room = kMaxLineOctets;
    while (line.size() > room) {
        size_t cut = room;
        while (cut > 0 && IsUtf8Continuation(line[cut])) {
            --cut;
        }
        out.append(line.substr(0, cut > 0 ? cut : room));
        out += "\r\n ";  // the leading space counts in the next line's octets
        line.remove_prefix(cut > 0 ? cut : room);
        room = kMaxLineOctets - 1;
    }
    out.append(line);
    out += "\r\n";
}

std::string TwoDigits(long value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// A floating local date-time: "yyyymmddThhmm00"; minutes past the day's end
// fall on the next days.
std::string LocalDateTime(sys_days day, int minutes) {
    day += days(minutes / kMinutesPerDay);
    minutes %= kMinutesPerDay;
    return FormatDateKey(year_month_day{day}) + "T" + TwoDigits(minutes / 60) +
           TwoDigits(minutes % 60) + "00";
}

std::string UtcDateTime(sys_seconds time) {
    sys_days day = floor<days>(time);
    hh_mm_ss clock{time - day};
    return FormatDateKey(year_month_day{day}) + "T" + TwoDigits(clock.hours().count()) +
           TwoDigits(clock.minutes().count()) + TwoDigits(clock.seconds().count()) + "Z";
}

// What every event of one week file shares: when the file last changed, as
// LAST-MODIFIED and as a SEQUENCE that grows with each change (minutes since
// 2000), so that importers that compare revisions take the newer export.
std::string RevisionLines(const fs::path& weekFile) {
    std::error_code ec;
    auto written = fs::last_write_time(weekFile, ec);
    if (ec) {
        return {};
    }
    auto time = floor<seconds>(file_clock::to_sys(written));
    auto minutes = duration_cast<std::chrono::minutes>(time - sys_days{2000y / January / 1});
    std::string lines;
    AppendFolded(lines, "LAST-MODIFIED:" + UtcDateTime(time));
    AppendFolded(lines, "SEQUENCE:" + std::to_string(std::max<long>(0, minutes.count())));
    return lines;
}

// Slot 1..24 of `day` holding `slot`'s activity. `shared` holds DTSTAMP and the
// revision lines.
void AppendEvent(std::string& out, sys_days day, int slotNumber, const Slot& slot,
                 const std::string& shared) {
    int start = ParseTimeLabel(slot.label).value_or((slotNumber - 1) * 60);
    std::string summary = IcsText(slot.text);
    out += "BEGIN:VEVENT\r\n";
    AppendFolded(out, "UID:" + FormatDateKey(year_month_day{day}) + "-" + TwoDigits(slotNumber) +
                          "@brivonce");
    out += shared;
    AppendFolded(out, "DTSTART:" + LocalDateTime(day, start));
    AppendFolded(out, "DTEND:" + LocalDateTime(day, (start / 60 + 1) * 60));
    AppendFolded(out, "SUMMARY:" + summary);
    out += "BEGIN:VALARM\r\nACTION:DISPLAY\r\n";
    AppendFolded(out, "DESCRIPTION:" + summary);
    out += "TRIGGER:PT0S\r\nEND:VALARM\r\nEND:VEVENT\r\n";
}

bool InRange(sys_days day, const IcsRange& range) {
    return (!range.from || day >= sys_days{*range.from}) &&
           (!range.to || day <= sys_days{*range.to});
}

// The events of one week file, the days outside `range` left out.
void AppendWeek(std::string& out, const fs::path& dataFolder, const std::string& fileName,
                const IcsRange& range, const std::string& stamp) {
    sys_days monday{*WeekFileMonday(fileName)};
    bool overlaps = InRange(monday, {std::nullopt, range.to}) &&
                    InRange(monday + days(kDaysPerWeek - 1), {range.from, std::nullopt});
    if (!overlaps) {
        return;  // not even read
    }
    Week week = LoadWeek(dataFolder, year_month_day{monday});
    std::string shared = stamp + RevisionLines(dataFolder / fileName);
    for (int day = 1; day <= kDaysPerWeek; ++day) {
        sys_days date = monday + days(day - 1);
        if (!InRange(date, range)) {
            continue;
        }
        for (int slot = 1; slot <= kSlotsPerDay; ++slot) {
            if (!week.At(day, slot).text.empty()) {
                AppendEvent(out, date, slot, week.At(day, slot), shared);
            }
        }
    }
}

}  // namespace

std::string IcsText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\n' || c == '\r') {
            escaped += "\\n";
            i += c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';  // one break for CR LF
        } else {
            bool control = (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F;
            escaped += control ? ' ' : c;
        }
    }
    return escaped;
}

std::string FoldIcsLine(std::string_view line) {
    std::string out;
    AppendFolded(out, line);
    return out;
}

std::string AgendaAsIcs(const fs::path& dataFolder, const IcsRange& range, sys_seconds now) {
    std::string out =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Brivonce//Agenda//FR\r\n"
        "CALSCALE:GREGORIAN\r\n";
    std::string stamp = "DTSTAMP:" + UtcDateTime(now) + "\r\n";
    for (const std::string& fileName : ListWeekFiles(dataFolder)) {
        AppendWeek(out, dataFolder, fileName, range, stamp);
    }
    out += "END:VCALENDAR\r\n";
    return out;
}

void ExportAgendaAsIcs(const fs::path& dataFolder, const fs::path& file, const IcsRange& range,
                       sys_seconds now, std::ostream& standardOutput) {
    std::error_code ec;
    if (!fs::is_directory(dataFolder, ec)) {
        throw Error(FormatMessage(kNoDataFolder, dataFolder.string()));
    }
    std::string ics = AgendaAsIcs(dataFolder, range, now);
    if (file != kStandardOutputName) {
        ReplaceFile(file, ics, kCannotCreate);
        return;
    }
    // A full disk or a closed pipe shows only once the bytes are flushed.
    if (!(standardOutput << ics << std::flush)) {
        throw Error(FormatMessage(kCannotWrite, kStandardOutputText));
    }
}

}  // namespace brivonce
