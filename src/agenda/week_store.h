#pragma once

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brivonce {

inline constexpr int kDaysPerWeek = 7;
inline constexpr int kSlotsPerDay = 24;
inline constexpr int kWeekFileLines = kDaysPerWeek * kSlotsPerDay * 2;  // 336
inline constexpr std::string_view kWeekFileExtension = ".SEM";

// One hour of one day: the time its alarm is due ("hh:mm", not checked) and the
// activity (empty = no activity). UTF-8.
struct Slot {
    std::string label;
    std::string text;
    bool operator==(const Slot&) const = default;
};

// Slots 1..24 of one day, held at indices 0..23.
using Day = std::array<Slot, kSlotsPerDay>;

// Seven days (1 = Monday .. 7 = Sunday) of 24 slots. A new Week is the default
// week: every slot has its default label and no activity.
class Week {
public:
    Week();

    // Day 1..7 and slot 1..24, as the file and the agenda number them; out of
    // range raises std::out_of_range.
    Slot& At(int day, int slot) { return m_days.at(day - 1).at(slot - 1); }
    const Slot& At(int day, int slot) const { return m_days.at(day - 1).at(slot - 1); }
    Day& DayAt(int day) { return m_days.at(day - 1); }
    const Day& DayAt(int day) const { return m_days.at(day - 1); }

    // True when at least one activity text is non-empty; labels do not count.
    bool HasActivity() const;

    bool operator==(const Week&) const = default;

private:
    // Every slot empty, labels included: what a week file's missing lines give.
    struct Blank {};
    explicit Week(Blank) {}
    friend Week ParseWeek(std::string_view bytes);

    std::array<Day, kDaysPerWeek> m_days;
};

// Every slot with its default label and no activity.
Day DefaultDay();

// The Monday of the week holding `date` (weeks run Monday to Sunday).
std::chrono::year_month_day MondayOf(std::chrono::year_month_day date);

// 1 = Monday .. 7 = Sunday.
int DayNumber(std::chrono::year_month_day date);

// "00:00" for slot 1 .. "23:00" for slot 24.
std::string DefaultTimeLabel(int slot);

// The Monday of the date's week as "yyyymmdd".
std::string WeekKey(std::chrono::year_month_day date);

// The week's Monday named by a week file name such as "20261207.SEM"; nullopt for
// a name that is not eight digits of a valid Monday followed by ".SEM".
std::optional<std::chrono::year_month_day> WeekFileMonday(std::string_view fileName);

// dataFolder / (WeekKey(date) + ".SEM").
std::filesystem::path WeekFileName(const std::filesystem::path& dataFolder,
                                   std::chrono::year_month_day date);

// The week holding `date`, read from its file, or the default week when it has
// none. Lines may end with CR LF, LF or CR; lines after the 336th are ignored and
// missing lines read as empty texts (labels included). Raises Error
// ("Impossible d'ouvrir le fichier ...") when the file exists but cannot be read.
Week LoadWeek(const std::filesystem::path& dataFolder, std::chrono::year_month_day date);

// The two halves of LoadWeek, for the walks over every week file that look for
// one text: the file's bytes (Windows-1252), nullopt when the week has no file,
// raising Error as LoadWeek does; and those bytes read as a week. A walk can
// skip the reading of a file whose bytes cannot hold what it looks for.
std::optional<std::string> ReadWeekBytes(const std::filesystem::path& dataFolder,
                                         std::chrono::year_month_day date);
Week ParseWeek(std::string_view bytes);

// The 24 slots of `date`'s own day, read the same way as LoadWeek; nullopt when
// the week has no file (callers that just display can use DefaultDay()). Meant
// for the alarm engine, which re-reads today every minute.
std::optional<Day> LoadDay(const std::filesystem::path& dataFolder,
                           std::chrono::year_month_day date);

// Calls `visit(day, slot, value)` for every slot of the week holding `date`
// that has an activity, in file order, reading its file as LoadWeek does; a week
// without a file has none. Cheaper than LoadWeek for walks over many weeks
// that only want the activities. Raises Error as LoadWeek.
void ForEachActivity(const std::filesystem::path& dataFolder, std::chrono::year_month_day date,
                     const std::function<void(int day, int slot, Slot&& value)>& visit);

// Writes the week holding `date` to its file (336 lines, Windows-1252, CR LF) when
// it has an activity; otherwise deletes its file, if any, and writes nothing.
// The file is replaced safely: a failure leaves the previous file whole. A CR or
// LF inside a text is written as a space, since it would shift every following
// line of the file. Raises Error ("Impossible de créer le fichier ..." or, when the
// file cannot be deleted, "Impossible d'écrire dans ...").
void SaveWeek(const std::filesystem::path& dataFolder, std::chrono::year_month_day date,
              const Week& week);

// Puts `label` and `text` into slot 1..24 of `date`'s day in its week file, keeping
// the rest of the week, and saves the week as SaveWeek does.
void StoreSlot(const std::filesystem::path& dataFolder, std::chrono::year_month_day date, int slot,
               const std::string& label, const std::string& text);

// The names (not paths) of the ordinary files in the data folder that the program
// could have written as weeks: a valid Monday as "yyyymmdd" followed by ".SEM".
// Other files are skipped. Name order, which is the order of the Mondays. A
// missing folder has no weeks; one that cannot be listed raises Error.
std::vector<std::string> ListWeekFiles(const std::filesystem::path& dataFolder);

}  // namespace brivonce
