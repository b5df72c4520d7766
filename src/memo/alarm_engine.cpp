#include "memo/alarm_engine.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimer>

#include "platform/desktop.h"
#include "platform/sound_player.h"
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
    RefreshPlan plan = PlanRefresh(today, ToLocalMinute(now), m_memory, m_alarmOn);
    // Kept before any box opens: the runs nested in it must see this one.
    m_memory = plan.memory;
    m_view.SetHourItems(ToStringList(plan.items), plan.selected);
    for (const DueAlarm& alarm : plan.ring) {
        Ring(alarm);
    }
    if (plan.stopSound) {
        Silence();
    }
}

// False when the week file cannot be read. The error is then shown, only once
// while its box is open even though the ticks inside it fail again.
bool AlarmEngine::ReadToday(const QDate& date, std::optional<Day>& today) {
    try {
        today = LoadDay(m_context.dataFolder, ToYmd(date));
        return true;
    } catch (const Error& error) {
        if (!m_showingReadError) {
            m_showingReadError = true;
            m_context.messageBoxes->ShowError(m_view.BoxParent(), error.what());
            m_showingReadError = false;
        }
        return false;
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
    m_context.messageBoxes->Show(m_view.BoxParent(), MessageBoxes::Icon::Information, kTitle,
                                 QString::fromStdString(alarm.boxText), QMessageBox::Ok);
    player.Stop();
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
