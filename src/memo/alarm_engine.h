#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "memo/alarm_rules.h"
#include "memo/reminder_settings.h"

class QDate;
class QTimer;
class QWidget;

namespace brivonce {

struct AppContext;
class Error;

// What the alarm engine asks of the memo window.
class AlarmView {
public:
    virtual ~AlarmView() = default;
    // Today's date (and name day) in the caption.
    virtual void RefreshCaption() = 0;
    // The hour box's 24 items and the one to select.
    virtual void SetHourItems(const QStringList& items, int selected) = 0;
    virtual bool IsShown() const = 0;
    // Restores the program's windows if they are minimised and raises them.
    virtual void BringToFront() = 0;
    // Puts the keyboard focus in the memo.
    virtual void FocusMemo() = 0;
    // The parent of the alarm box and of the error box.
    virtual QWidget* BoxParent() = 0;
    // Lists, once and without sound, the activities that passed unannounced.
    virtual void ShowMissed(const QStringList& entries) = 0;
    // The delay, in minutes, to postpone an alarm by, offering `lastChoice`
    // first; nullopt when the user cancels.
    virtual std::optional<int> AskSnoozeMinutes(int lastChoice) = 0;
};

// The once-a-minute refresh of today's slots and the alarms it raises. Runs
// whether the memo window is shown or not.
class AlarmEngine : public QObject {
    Q_OBJECT
public:
    // Starts the timer, its first tick at the start of the next minute, and
    // picks the alarm sound.
    AlarmEngine(AppContext& context, AlarmView& view, QObject* parent = nullptr);

    // The timer's handler; public so tests can tick a fake clock.
    void TimerTimer();

    // Caption, hour box, due alarms and the stop of the previous alarm's
    // sound. May wait in an alarm box, with ticks going on inside it.
    void RefreshToday();

    // "&Alarme sonore": off, nothing rings (the hour box is still refreshed).
    void SetAlarmOn(bool on) { m_alarmOn = on; }
    bool AlarmOn() const { return m_alarmOn; }

    // Each activity also rings `minutes` before its time (0: only at its time).
    void SetAdvance(int minutes);
    int Advance() const { return m_reminders.advanceMinutes; }

    // At a start in the tray: lists at once the activities whose time passed
    // since the program last ran.
    void ListMissedSinceLastRun();

    // The sound the alarm plays: the user's brivonce.wav in the data folder,
    // else default.wav there, else the default.wav shipped with the program.
    void ChooseSoundFile();

    // Makes `chosenFile` the user's sound by copying it to brivonce.wav in the
    // data folder. A copy that fails keeps the previous sound.
    void ChooseSound(const QString& chosenFile);

private:
    bool ReadToday(const QDate& date, std::optional<Day>& today);
    DayReader ReadDays(const QDate& date, const std::optional<Day>& today) const;
    void Ring(const DueAlarm& alarm);
    void Postpone(const DueAlarm& alarm);
    void KeepLastRun(const RefreshPlan& plan, bool todayHasFile, bool snoozesChanged);
    void SaveReminders();
    void ShowErrorOnce(const Error& error);
    void Silence();

    AppContext& m_context;
    AlarmView& m_view;
    QTimer* m_timer;
    bool m_alarmOn = false;
    bool m_showingError = false;
    bool m_lastRunKept = false;  // this run has stored its last minute
    AlarmMemory m_memory;
    // What brivonce.ini keeps of the alarm; its snoozes live in m_memory.
    ReminderSettings m_reminders;
};

}  // namespace brivonce
