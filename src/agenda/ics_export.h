#pragma once

#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace brivonce {

// The days to export, both ends included; an end not given is open.
struct IcsRange {
    std::optional<std::chrono::year_month_day> from;
    std::optional<std::chrono::year_month_day> to;
};

// The agenda's activities in `range` as an iCalendar (RFC 5545) file: UTF-8,
// CR LF, lines folded at 75 octets. One event per activity, at its slot's date
// and time label, lasting until the next whole hour, with a display alarm at its
// start. A label that is not "hh:mm" (it never rings) gives the slot's own hour.
// Times are floating local times, as the agenda's are: the event is at 09:30
// on whatever clock the calendar shows, like the program's own alarm.
// The UID names the slot (its date and number), so exporting again after a
// change of time or text updates the event in a calendar instead of adding a
// twin. `now` is the DTSTAMP. Reads the week files only.
std::string AgendaAsIcs(const std::filesystem::path& dataFolder, const IcsRange& range,
                        std::chrono::sys_seconds now);

inline constexpr std::string_view kNoDataFolder = "Le dossier de données %s n'existe pas";

// The file name that stands for standard output, as command-line tools read it.
inline constexpr std::string_view kStandardOutputName = "-";

// Writes AgendaAsIcs to `file` through the safe replace, or to
// `standardOutput` when `file` is kStandardOutputName. Raises Error when the
// data folder does not exist (a mistyped --data-dir would give an empty
// calendar), when a week cannot be read or the output cannot be written.
void ExportAgendaAsIcs(const std::filesystem::path& dataFolder, const std::filesystem::path& file,
                       const IcsRange& range, std::chrono::sys_seconds now,
                       std::ostream& standardOutput);

// A TEXT value: "\", ";", "," and line breaks escaped, other control
// characters but the tab turned into spaces.
std::string IcsText(std::string_view text);

// One content line followed by CR LF, folded so that no line holds more than 75
// octets, never inside a UTF-8 sequence.
std::string FoldIcsLine(std::string_view line);

}  // namespace brivonce
