#include "memo/alarm_engine.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimer>
#include <utility>

#include "platform/desktop.h"
#include "platform/sound_player.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "text/error.h"
#include "text/safe_file.h"
#include "ui/app_context.h"
#include "ui/clock.h"
#include "ui/message_boxes.h"
#include "ui/qt_dates.h"

namespace brivonce {
namespace {

constexpr int kMinuteMs = 60000;

// A tick this close before a whole minute came early (the wall clock and the
// timer's clock drift apart): it waits for the minute rather than run the
// same minute twice.
constexpr int kEarlyTickMs = 1000;

int MsecsToNextMinute(const QDateTime& now) {
    QTime time = now.time();
    return kMinuteMs - (time.second() * 1000 + time.msec());
}

LocalMinute ToLocalMinute(const QDateTime& now) {
    return MakeLocalMinute(ToYmd(now.date()), now.time().hour(), now.time().minute());
}

QStringList ToStringList(const std::array<std::string, kSlotsPerDay>& items) {
    QStringList list;
    for (const std::string& item : items) {
        list.append(QString::fromStdString(item));
    }
    return list;
}

}  // namespace

AlarmEngine::AlarmEngine(AppContext& context, AlarmView& view, QObject* parent)
    : QObject(parent), m_context(context), m_view(view), m_timer(new QTimer(this)) {
    m_timer->setObjectName("Timer");
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &AlarmEngine::TimerTimer);
    // Aligned from the start: a program started in the tray rings on the
    // minute long before its memo window is ever shown.
    m_timer->start(MsecsToNextMinute(m_context.clock->Now()));
    ChooseSoundFile();
    m_reminders =
        LoadReminderSettings(IniFile(m_context.dataFolder + std::string(kSettingsFileName)));
    m_memory.snoozes = std::exchange(m_reminders.snoozes, {});
}

void AlarmEngine::SetAdvance(int minutes) {
    m_reminders.advanceMinutes = minutes;
    SaveReminders();
}

void AlarmEngine::ListMissedSinceLastRun() {
    if (m_reminders.lastRun) {
        m_memory.listMissedSince = m_reminders.lastRun;
        QTimer::singleShot(0, this, &AlarmEngine::RefreshToday);
    }
}

void AlarmEngine::TimerTimer() {
    // Re-armed before RefreshToday, which may wait minutes in an alarm box.
    int untilNextMinute = MsecsToNextMinute(m_context.clock->Now());
    m_timer->start(untilNextMinute);
    if (untilNextMinute <= kEarlyTickMs) {
        return;
    }
    RefreshToday();
}

void AlarmEngine::RefreshToday() {
    m_view.RefreshCaption();
    QDateTime now = m_context.clock->Now();
    std::optional<Day> today;
    if (!ReadToday(now.date(), today)) {
        return;  // the hour box keeps its items
    }
    RefreshPlan plan = PlanRefresh(ReadDays(now.date(), today), ToLocalMinute(now), m_memory,
                                   m_alarmOn, m_reminders.advanceMinutes);
    bool snoozesChanged = plan.memory.snoozes != m_memory.snoozes;
    // Kept before any box opens: the runs nested in it must see this one.
    m_memory = plan.memory;
    m_view.SetHourItems(ToStringList(plan.items), plan.selected);
    KeepLastRun(plan, today.has_value(), snoozesChanged);
    if (!plan.missed.empty()) {
        QStringList entries;
        for (const ListedActivity& activity : plan.missed) {
            entries.append(QString::fromStdString(EntryLine(activity)));
        }
        m_view.ShowMissed(entries);
    }
    for (const DueAlarm& alarm : plan.ring) {
        Ring(alarm);
    }
    if (plan.stopSound) {
        Silence();
    }
}

// False when the week file cannot be read.
bool AlarmEngine::ReadToday(const QDate& date, std::optional<Day>& today) {
    try {
        today = LoadDay(m_context.dataFolder, ToYmd(date));
        return true;
    } catch (const Error& error) {
        ShowErrorOnce(error);
        return false;
    }
}

