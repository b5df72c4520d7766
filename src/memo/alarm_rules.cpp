#include "memo/alarm_rules.h"

#include <algorithm>

namespace brivonce {
namespace {

using namespace std::chrono;

constexpr int kMinutesPerDay = 24 * 60;

// An alarm rung is remembered for a day on either side of the clock, long
// enough that setting the clock back never rings it again.
constexpr minutes kRungMemory = days{1};

int MinuteOfDay(LocalMinute moment) {
    return static_cast<int>((moment - floor<days>(moment)).count());
}

std::string WithActivity(std::string label, const std::string& text) {
    return text.empty() ? label : label + " - " + text;
}

bool AlreadyRung(const AlarmMemory& memory, const DueAlarm& alarm) {
    return std::find(memory.rung.begin(), memory.rung.end(), std::pair{alarm.due, alarm.slot}) !=
           memory.rung.end();
}

void ForgetOldAlarms(std::vector<std::pair<LocalMinute, int>>& rung, LocalMinute now) {
    std::erase_if(rung, [now](const auto& entry) { return abs(entry.first - now) >= kRungMemory; });
}

}  // namespace

LocalMinute MakeLocalMinute(year_month_day date, int hour, int minute) {
    return local_days{date} + hours{hour} + minutes{minute};
}

std::string FormatTimeLabel(int hour, int minute) {
    std::string text = "00:00";
    text[0] = static_cast<char>('0' + hour / 10);
    text[1] = static_cast<char>('0' + hour % 10);
    text[3] = static_cast<char>('0' + minute / 10);
    text[4] = static_cast<char>('0' + minute % 10);
    return text;
}

std::array<std::string, kSlotsPerDay> HourBoxItems(const std::optional<Day>& today, int hour,
                                                   int minute) {
    const Day& day = today ? *today : DefaultDay();
    std::array<std::string, kSlotsPerDay> items;
    for (int i = 0; i < kSlotsPerDay; ++i) {
        items[i] = WithActivity(day[i].label, day[i].text);
    }
    items[hour] = WithActivity(FormatTimeLabel(hour, minute), day[hour].text);
    return items;
}

std::optional<int> MatchingSlot(const Day& today, int minuteOfDay) {
    std::optional<int> first;
    for (int i = 0; i < kSlotsPerDay; ++i) {
        if (ParseTimeLabel(today[i].label) != minuteOfDay) {
            continue;
        }
        if (!today[i].text.empty()) {
            return i;
        }
        if (!first) {
            first = i;
        }
    }
    return first;
}

std::vector<DueAlarm> DueAlarms(const Day& today, LocalMinute first, LocalMinute last) {
    LocalMinute midnight = floor<days>(last);
    std::vector<DueAlarm> alarms;
    for (int i = 0; i < kSlotsPerDay; ++i) {
        std::optional<int> due = ParseTimeLabel(today[i].label);
        if (!due || today[i].text.empty()) {
            continue;
        }
        LocalMinute moment = midnight + minutes{*due};
        if (moment >= first && moment <= last) {
            alarms.push_back({i, moment, today[i].label + " - " + today[i].text});
        }
    }
    std::stable_sort(alarms.begin(), alarms.end(),
                     [](const DueAlarm& a, const DueAlarm& b) { return a.due < b.due; });
    return alarms;
}

LocalMinute FirstMinuteToCheck(std::optional<LocalMinute> lastRun, LocalMinute now) {
    if (!lastRun || *lastRun >= now) {
        return now;
    }
    LocalMinute first = *lastRun + minutes{1};
    first = std::max(first, now - minutes{kMissedMinutesChecked});
    return std::max(first, LocalMinute{floor<days>(now)});
}

RefreshPlan PlanRefresh(const std::optional<Day>& today, LocalMinute now, const AlarmMemory& memory,
                        bool alarmOn) {
    int minuteOfDay = MinuteOfDay(now);
    int hour = minuteOfDay / 60;
    int minute = minuteOfDay % 60;
    RefreshPlan plan;
    plan.items = HourBoxItems(today, hour, minute);
    plan.selected = hour;
    plan.memory = memory;
    plan.memory.lastRun = now;
    ForgetOldAlarms(plan.memory.rung, now);
    if (today) {
        plan.match = MatchingSlot(*today, minuteOfDay);
        if (plan.match) {
            plan.selected = *plan.match;
            plan.memory.lastAlarmMinute = minute;
        }
    }
    if (today && alarmOn) {
        for (DueAlarm& alarm : DueAlarms(*today, FirstMinuteToCheck(memory.lastRun, now), now)) {
            if (!AlreadyRung(plan.memory, alarm)) {
                plan.memory.rung.emplace_back(alarm.due, alarm.slot);
                plan.ring.push_back(std::move(alarm));
            }
        }
        if (!plan.ring.empty()) {
            plan.memory.lastAlarmMinute = minute;  // a late alarm is silenced a minute later too
        }
    }
    // Against the previous runs' alarm, so that the 11:00 tick silences the
    // 10:59 alarm even though its own default label matches at 11:00.
    const std::optional<int>& last = memory.lastAlarmMinute;
    plan.stopSound = alarmOn && last && minute == (*last + 1) % 60;
    return plan;
}

}  // namespace brivonce
