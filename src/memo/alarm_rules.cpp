#include "memo/alarm_rules.h"

#include <algorithm>
#include <map>
#include <memory>

namespace brivonce {
namespace {

using namespace std::chrono;

// An alarm rung is remembered for a day on either side of the clock, long
// enough that setting the clock back never rings it again.
constexpr minutes kRungMemory = days{1};

int MinuteOfDay(LocalMinute moment) {
    return static_cast<int>((moment - floor<days>(moment)).count());
}

std::string WithActivity(std::string label, const std::string& text) {
    return text.empty() ? label : label + " - " + text;
}

std::tuple<LocalMinute, int, int> RungKey(const DueAlarm& alarm) {
    return {alarm.due, alarm.slot, alarm.advance};
}

bool AlreadyRung(const AlarmMemory& memory, const DueAlarm& alarm) {
    return std::find(memory.rung.begin(), memory.rung.end(), RungKey(alarm)) != memory.rung.end();
}

void ForgetOldAlarms(std::vector<std::tuple<LocalMinute, int, int>>& rung, LocalMinute now) {
    std::erase_if(
        rung, [now](const auto& entry) { return abs(std::get<0>(entry) - now) >= kRungMemory; });
}

// Each day read once per run, however many rules look at it.
DayReader Cached(const DayReader& readDay) {
    auto cache = std::make_shared<std::map<local_days, std::optional<Day>>>();
    return [readDay, cache](year_month_day date) {
        auto [entry, added] = cache->try_emplace(local_days{date});
        if (added) {
            entry->second = readDay(date);
        }
        return entry->second;
    };
}

// The minutes no run rings: those a jump of the clock beyond the catch-up
// bound skipped, or, at a start in the tray, those since the last run.
std::vector<ListedActivity> Unchecked(const DayReader& readDay, const AlarmMemory& memory,
                                      LocalMinute first, LocalMinute now) {
    std::optional<LocalMinute> after = memory.lastRun ? memory.lastRun : memory.listMissedSince;
    if (!after) {
        return {};
    }
    LocalMinute from = std::max(*after + minutes{1}, now - days{kMissedDaysListed});
    return MissedActivities(readDay, from, first - minutes{1});
}

bool StillHolds(const DayReader& readDay, const DueAlarm& alarm) {
    std::optional<Day> day = readDay(alarm.day);
    return day && (*day)[alarm.slot] == alarm.activity;
}

// Takes the snoozes due by `now` out of `snoozes`; returns those to ring.
std::vector<DueAlarm> TakeDueSnoozes(const DayReader& readDay, std::vector<Snooze>& snoozes,
                                     LocalMinute now) {
    std::vector<DueAlarm> due;
    std::vector<Snooze> waiting;
    for (Snooze& snooze : snoozes) {
        if (snooze.due > now) {
            waiting.push_back(std::move(snooze));
        } else if (snooze.due >= now - minutes{kMissedMinutesChecked} &&
                   StillHolds(readDay, snooze.alarm)) {
            due.push_back(std::move(snooze.alarm));
        }
    }
    snoozes = std::move(waiting);
    return due;
}

}  // namespace

LocalMinute MakeLocalMinute(year_month_day date, int hour, int minute) {
    return local_days{date} + hours{hour} + minutes{minute};
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

std::string DelayText(int minutes) {
    return minutes % 60 == 0 ? std::to_string(minutes / 60) + " h"
                             : std::to_string(minutes) + " min";
}

DueAlarm MakeDueAlarm(year_month_day day, int slot, const Slot& activity, int advance) {
    LocalMinute time = local_days{day} + minutes{ParseTimeLabel(activity.label).value_or(0)};
    std::string text = activity.label + " - " + activity.text;
    if (advance > 0) {
        text = "Dans " + DelayText(advance) + " : " + text;
    }
    return {slot, time - minutes{advance}, std::move(text), day, advance, activity};
}

std::vector<DueAlarm> DueAlarms(const DayReader& readDay, LocalMinute first, LocalMinute last,
                                int advance) {
    std::vector<DueAlarm> alarms;
    for (local_days date = floor<days>(first); date <= floor<days>(last + minutes{advance});
         date += days{1}) {
        std::optional<Day> day = readDay(year_month_day{date});
        for (int i = 0; day && i < kSlotsPerDay; ++i) {
            const Slot& slot = (*day)[i];
            if (!ParseTimeLabel(slot.label) || slot.text.empty()) {
                continue;
            }
            for (int before : {advance, 0}) {
                DueAlarm alarm = MakeDueAlarm(year_month_day{date}, i, slot, before);
                if (alarm.due >= first && alarm.due <= last) {
                    alarms.push_back(std::move(alarm));
                }
                if (advance == 0) {
                    break;
                }
            }
        }
    }
    std::stable_sort(alarms.begin(), alarms.end(),
                     [](const DueAlarm& a, const DueAlarm& b) { return a.due < b.due; });
    return alarms;
}

std::vector<ListedActivity> MissedActivities(const DayReader& readDay, LocalMinute first,
                                             LocalMinute last) {
    std::vector<ListedActivity> missed;
    for (const DueAlarm& alarm : DueAlarms(readDay, first, last, 0)) {
        missed.push_back({alarm.day, DayNumber(alarm.day), alarm.slot + 1, alarm.activity.label,
                          alarm.activity.text});
    }
    return missed;
}

LocalMinute FirstMinuteToCheck(std::optional<LocalMinute> lastRun, LocalMinute now) {
    if (!lastRun || *lastRun >= now) {
        return now;
    }
    return std::max(*lastRun + minutes{1}, now - minutes{kMissedMinutesChecked});
}

RefreshPlan PlanRefresh(const DayReader& readDay, LocalMinute now, const AlarmMemory& memory,
                        bool alarmOn, int advance) {
    DayReader reader = Cached(readDay);
    std::optional<Day> today = reader(year_month_day{floor<days>(now)});
    int minuteOfDay = MinuteOfDay(now);
    int hour = minuteOfDay / 60;
    int minute = minuteOfDay % 60;
    RefreshPlan plan;
    plan.items = HourBoxItems(today, hour, minute);
    plan.selected = hour;
    plan.memory = memory;
    plan.memory.lastRun = now;
    plan.memory.listMissedSince.reset();
    ForgetOldAlarms(plan.memory.rung, now);
    if (today) {
        plan.match = MatchingSlot(*today, minuteOfDay);
        if (plan.match) {
            plan.selected = *plan.match;
            plan.memory.lastAlarmMinute = minute;
        }
    }
    LocalMinute first = FirstMinuteToCheck(memory.lastRun, now);
    std::vector<DueAlarm> due = DueAlarms(reader, first, now, advance);
    std::vector<DueAlarm> snoozed = TakeDueSnoozes(reader, plan.memory.snoozes, now);
    plan.missed = Unchecked(reader, memory, first, now);
    plan.activityPassed = !plan.missed.empty() || std::any_of(due.begin(), due.end(), [](auto& a) {
        return a.advance == 0;
    });
    if (alarmOn) {
        for (DueAlarm& alarm : due) {
            if (!AlreadyRung(plan.memory, alarm)) {
                plan.memory.rung.push_back(RungKey(alarm));
                plan.ring.push_back(std::move(alarm));
            }
        }
        plan.ring.insert(plan.ring.end(), snoozed.begin(), snoozed.end());
        if (!plan.ring.empty()) {
            plan.memory.lastAlarmMinute = minute;  // a late alarm is silenced a minute later too
        }
    } else {
        plan.missed.clear();
    }
    // Against the previous runs' alarm, so that the 11:00 tick silences the
    // 10:59 alarm even though its own default label matches at 11:00.
    const std::optional<int>& last = memory.lastAlarmMinute;
    plan.stopSound = alarmOn && last && minute == (*last + 1) % 60;
    return plan;
}

}  // namespace brivonce
