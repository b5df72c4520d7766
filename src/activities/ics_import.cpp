#include "activities/ics_import.h"

#include <libical/ical.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <set>
#include <utility>

#include "agenda/time_text.h"
#include "text/cp1252.h"
#include "text/dates.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

using namespace std::chrono;

constexpr std::string_view kNoTitle = "(sans titre)";

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;

year_month_day DateOf(icaltimetype time) {
    return year{time.year} / time.month / time.day;
}

// The days an all-day event covers: DTEND is the day after the last one.
int AllDayCount(icalcomponent* event, icaltimetype start) {
    icaltimetype end = icalcomponent_get_dtend(event);
    if (icaltime_is_null_time(end)) {
        return 1;
    }
    return std::max(static_cast<int>((sys_days{DateOf(end)} - sys_days{DateOf(start)}).count()), 1);
}

// A time as the user's clock shows it.
struct LocalStart {
    year_month_day date;
    int minuteOfDay = 0;
};

// Floating times and dates are read as written; zoned times are moved to the
// machine's own zone, the one the alarms ring in.
LocalStart ToLocal(icaltimetype time) {
    LocalStart asWritten{DateOf(time), time.hour * 60 + time.minute};
    if (time.zone == nullptr || time.is_date) {
        return asWritten;
    }
    std::time_t instant = icaltime_as_timet_with_zone(time, time.zone);
    const std::tm* local = std::localtime(&instant);
    if (!local) {
        return asWritten;  // beyond what the system's clock can tell
    }
    return {year{local->tm_year + 1900} / (local->tm_mon + 1) / local->tm_mday,
            local->tm_hour * 60 + local->tm_min};
}

// Compares occurrences with exceptions (EXDATE, RECURRENCE-ID): an instant,
// or the written time for floating times and dates.
long long OccurrenceKey(icaltimetype time) {
    bool zoned = time.zone != nullptr && !time.is_date;
    return zoned ? icaltime_as_timet_with_zone(time, time.zone) : icaltime_as_timet(time);
}

int DateNumber(icaltimetype time) {
    return time.year * 10000 + time.month * 100 + time.day;
}

bool InRange(year_month_day date, const ImportRange& range) {
    return date >= range.from && date <= range.to;
}

std::string Uid(icalcomponent* event) {
    const char* uid = icalcomponent_get_uid(event);
    return uid ? uid : "";
}

// The slot named by the identifier this program's export gives an event,
// "yyyymmdd-ss@brivonce", when it is the slot of `date`.
std::optional<int> ExportedSlot(std::string_view uid, year_month_day date) {
    constexpr std::string_view kSuffix = "@brivonce";
    if (uid.size() != 11 + kSuffix.size() || !uid.ends_with(kSuffix) || uid[8] != '-' ||
        uid.substr(0, 8) != FormatDateKey(date)) {
        return std::nullopt;
    }
    char tens = uid[9];
    char units = uid[10];
    if (tens < '0' || tens > '9' || units < '0' || units > '9') {
        return std::nullopt;
    }
    int slot = (tens - '0') * 10 + (units - '0');
    return slot >= 1 && slot <= kSlotsPerDay ? std::optional(slot) : std::nullopt;
}

// At most `count` characters of UTF-8 `text`.
std::string FirstCharacters(std::string text, std::size_t count) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && count-- == 0) {
            text.resize(i);
            break;
        }
    }
    return text;
}

// The summary as an activity text: one line, storable, 255 characters at most.
std::string ActivityText(icalcomponent* event, const StorableText& storable) {
    const char* summary = icalcomponent_get_summary(event);
    std::string line;
    for (const char* c = summary ? summary : ""; *c; ++c) {
        if (*c == '\r' && c[1] == '\n') {
            continue;  // one space for CR LF
        }
        line += *c == '\r' || *c == '\n' ? ' ' : *c;
    }
    std::string text = FirstCharacters(storable(line), kMostImportedTextLength);
    return text.empty() ? std::string(kNoTitle) : text;
}

