// The alarm engine driven by a fake clock, with a fake memo window, a fake
// sound player and week files written by the week store.
#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "agenda/week_store.h"
#include "gui/gui_test_support.h"
#include "memo/alarm_engine.h"

using namespace brivonce;
using namespace brivonce::testing;

namespace {

const QDate kMonday(2026, 12, 7);

class FakeView : public AlarmView {
public:
    void RefreshCaption() override { ++captions; }
    void SetHourItems(const QStringList& newItems, int newSelected) override {
        items = newItems;
        selected = newSelected;
    }
    bool IsShown() const override { return shown; }
    void BringToFront() override { ++raised; }
    void FocusMemo() override { ++focused; }
    QWidget* BoxParent() override { return nullptr; }
    void ShowMissed(const QStringList& entries) override { missed += entries; }
    std::optional<int> AskSnoozeMinutes(int lastChoice) override {
        snoozeOffered.append(lastChoice);
        return snoozeAnswer;
    }

    QStringList missed;
    QList<int> snoozeOffered;
    std::optional<int> snoozeAnswer;
    int captions = 0;
    QStringList items;
    int selected = -1;
    bool shown = true;
    int raised = 0;
    int focused = 0;
};

// Scripted boxes that can act while a box "is open", as the ticks of a real
// modal box's event loop would.
class BoxesWithTicks : public ScriptedMessageBoxes {
public:
    QMessageBox::StandardButton Show(QWidget* parent, Icon icon, const QString& title,
                                     const QString& text,
                                     QMessageBox::StandardButtons buttons) override {
        auto answer = ScriptedMessageBoxes::Show(parent, icon, title, text, buttons);
        if (!whileOpen.empty()) {
            auto action = whileOpen.front();
            whileOpen.pop_front();
            action();
        }
        return answer;
    }
    std::deque<std::function<void()>> whileOpen;
};

// The real message box, recorded, for the test that runs ticks inside it.
class RealBoxes : public MessageBoxes {
public:
    QMessageBox::StandardButton Show(QWidget* parent, Icon icon, const QString& title,
                                     const QString& text,
                                     QMessageBox::StandardButtons buttons) override {
        texts.append(text);
        return MessageBoxes::Show(parent, icon, title, text, buttons);
    }
    QStringList texts;
};

std::chrono::year_month_day ToDate(const QDate& date) {
    return std::chrono::year{date.year()} / date.month() / date.day();
}

}  // namespace

class AlarmEngineTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    AppContext m_context;
    FakeClock m_clock;
    BoxesWithTicks m_boxes;
    FakeSoundPlayer m_sound;
    FakeView m_view;
    std::unique_ptr<AlarmEngine> m_engine;

    QString Folder() const { return m_dir->path() + "/"; }

    void Store(const QDate& date, int slot, const char* label, const char* text) {
        StoreSlot(m_context.dataFolder, ToDate(date), slot, label, text);
    }
    void TickAt(const QDate& date, int hour, int minute, int second = 0) {
        m_clock.now = QDateTime(date, QTime(hour, minute, second));
        m_engine->TimerTimer();
    }
    void TickAt(int hour, int minute) { TickAt(kMonday, hour, minute); }
    QStringList BoxTexts() const {
        QStringList texts;
        for (const auto& box : m_boxes.shown) {
            texts.append(box.text);
        }
        return texts;
    }
    void StartEngine() {
        m_engine = std::make_unique<AlarmEngine>(m_context, m_view);
        m_engine->SetAlarmOn(true);
    }