// Only once while its box is open, even though the ticks inside it fail again.
void AlarmEngine::ShowErrorOnce(const Error& error) {
    if (!m_showingError) {
        m_showingError = true;
        m_context.messageBoxes->ShowError(m_view.BoxParent(), error.what());
        m_showingError = false;
    }
}

// Today as read, other days read as needed (advance warnings, missed
// minutes of other days). Another week that cannot be read has no alarm: its
// error is shown when that week becomes the current one.
DayReader AlarmEngine::ReadDays(const QDate& date, const std::optional<Day>& today) const {
    return [folder = m_context.dataFolder, todayDate = ToYmd(date),
            today](std::chrono::year_month_day day) -> std::optional<Day> {
        if (day == todayDate) {
            return today;
        }
        try {
            return LoadDay(folder, day);
        } catch (const Error&) {
            return std::nullopt;
        }
    };
}

// The last minute is stored when an activity's time passed, so that a start
// in the tray lists what passed after it, and once per run; never while the
// program has no agenda at all, which keeps a first save as it always was.
void AlarmEngine::KeepLastRun(const RefreshPlan& plan, bool todayHasFile, bool snoozesChanged) {
    bool keep = plan.activityPassed || (!m_lastRunKept && (m_reminders.lastRun || todayHasFile));
    if (keep) {
        m_reminders.lastRun = m_memory.lastRun;
        m_lastRunKept = true;
    }
    if (keep || snoozesChanged) {
        SaveReminders();
    }
}

void AlarmEngine::SaveReminders() {
    ReminderSettings settings = m_reminders;
    settings.snoozes = m_memory.snoozes;
    try {
        IniFile ini(m_context.dataFolder + std::string(kSettingsFileName));
        WriteReminderSettings(ini, settings);
        ini.Save();
    } catch (const Error& error) {
        ShowErrorOnce(error);
    }
}

void AlarmEngine::Ring(const DueAlarm& alarm) {
    SoundPlayer& player = *m_context.soundPlayer;
    if (m_view.IsShown()) {
        m_view.BringToFront();
    }
    if (player.Capable() && !player.File().isEmpty()) {
        player.Play();
    } else {
        player.Beep();
    }
    auto answer = m_context.messageBoxes->Show(m_view.BoxParent(), MessageBoxes::Icon::Information,
                                               kTitle, QString::fromStdString(alarm.boxText),
                                               QMessageBox::Ok | kSnoozeButton);
    player.Stop();
    if (answer == kSnoozeButton) {
        Postpone(alarm);
    }
}

// From the minute the user answers, as many times as asked.
void AlarmEngine::Postpone(const DueAlarm& alarm) {
    std::optional<int> delay = m_view.AskSnoozeMinutes(m_reminders.snoozeMinutes);
    if (delay) {
        m_reminders.snoozeMinutes = *delay;
        LocalMinute due = ToLocalMinute(m_context.clock->Now()) + std::chrono::minutes{*delay};
        m_memory.snoozes.push_back({due, alarm});
        SaveReminders();
    }
}

void AlarmEngine::Silence() {
    m_context.soundPlayer->Stop();
    if (m_view.IsShown()) {
        m_view.FocusMemo();
    }
}

void AlarmEngine::ChooseSoundFile() {
    QString folder = QString::fromStdString(m_context.dataFolder);
    for (const QString& name : {QStringLiteral("brivonce.wav"), QStringLiteral("default.wav")}) {
        if (QFileInfo(folder + name).isFile()) {
            m_context.soundPlayer->SetFile(folder + name);
            return;
        }
    }
    m_context.soundPlayer->SetFile(FindShippedFile("default.wav"));
}

void AlarmEngine::ChooseSound(const QString& chosenFile) {
    try {
        std::optional<std::string> sound = ReadWholeFile(chosenFile.toStdString(), kCannotOpen);
        if (sound) {
            ReplaceFile(m_context.dataFolder + "brivonce.wav", *sound, kCannotCreate);
        }
    } catch (const Error&) {
        // Like a failed copy: the previous sound stays.
    }
    ChooseSoundFile();
}

}  // namespace brivonce
