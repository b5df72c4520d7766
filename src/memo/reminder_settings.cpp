#include "memo/reminder_settings.h"

#include <algorithm>

#include "settings/extra_settings.h"
#include "text/dates.h"

namespace brivonce {
namespace {

using namespace std::chrono;

constexpr ExtraSetting kSnoozeDelay{"DelaiRappel", kSnoozeChoices.front()};
constexpr ExtraSetting kAdvance{"AvanceAlarme", kAdvanceChoices.front()};
constexpr std::string_view kKeyLastRun = "DerniereMinute";
constexpr std::string_view kKeySnooze = "Rappel";  // followed by 1, 2, ...

// A line break is never a value: it tells a missing key from an empty one.
std::optional<std::string> ReadKey(const IniFile& ini, std::string_view key) {
    std::string value = ini.ReadString(kSectionExtras, key, "\n");
    return value == "\n" ? std::nullopt : std::optional(value);
}

std::string SnoozeKey(size_t n) {
    return std::string(kKeySnooze) + std::to_string(n);
}

// Leading fields up to the n-th ';', then the rest, which may hold ';'.
std::optional<std::vector<std::string_view>> SplitFields(std::string_view text, int leading) {
    std::vector<std::string_view> fields;
    for (int i = 0; i < leading; ++i) {
        size_t end = text.find(';');
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        fields.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    fields.push_back(text);
    return fields;
}

std::optional<int> SmallNumber(std::string_view text) {
    if (text.empty() || text.size() > 3 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoi(std::string(text));
}

template <size_t N>
int OneOf(int32_t value, const std::array<int, N>& choices) {
    return std::find(choices.begin(), choices.end(), value) != choices.end() ? value : choices[0];
}

}  // namespace

std::string FormatMinute(LocalMinute minute) {
    local_days day = floor<days>(minute);
    int minuteOfDay = static_cast<int>((minute - day).count());
    return FormatDateKey(year_month_day{day}) + " " +
           FormatTimeLabel(minuteOfDay / 60, minuteOfDay % 60);
}

std::optional<LocalMinute> ParseMinute(std::string_view text) {
    if (text.size() != 14 || text[8] != ' ') {
        return std::nullopt;
    }
    std::optional<year_month_day> day = ParseDateKey(text.substr(0, 8));
    std::optional<int> minuteOfDay = ParseTimeLabel(text.substr(9));
    if (!day || !minuteOfDay) {
        return std::nullopt;
    }
    return local_days{*day} + minutes{*minuteOfDay};
}

std::string FormatSnooze(const Snooze& snooze) {
    const DueAlarm& alarm = snooze.alarm;
    return FormatMinute(snooze.due) + ";" + FormatDateKey(alarm.day) + ";" +
           std::to_string(alarm.slot + 1) + ";" + std::to_string(alarm.advance) + ";" +
           alarm.activity.label + ";" + alarm.activity.text;
}

std::optional<Snooze> ParseSnooze(std::string_view text) {
    auto fields = SplitFields(text, 5);
    if (!fields) {
        return std::nullopt;
    }
    std::optional<LocalMinute> due = ParseMinute((*fields)[0]);
    std::optional<year_month_day> day = ParseDateKey((*fields)[1]);
    std::optional<int> row = SmallNumber((*fields)[2]);
    std::optional<int> advance = SmallNumber((*fields)[3]);
    Slot activity{std::string((*fields)[4]), std::string((*fields)[5])};
    if (!due || !day || !row || *row < 1 || *row > kSlotsPerDay || !advance ||
        OneOf(*advance, kAdvanceChoices) != *advance || !ParseTimeLabel(activity.label) ||
        activity.text.empty()) {
        return std::nullopt;
    }
    return Snooze{*due, MakeDueAlarm(*day, *row - 1, activity, *advance)};
}

ReminderSettings LoadReminderSettings(const IniFile& ini) {
    ReminderSettings settings;
    settings.snoozeMinutes = OneOf(ReadExtra(ini, kSnoozeDelay), kSnoozeChoices);
    settings.advanceMinutes = OneOf(ReadExtra(ini, kAdvance), kAdvanceChoices);
    settings.lastRun = ParseMinute(ReadKey(ini, kKeyLastRun).value_or(""));
    for (size_t n = 1; std::optional<std::string> value = ReadKey(ini, SnoozeKey(n)); ++n) {
        if (std::optional<Snooze> snooze = ParseSnooze(*value)) {
            settings.snoozes.push_back(std::move(*snooze));
        }
    }
    return settings;
}

void WriteReminderSettings(IniFile& ini, const ReminderSettings& settings) {
    WriteExtra(ini, kSnoozeDelay, settings.snoozeMinutes);
    WriteExtra(ini, kAdvance, settings.advanceMinutes);
    if (settings.lastRun) {
        ini.WriteString(kSectionExtras, kKeyLastRun, FormatMinute(*settings.lastRun));
    } else {
        ini.EraseKey(kSectionExtras, kKeyLastRun);
    }
    for (size_t n = 1; ReadKey(ini, SnoozeKey(n)); ++n) {
        ini.EraseKey(kSectionExtras, SnoozeKey(n));
    }
    for (size_t i = 0; i < settings.snoozes.size(); ++i) {
        ini.WriteString(kSectionExtras, SnoozeKey(i + 1), FormatSnooze(settings.snoozes[i]));
    }
}

}  // namespace brivonce