private slots:
    void init() {
        FailOnUnexpectedWarnings();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_clock = FakeClock();
        m_boxes = BoxesWithTicks();
        m_sound = FakeSoundPlayer();
        m_view = FakeView();
        m_context = AppContext();
        m_context.dataFolder = Folder().toStdString();
        m_context.clock = &m_clock;
        m_context.messageBoxes = &m_boxes;
        m_context.soundPlayer = &m_sound;
        StartEngine();
    }
    void cleanup() { m_engine.reset(); }

    void dentisteRingsAtHalfPastAndTheNextMinuteSilencesItInsideTheBox() {
        RealBoxes boxes;
        m_context.messageBoxes = &boxes;
        Store(kMonday, 15, "14:30", "Dentiste");
        TickAt(14, 29);
        QCOMPARE(m_view.items.value(14), QString("14:29 - Dentiste"));
        QCOMPARE(m_view.selected, 14);
        QVERIFY(boxes.texts.isEmpty());

        bool checkedInside = false;
        OnNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->text(), QString("14:30 - Dentiste"));
            QCOMPARE(box->windowTitle(), QString("Brivonce"));
            QCOMPARE(box->icon(), QMessageBox::Information);
            QVERIFY(m_sound.playing);
            TickAt(14, 31);  // the timer goes on inside the box
            QVERIFY(!m_sound.playing);
            QCOMPARE(QApplication::activeModalWidget(), modal);  // the box stays
            checkedInside = true;
            box->button(QMessageBox::Ok)->click();
        });
        TickAt(14, 30);
        QVERIFY(checkedInside);
        QCOMPARE(boxes.texts, QStringList{"14:30 - Dentiste"});
        QCOMPARE(m_sound.played, QStringList{m_sound.file});
        QCOMPARE(m_view.raised, 1);
        QCOMPARE(m_view.focused, 1);  // the stop put the focus back in the memo
    }

    void aSecondAlarmInsideTheFirstBoxOpensItsOwnBox() {
        Store(kMonday, 15, "14:30", "Dentiste");
        Store(kMonday, 16, "14:31", "Pharmacie");
        TickAt(14, 29);
        m_boxes.whileOpen.push_back([this] { TickAt(14, 31); });
        TickAt(14, 30);
        QCOMPARE(BoxTexts(), (QStringList{"14:30 - Dentiste", "14:31 - Pharmacie"}));
        QCOMPARE(m_sound.played.size(), 2);
        int stops = m_sound.stops;
        TickAt(14, 32);
        QCOMPARE(m_sound.stops, stops + 1);  // the minute after the second alarm
        QCOMPARE(BoxTexts().size(), 2);
    }

    void withTheAlarmOffNothingRingsButTheSlotIsSelected() {
        m_engine->SetAlarmOn(false);
        Store(kMonday, 9, "14:30", "Dentiste");
        TickAt(14, 30);
        QCOMPARE(m_view.selected, 8);
        QCOMPARE(m_view.items.value(8), QString("14:30 - Dentiste"));
        QVERIFY(m_boxes.shown.isEmpty());
        QVERIFY(m_sound.played.isEmpty());
        QCOMPARE(m_sound.beeps, 0);
        TickAt(14, 31);
        QCOMPARE(m_sound.stops, 0);
    }

    void aDefaultLabelRingsAndALabelWithoutTextNeverDoes() {
        Store(kMonday, 15, "14:00", "Réunion");
        Store(kMonday, 17, "16:10", "");
        TickAt(14, 0);
        QCOMPARE(BoxTexts(), QStringList{"14:00 - Réunion"});
        TickAt(16, 10);
        QCOMPARE(m_view.selected, 16);
        QCOMPARE(BoxTexts().size(), 1);
        int stops = m_sound.stops;
        int focused = m_view.focused;
        TickAt(16, 11);  // the stop follows every matched minute, ringing or not
        QCOMPARE(m_sound.stops, stops + 1);
        QCOMPARE(m_view.focused, focused + 1);
    }

    void elevenOClockSilencesTheAlarmOfTenFiftyNine() {
        Store(kMonday, 11, "10:59", "Train");
        TickAt(10, 58);
        m_boxes.whileOpen.push_back([this] {
            QVERIFY(m_sound.playing);
            TickAt(11, 0);
            QVERIFY(!m_sound.playing);
        });
        TickAt(10, 59);
        QCOMPARE(BoxTexts(), QStringList{"10:59 - Train"});
    }

    void onSundayTheDaySevenOfThePreviousMondaysFileRings() {
        const QDate sunday(2026, 12, 13);
        Store(sunday, 10, "09:15", "Marché");
        Store(sunday.addDays(1), 10, "09:15", "Lundi suivant");
        QVERIFY(QFileInfo::exists(Folder() + "20261207.SEM"));
        TickAt(sunday, 9, 15);
        QCOMPARE(BoxTexts(), QStringList{"09:15 - Marché"});
    }

    void withoutASoundTheAlarmBeepsOnceAndShowsTheBox() {
        Store(kMonday, 15, "14:30", "Dentiste");
        m_sound.capable = false;
        TickAt(14, 30);
        QCOMPARE(m_sound.beeps, 1);
        QVERIFY(m_sound.played.isEmpty());
        QCOMPARE(BoxTexts(), QStringList{"14:30 - Dentiste"});

        m_sound.capable = true;
        m_sound.file.clear();
        TickAt(14, 29);
        Store(kMonday, 15, "14:32", "Dentiste");
        TickAt(14, 32);
        QCOMPARE(m_sound.beeps, 2);
        QVERIFY(m_sound.played.isEmpty());
    }

    void theSoundIsTheUsersThenTheFoldersThenTheShippedDefault() {
        QString shipped = m_sound.file;
        QVERIFY(shipped.endsWith("/default.wav"));
        QVERIFY(!shipped.startsWith(Folder()));
        WriteFile(Folder(), "default.wav", "RIFF folder");
        m_engine->ChooseSoundFile();
        QCOMPARE(m_sound.file, Folder() + "default.wav");
        WriteFile(Folder(), "brivonce.wav", "RIFF user");
        m_engine->ChooseSoundFile();
        QCOMPARE(m_sound.file, Folder() + "brivonce.wav");
    }

    void choosingASoundCopiesItAndTheNextAlarmPlaysIt() {
        QTemporaryDir elsewhere;
        WriteFile(elsewhere.path(), "cloche.wav", "RIFF cloche");
        m_engine->ChooseSound(elsewhere.path() + "/cloche.wav");
        QCOMPARE(ReadFile(Folder() + "brivonce.wav"), QByteArray("RIFF cloche"));
        QCOMPARE(m_sound.file, Folder() + "brivonce.wav");

        // Choosing the same name again replaces the sound; a vanished one keeps it.
        WriteFile(elsewhere.path(), "cloche.wav", "RIFF cloche 2");
        m_engine->ChooseSound(elsewhere.path() + "/cloche.wav");
        QCOMPARE(ReadFile(Folder() + "brivonce.wav"), QByteArray("RIFF cloche 2"));
        m_engine->ChooseSound(elsewhere.path() + "/absent.wav");
        QCOMPARE(ReadFile(Folder() + "brivonce.wav"), QByteArray("RIFF cloche 2"));
        QVERIFY(!QFileInfo::exists(Folder() + "default.wav"));

        Store(kMonday, 15, "14:30", "Dentiste");
        TickAt(14, 30);
        QCOMPARE(m_sound.played, QStringList{Folder() + "brivonce.wav"});
    }

    void aLateTickAnnouncesTheSkippedActivitiesOldestFirst() {
        Store(kMonday, 3, "14:33", "Pharmacie");
        Store(kMonday, 15, "14:31", "Dentiste");
        TickAt(14, 30);
        TickAt(14, 35);  // the machine slept five minutes
        QCOMPARE(BoxTexts(), (QStringList{"14:31 - Dentiste", "14:33 - Pharmacie"}));
        QCOMPARE(m_sound.played.size(), 2);
        int stops = m_sound.stops;
        TickAt(14, 36);
        QCOMPARE(m_sound.stops, stops + 1);
    }

    void aThreeHourGapAnnouncesOnlyTheLastHour() {
        Store(kMonday, 13, "12:30", "Déjeuner");
        Store(kMonday, 14, "13:15", "Appel");
        TickAt(11, 0);
        TickAt(14, 0);
        QCOMPARE(BoxTexts(), QStringList{"13:15 - Appel"});
        QCOMPARE(m_view.missed, QStringList{"07/12/2026\t12:30\tDéjeuner"});
    }

    void aPostponedAlarmRingsAgainAfterARestartAndTheDelayIsRemembered() {
        Store(kMonday, 15, "14:30", "Dentiste");
        TickAt(14, 29);
        m_boxes.answers.push_back(kSnoozeButton);
        m_view.snoozeAnswer = 10;
        TickAt(14, 30);
        QCOMPARE(m_view.snoozeOffered, QList<int>{5});
        QByteArray ini = ReadFile(Folder() + "brivonce.ini");
        QVERIFY(ini.contains("DelaiRappel=10\r\n"));
        QVERIFY(ini.contains("DerniereMinute=20261207 14:30\r\n"));
        QVERIFY(ini.contains("Rappel1=20261207 14:40;20261207;15;0;14:30;Dentiste\r\n"));

        StartEngine();  // quit and start again
        TickAt(14, 39);
        m_boxes.answers.push_back(kSnoozeButton);
        TickAt(14, 40);
        QCOMPARE(BoxTexts(), (QStringList{"14:30 - Dentiste", "14:30 - Dentiste"}));
        QCOMPARE(m_view.snoozeOffered, (QList<int>{5, 10}));
        StartEngine();
        Store(kMonday, 15, "14:30", "Dentiste annulé");
        TickAt(14, 50);
        QCOMPARE(BoxTexts().size(), 2);  // the activity changed: dropped
        QVERIFY(!ReadFile(Folder() + "brivonce.ini").contains("Rappel1"));
    }

    void aWarningForMondayMidnightTenRingsOnSundayFromTheNextWeeksFile() {
        Store(kMonday.addDays(7), 1, "00:10", "Train de nuit");
        m_engine->SetAdvance(30);
        TickAt(kMonday.addDays(6), 23, 39);
        TickAt(kMonday.addDays(6), 23, 40);
        QCOMPARE(BoxTexts(), QStringList{"Dans 30 min : 00:10 - Train de nuit"});
        StartEngine();
        QCOMPARE(m_engine->Advance(), 30);
    }

    void aStartInTheTrayListsWhatPassedSinceTheLastRunWithoutSound() {
        Store(kMonday, 10, "09:00", "Banque");
        Store(kMonday, 12, "11:45", "Poste");
        TickAt(8, 0);  // the first run with an agenda keeps its minute
        m_clock.now = QDateTime(kMonday, QTime(14, 29));
        StartEngine();
        m_engine->ListMissedSinceLastRun();
        QTRY_COMPARE(m_view.missed,
                     (QStringList{"07/12/2026\t09:00\tBanque", "07/12/2026\t11:45\tPoste"}));
        QVERIFY(m_boxes.shown.isEmpty());
        QVERIFY(m_sound.played.isEmpty());
        StartEngine();
        m_engine->ListMissedSinceLastRun();
        QTest::qWait(20);
        QCOMPARE(m_view.missed.size(), 2);  // listed once
    }

    void settingTheClockBackDoesNotRingTwice() {
        Store(kMonday, 15, "14:30", "Dentiste");
        TickAt(14, 29);
        TickAt(14, 30);
        TickAt(14, 45);
        TickAt(14, 20);
        for (int minute = 21; minute <= 35; ++minute) {
            TickAt(14, minute);
        }
        QCOMPARE(BoxTexts(), QStringList{"14:30 - Dentiste"});
    }

    void anUnreadableWeekKeepsTheItemsAndShowsOneErrorAtATime() {
        Store(kMonday, 15, "14:30", "Dentiste");
        TickAt(14, 29);
        QStringList before = m_view.items;
        QFile::remove(Folder() + "20261207.SEM");
        QVERIFY(QDir().mkpath(Folder() + "20261207.SEM"));
        m_boxes.whileOpen.push_back([this] { TickAt(14, 31); });
        TickAt(14, 30);
        QCOMPARE(m_view.items, before);
        QCOMPARE(m_boxes.shown.size(), 1);
        QCOMPARE(m_boxes.shown[0].icon, MessageBoxes::Icon::Stop);
        QCOMPARE(m_boxes.shown[0].text,
                 "Impossible d'ouvrir le fichier " + Folder() + "20261207.SEM.");
        QCOMPARE(m_view.captions, 3);  // the caption is refreshed all the same
        TickAt(14, 32);
        QCOMPARE(m_boxes.shown.size(), 2);  // and again at the next tick
    }

    void aHiddenWindowIsNeitherRaisedNorFocused() {
        m_view.shown = false;
        Store(kMonday, 15, "14:30", "Dentiste");
        TickAt(14, 30);
        TickAt(14, 31);
        QCOMPARE(BoxTexts().size(), 1);
        QCOMPARE(m_view.raised, 0);
        QCOMPARE(m_view.focused, 0);
    }

    // Aligned from the engine's construction, not from the memo window's
    // first showing: a program started in the tray rings on the minute.
    void theTimerTicksAtTheStartOfEachMinuteFromTheStart() {
        m_clock.now = QDateTime(kMonday, QTime(14, 29, 45, 250));
        StartEngine();
        auto* timer = m_engine->findChild<QTimer*>("Timer");
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 14750);
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);

        m_clock.now = QDateTime(kMonday, QTime(14, 30, 0, 20));
        m_engine->TimerTimer();
        QCOMPARE(timer->interval(), 59980);
        QVERIFY(timer->isActive());
        QCOMPARE(m_view.captions, 1);

        // Early by a few milliseconds: wait for the minute, do not run 14:30 twice.
        m_clock.now = QDateTime(kMonday, QTime(14, 30, 59, 970));
        m_engine->TimerTimer();
        QCOMPARE(timer->interval(), 30);
        QCOMPARE(m_view.captions, 1);
    }

    void theRealTimerDrivesTheRefresh() {
        auto* timer = m_engine->findChild<QTimer*>("Timer");
        timer->start(5);  // as if the minute were near
        QTRY_COMPARE(m_view.captions, 1);
        QCOMPARE(timer->interval(), 60000);  // the fake clock stands at a whole minute
    }
};

QTEST_MAIN(AlarmEngineTest)
#include "alarm_engine_test.moc"
