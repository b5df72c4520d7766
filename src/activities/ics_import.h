#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "activities/week_walk.h"
#include "agenda/week_store.h"

namespace brivonce {

// The days to import, both ends included.
struct ImportRange {
    std::chrono::year_month_day from;
    std::chrono::year_month_day to;
};

// The ends the user left open: from today, and to a year after the first day.
ImportRange ResolveImportRange(std::optional<std::chrono::year_month_day> from,
                               std::optional<std::chrono::year_month_day> to,
                               std::chrono::year_month_day today);

// One day of one event an iCalendar file brings, as the week file will hold it.
// A timed event goes to the slot of its local start hour, labelled with its
// start time. An all-day event rings in the morning: it takes the first free
// slot from 08:00 on, with that slot's own label, on each day it covers.
struct ImportedActivity {
    std::chrono::year_month_day date;
    int slot = 1;  // 1..24; for an all-day event the first slot it may take
    Slot value;
    bool allDay = false;
    bool operator==(const ImportedActivity&) const = default;
};

inline constexpr int kAllDaySlot = 9;  // 08:00

// Makes a summary (UTF-8) storable in the Windows-1252 week files.
using StorableText = std::function<std::string(std::string_view)>;

// Characters Windows-1252 lacks become "?": the rule when no better one is
// given.
std::string PlainStorable(std::string_view text);

inline constexpr std::size_t kMostImportedTextLength = 255;
inline constexpr std::string_view kNotIcs = "Le fichier %s n'est pas un calendrier iCalendar";
inline constexpr std::string_view kUnreadableIcs = "Le calendrier %s est incomplet ou illisible";
inline constexpr std::string_view kTooManyOccurrences =
    "Le calendrier %s répète un événement trop souvent pour l'agenda";
// More occurrences of one event than that is no calendar a person keeps (an
// event every minute, every second) and would fill the memory.
inline constexpr std::size_t kMostOccurrences = 200000;

// Every event of an iCalendar (RFC 5545) text, and every occurrence of a
// repeating one (RRULE, RDATE, EXDATE, changed or cancelled occurrences),
// whose local day falls in `range`, in the order they are placed: by day,
// timed events by start time, then all-day events. Times with a time zone are
// turned into the machine's local time; floating times are taken as they
// are. The summary (made `storable`, line breaks as spaces, at most 255
// characters) is the text. An event exported by this program goes back to
// the slot its identifier names. Raises Error (kNotIcs, kUnreadableIcs,
// kTooManyOccurrences, with `fileName`) for a text that is not a whole
// calendar, holds an event without a readable start, or repeats an event more
// than kMostOccurrences times up to the range's end.
std::vector<ImportedActivity> IcsActivities(std::string_view ics, const ImportRange& range,
                                            const StorableText& storable,
                                            std::string_view fileName);

// IcsActivities of a file's content. Raises Error (kCannotOpen) when it
// cannot be read.
std::vector<ImportedActivity> ReadIcsFile(const std::filesystem::path& file,
                                          const ImportRange& range, const StorableText& storable);

// What an import did.
struct ImportSummary {
    int imported = 0;
    int alreadyThere = 0;  // the same text was in the slot
    int leftOut = 0;       // no free slot
    std::vector<ImportedActivity> firstLeftOut;
    bool operator==(const ImportSummary&) const = default;
};

inline constexpr std::size_t kListedLeftOut = 5;

// The Mondays of the weeks `activities` (in IcsActivities order) fall in.
std::vector<std::chrono::year_month_day> ImportWeeks(
    const std::vector<ImportedActivity>& activities);

// Puts `activities` (in IcsActivities order) into their week files. A slot
// holding an activity is never overwritten: the same text there counts as
// already imported, another one leaves the activity out. Each week file is
// written once; see EditWeeks for progress, abort and failures.
ImportSummary ImportActivities(const std::filesystem::path& dataFolder,
                               const std::vector<ImportedActivity>& activities,
                               const WalkProgress& progress);

// The summary as the user reads it, in French, one fact per line.
std::string ImportSummaryText(const ImportRange& range, const ImportSummary& summary);

}  // namespace brivonce
