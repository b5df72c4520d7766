#include "memo/reminder_settings.h"

#include <algorithm>

#include "text/dates.h"

namespace brivonce {
namespace {

using namespace std::chrono;

constexpr std::string_view kKeyDelai = "Delai";
constexpr std::string_view kKeyAvance = "Avance";
constexpr std::string_view kKeyDernier = "Dernier";
constexpr std::string_view kKeyRappel = "Rappel";  // followed by 1, 2, ...

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
    settings.snoozeMinutes =
        OneOf(ini.ReadInteger(kSectionRappels, kKeyDelai, settings.snoozeMinutes), kSnoozeChoices);
    settings.advanceMinutes = OneOf(
        ini.ReadInteger(kSectionRappels, kKeyAvance, settings.advanceMinutes), kAdvanceChoices);
    settings.lastRun = ParseMinute(ini.ReadString(kSectionRappels, kKeyDernier, ""));
    // A line break is never a value: it tells a missing key from an empty one.
    for (int n = 1;; ++n) {
        std::string key = std::string(kKeyRappel) + std::to_string(n);
        std::string value = ini.ReadString(kSectionRappels, key, "\n");
        if (value == "\n") {
            break;
        }
        if (std::optional<Snooze> snooze = ParseSnooze(value)) {
            settings.snoozes.push_back(std::move(*snooze));
        }
    }
    return settings;
}

void WriteReminderSettings(IniFile& ini, const ReminderSettings& settings) {
    const ReminderSettings defaults;
    ini.EraseSection(kSectionRappels);
    if (settings.snoozeMinutes != defaults.snoozeMinutes) {
        ini.WriteInteger(kSectionRappels, kKeyDelai, settings.snoozeMinutes);
    }
    if (settings.advanceMinutes != defaults.advanceMinutes) {
        ini.WriteInteger(kSectionRappels, kKeyAvance, settings.advanceMinutes);
    }
    if (settings.lastRun) {
        ini.WriteString(kSectionRappels, kKeyDernier, FormatMinute(*settings.lastRun));
    }
    for (size_t i = 0; i < settings.snoozes.size(); ++i) {
        ini.WriteString(kSectionRappels, std::string(kKeyRappel) + std::to_string(i + 1),
                        FormatSnooze(settings.snoozes[i]));
    }
}

}  // namespace brivonce