// A property's date-time in its own zone: the calendar's VTIMEZONE, or the
// zone database when the calendar has none for its TZID.
icaltimetype ZonedTime(icalproperty* property, icalcomponent* event) {
    icaltimetype time = icalproperty_get_datetime_with_component(property, event);
    icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    if (time.zone == nullptr && !time.is_date && tzid) {
        time.zone = icaltimezone_get_builtin_timezone(icalparameter_get_tzid(tzid));
    }
    return time;
}

// What an iCalendar file tells, read one event at a time.
class CalendarReader {
public:
    CalendarReader(const ImportRange& range, const StorableText& storable,
                   std::string_view fileName)
        : m_range(range), m_storable(storable), m_fileName(fileName) {}

    std::vector<ImportedActivity> Read(icalcomponent* root);

private:
    std::vector<icalcomponent*> Events(icalcomponent* root) const;
    void ReadEvent(icalcomponent* event);
    std::vector<icaltimetype> Starts(icalcomponent* event, icaltimetype start) const;
    void AddRuleStarts(icalcomponent* event, icaltimetype start,
                       std::vector<icaltimetype>& starts) const;
    bool Excluded(icalcomponent* event, icaltimetype occurrence) const;
    void AddOccurrence(icalcomponent* event, icaltimetype occurrence, int allDays,
                       const std::string& text);
    [[noreturn]] void Unreadable() const { throw Error(FormatMessage(kUnreadableIcs, m_fileName)); }

    const ImportRange& m_range;
    const StorableText& m_storable;
    std::string_view m_fileName;
    // Occurrences of repeating events that another component replaces.
    std::set<std::pair<std::string, long long>> m_replaced;
    std::vector<ImportedActivity> m_activities;
};

// The events of the one calendar, or of every calendar of a file that holds
// several.
std::vector<icalcomponent*> CalendarReader::Events(icalcomponent* root) const {
    std::vector<icalcomponent*> calendars;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root);
    } else if (icalcomponent_isa(root) == ICAL_XROOT_COMPONENT) {
        for (auto* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT)) {
            calendars.push_back(c);
        }
    }
    if (calendars.empty()) {
        throw Error(FormatMessage(kNotIcs, m_fileName));
    }
    std::vector<icalcomponent*> events;
    for (icalcomponent* calendar : calendars) {
        for (auto* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            events.push_back(e);
        }
    }
    return events;
}

std::vector<ImportedActivity> CalendarReader::Read(icalcomponent* root) {
    std::vector<icalcomponent*> events = Events(root);
    for (icalcomponent* event : events) {
        if (auto* id = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
            m_replaced.emplace(Uid(event), OccurrenceKey(ZonedTime(id, event)));
        }
    }
    for (icalcomponent* event : events) {
        ReadEvent(event);
    }
    std::stable_sort(m_activities.begin(), m_activities.end(), [](const auto& a, const auto& b) {
        return std::tie(a.date, a.allDay, a.slot, a.value.label) <
               std::tie(b.date, b.allDay, b.slot, b.value.label);
    });
    return std::move(m_activities);
}

void CalendarReader::ReadEvent(icalcomponent* event) {
    if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED) {
        return;
    }
    icalproperty* startProperty = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    icaltimetype start = startProperty ? ZonedTime(startProperty, event) : icaltime_null_time();
    if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start)) {
        Unreadable();
    }
    int allDays = start.is_date ? AllDayCount(event, start) : 0;
    std::string text = ActivityText(event, m_storable);
    for (icaltimetype occurrence : Starts(event, start)) {
        AddOccurrence(event, occurrence, allDays, text);
    }
}

// DTSTART, the RRULE and RDATE occurrences, less the EXDATE ones and those
// another component replaces, each once, in time order.
std::vector<icaltimetype> CalendarReader::Starts(icalcomponent* event, icaltimetype start) const {
    std::vector<icaltimetype> starts{start};
    AddRuleStarts(event, start, starts);
    for (auto* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        icaltimetype date = ZonedTime(p, event);
        if (icaltime_is_null_time(date)) {
            date = icalproperty_get_rdate(p).period.start;  // a period's start
            date.zone = start.zone;
        }
        starts.push_back(date);
    }
    auto byKey = [](icaltimetype a, icaltimetype b) { return OccurrenceKey(a) < OccurrenceKey(b); };
    std::stable_sort(starts.begin(), starts.end(), byKey);
    auto sameKey = [](icaltimetype a, icaltimetype b) {
        return OccurrenceKey(a) == OccurrenceKey(b);
    };
    starts.erase(std::unique(starts.begin(), starts.end(), sameKey), starts.end());
    std::erase_if(starts, [&](icaltimetype time) { return Excluded(event, time); });
    return starts;
}

// The occurrences of every RRULE up to the last day imported.
void CalendarReader::AddRuleStarts(icalcomponent* event, icaltimetype start,
                                   std::vector<icaltimetype>& starts) const {
    for (auto* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        std::unique_ptr<icalrecur_iterator, decltype(&icalrecur_iterator_free)> rule(
            icalrecur_iterator_new(icalproperty_get_rrule(p), start), &icalrecur_iterator_free);
        if (!rule) {
            continue;  // a rule libical cannot follow brings no occurrence
        }
        for (icaltimetype next = icalrecur_iterator_next(rule.get());
             !icaltime_is_null_time(next) && ToLocal(next).date <= m_range.to;
             next = icalrecur_iterator_next(rule.get())) {
            if (starts.size() == kMostOccurrences) {
                throw Error(FormatMessage(kTooManyOccurrences, m_fileName));
            }
            next.zone = start.zone;
            starts.push_back(next);
        }
    }
}

bool CalendarReader::Excluded(icalcomponent* event, icaltimetype occurrence) const {
    bool replacedOnes = !icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
    if (replacedOnes && m_replaced.contains({Uid(event), OccurrenceKey(occurrence)})) {
        return true;
    }
    for (auto* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
        icaltimetype excluded = ZonedTime(p, event);
        bool same = excluded.is_date ? DateNumber(excluded) == DateNumber(occurrence)
                                     : OccurrenceKey(excluded) == OccurrenceKey(occurrence);
        if (same) {
            return true;
        }
    }
    return false;
}

void CalendarReader::AddOccurrence(icalcomponent* event, icaltimetype occurrence, int allDays,
                                   const std::string& text) {
    LocalStart local = ToLocal(occurrence);
    if (allDays > 0) {
        for (int day = 0; day < allDays; ++day) {
            year_month_day date{sys_days{local.date} + days{day}};
            if (InRange(date, m_range)) {
                m_activities.push_back(
                    {date, kAllDaySlot, {DefaultTimeLabel(kAllDaySlot), text}, true});
            }
        }
        return;
    }
    if (!InRange(local.date, m_range)) {
        return;
    }
    int hour = local.minuteOfDay / 60;
    int slot = ExportedSlot(Uid(event), local.date).value_or(hour + 1);
    m_activities.push_back(
        {local.date, slot, {FormatTimeLabel(hour, local.minuteOfDay % 60), text}, false});
}

bool LooksLikeCalendar(std::string_view ics) {
    return ics.find("BEGIN:VCALENDAR") != std::string_view::npos;
}

enum class Placement { kImported, kAlreadyThere, kLeftOut };

// Puts one activity into its week, never over another activity.
Placement Place(Week& week, const ImportedActivity& activity) {
    int day = DayNumber(activity.date);
    int last = activity.allDay ? kSlotsPerDay : activity.slot;
    for (int slot = activity.slot; slot <= last; ++slot) {
        if (week.At(day, slot).text == activity.value.text) {
            return Placement::kAlreadyThere;
        }
    }
    for (int slot = activity.slot; slot <= last; ++slot) {
        Slot& target = week.At(day, slot);
        if (target.text.empty()) {
            target = activity.allDay ? Slot{DefaultTimeLabel(slot), activity.value.text}
                                     : activity.value;
            return Placement::kImported;
        }
    }
    return Placement::kLeftOut;
}

// "25/12/2026 09:30 - Dentiste"; an all-day event has no time.
std::string LeftOutLine(const ImportedActivity& activity) {
    std::string when = FormatShortDate(activity.date);
    if (!activity.allDay) {
        when += " " + activity.value.label;
    }
    return when + " - " + activity.value.text;
}

}  // namespace

ImportRange ResolveImportRange(std::optional<year_month_day> from, std::optional<year_month_day> to,
                               year_month_day today) {
    year_month_day first = from.value_or(today);
    year_month_day aYearOn = first + years{1};
    if (!aYearOn.ok()) {
        aYearOn = aYearOn.year() / aYearOn.month() / last;  // from 29 February
    }
    return {first, to.value_or(aYearOn)};
}

std::string PlainStorable(std::string_view text) {
    return Cp1252ToUtf8(Utf8ToCp1252(text));
}

std::vector<ImportedActivity> IcsActivities(std::string_view ics, const ImportRange& range,
                                            const StorableText& storable,
                                            std::string_view fileName) {
    ComponentPtr root(icalparser_parse_string(std::string(ics).c_str()));
    if (!root) {
        throw Error(FormatMessage(LooksLikeCalendar(ics) ? kUnreadableIcs : kNotIcs, fileName));
    }
    return CalendarReader(range, storable, fileName).Read(root.get());
}

std::vector<ImportedActivity> ReadIcsFile(const std::filesystem::path& file,
                                          const ImportRange& range, const StorableText& storable) {
    std::optional<std::string> bytes = ReadWholeFile(file, kCannotOpen);
    if (!bytes) {
        throw Error(FormatMessage(kCannotOpen, file.string()));
    }
    return IcsActivities(*bytes, range, storable, file.string());
}

std::vector<year_month_day> ImportWeeks(const std::vector<ImportedActivity>& activities) {
    std::vector<year_month_day> mondays;
    for (const ImportedActivity& activity : activities) {
        year_month_day monday = MondayOf(activity.date);
        if (mondays.empty() || mondays.back() != monday) {
            mondays.push_back(monday);
        }
    }
    return mondays;
}

ImportSummary ImportActivities(const std::filesystem::path& dataFolder,
                               const std::vector<ImportedActivity>& activities,
                               const WalkProgress& progress) {
    ImportSummary summary;
    std::size_t next = 0;  // the first activity of the week being edited
    auto place = [&](std::size_t, year_month_day monday, Week& week) {
        bool changed = false;
        for (; next < activities.size() && MondayOf(activities[next].date) == monday; ++next) {
            switch (Place(week, activities[next])) {
                case Placement::kImported:
                    ++summary.imported;
                    changed = true;
                    break;
                case Placement::kAlreadyThere:
                    ++summary.alreadyThere;
                    break;
                case Placement::kLeftOut:
                    if (summary.leftOut++ < static_cast<int>(kListedLeftOut)) {
                        summary.firstLeftOut.push_back(activities[next]);
                    }
                    break;
            }
        }
        return changed;
    };
    EditWeeks(dataFolder, ImportWeeks(activities), place, progress);
    return summary;
}

std::string ImportSummaryText(const ImportRange& range, const ImportSummary& summary) {
    std::string text = "Calendrier importé du " + FormatShortDate(range.from) + " au " +
                       FormatShortDate(range.to) + ".\n";
    text += "Activités ajoutées : " + std::to_string(summary.imported) + "\n";
    text += "Déjà présentes : " + std::to_string(summary.alreadyThere) + "\n";
    text += "Laissées de côté faute de créneau libre : " + std::to_string(summary.leftOut) + "\n";
    if (!summary.firstLeftOut.empty()) {
        text += summary.leftOut > static_cast<int>(summary.firstLeftOut.size())
                    ? "Les premières laissées de côté :\n"
                    : "Laissées de côté :\n";
        for (const ImportedActivity& activity : summary.firstLeftOut) {
            text += LeftOutLine(activity) + "\n";
        }
    }
    return text;
}

}  // namespace brivonce
