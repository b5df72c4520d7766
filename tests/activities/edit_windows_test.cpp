// Repetition, deletion and search driven from the agenda, on a scratch data
// folder: the dialogs, the walks and what the agenda shows afterwards.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "activities/activity_edits.h"
#include "activities/delete_choice_dialog.h"
#include "activities/find_dialog.h"
#include "activities/period_dialog.h"
#include "activities/repeat_dialog.h"
#include "activities/wait_dialog.h"
#include "agenda/agenda_window.h"
#include "agenda/date_picker_dialog.h"
#include "agenda/week_store.h"
#include "gui/gui_test_support.h"
#include "memo/main_window.h"
#include "ui/spin_button.h"
#include "ui/walk_guard.h"

using namespace brivonce;
using namespace brivonce::testing;
using namespace std::chrono;

namespace {

const year_month_day kMonday = 2026y / December / 7;

// A press of `button` on slot `row`'s activity cell, scrolled into view.
void PressActivity(DayGrid* grid, int row, Qt::MouseButton button) {
    grid->SetTopRow(row);
    QPoint at = grid->visualRect(grid->model()->index(row - 1, 0)).center();
    QTest::mousePress(grid->viewport(), button, {}, at);
    QTest::mouseRelease(grid->viewport(), button, {}, at);
}

// A click that goes through the window system, as the user's does, so that a
// window blocked by a modal one does not get it.
void ClickThroughWindow(QWidget* window, QWidget* control) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(window, control->rect().center()));
}

void PickInDatePicker(QDate date) {
    OnModal<TChoixD>([date](TChoixD* picker) {
        picker->SetDate(date);
        QTest::mouseClick(picker->OKBtn, Qt::LeftButton);
    });
}

int CurrentRow(DayGrid* grid) {
    return grid->currentRow() + 1;
}

}  // namespace

class EditWindowsTest : public QObject {
    Q_OBJECT

private:
    ScratchDataFolder m_data;
    std::string Folder() const { return m_data.Folder().toStdString(); }
    // A slot written to its week file before the program starts.
    void Store(year_month_day date, int slot, const std::string& label, const std::string& text) {
        QDir().mkpath(m_data.Folder());
        StoreSlot(Folder(), date, slot, label, text);
    }
    Slot Stored(year_month_day date, int slot) const {
        return LoadWeek(Folder(), date).At(DayNumber(date), slot);
    }
    QString LastBox(TestRun& run) const {
        return run.boxes->shown.isEmpty() ? QString() : run.boxes->shown.last().text;
    }

    // The program started on Tuesday 8 December 2026, the agenda shown.
    TAgend* Open(TestRun& run) {
        return OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void init() { m_data.StartTest(); }

    void repeatFromTheAgendaThenDeleteEveryOccurrenceFromTheSearch() {
        TestRun run(m_data.Folder());
        TAgend* agenda = Open(run);
        QVERIFY(agenda);
        // Neither is saved yet: the repetition saves the week before copying.
        agenda->StringGrid1->SetCell(1, 12, "Piscine");
        agenda->StringGrid2->SetCell(1, 9, "Banque");
        OnModal<TRepet>([](TRepet* repet) {
            QCOMPARE(repet->Label1->text(), QString("07/12/2026"));
            QCOMPARE(repet->Label2->text(), QString("07/12/2026"));
            repet->CheckBox->setChecked(true);
            PickInDatePicker(QDate(2026, 12, 20));
            QTest::mouseClick(repet->ToBtn, Qt::LeftButton);
            QCOMPARE(repet->Label2->text(), QString("20/12/2026"));
            QTest::mouseClick(repet->OKBtn, Qt::LeftButton);
        });
        PressActivity(agenda->StringGrid1, 12, Qt::RightButton);

        for (sys_days day{kMonday}; day <= sys_days{2026y / December / 20}; day += days{1}) {
            QCOMPARE(Stored(day, 12), (Slot{"11:00", "Piscine"}));
        }
        QCOMPARE(Stored(2026y / December / 8, 9).text, std::string("Banque"));
        // The displayed week is read again: the copies show, the source is selected.
        QCOMPARE(agenda->StringGrid7->Cell(1, 12), QString("Piscine"));
        QCOMPARE(agenda->StringGrid2->Cell(1, 9), QString("Banque"));
        QCOMPARE(CurrentRow(agenda->StringGrid1), 12);
        QVERIFY(!run.windows().activityEdits->Wait()->isVisible());

        // The next opening keeps the choices, starts from the new source's
        // date, and Cancel changes nothing.
        OnModal<TRepet>([](TRepet* repet) {
            QVERIFY(repet->CheckBox->isChecked());
            QCOMPARE(repet->Label1->text(), QString("13/12/2026"));
            QCOMPARE(repet->Label2->text(), QString("13/12/2026"));
            QTest::mouseClick(repet->SpinButton->DownButton(), Qt::LeftButton);
            QCOMPARE(repet->Label4->text(), QString("1"));
            QTest::mouseClick(repet->CancelBtn, Qt::LeftButton);
        });
        PressActivity(agenda->StringGrid7, 12, Qt::RightButton);
        QCOMPARE(ListWeekFiles(Folder()).size(), std::size_t{2});

        OnModal<TFind>([&](TFind* find) {
            QVERIFY(!find->FindBtn->isEnabled());
            QTest::keyClicks(find->Edit, "PISC");
            QTest::mouseClick(find->FindBtn, Qt::LeftButton);
            QCOMPARE(find->FindBtn->text(), QString("Suivant"));
            QCOMPARE(agenda->DisplayedMonday(), kMonday);
            QCOMPARE(CurrentRow(agenda->StringGrid1), 12);
            QTest::mouseClick(find->FindBtn, Qt::LeftButton);
            QCOMPARE(CurrentRow(agenda->StringGrid2), 12);
            for (int match = 3; match <= 8; ++match) {
                QTest::mouseClick(find->FindBtn, Qt::LeftButton);
            }
            QCOMPARE(agenda->DisplayedMonday(), 2026y / December / 14);
            QCOMPARE(agenda->StringGrid3->Cell(1, 12), QString("Piscine"));

            QTest::mouseClick(find->ManyDelBtn, Qt::LeftButton);
            QCOMPARE(agenda->StringGrid3->Cell(1, 12), QString());
            QCOMPARE(find->FindBtn->text(), QString("Chercher"));
            QVERIFY(!find->ManyDelBtn->isEnabled());
            QTest::mouseClick(find->FindBtn, Qt::LeftButton);
            QCOMPARE(LastBox(run), QString::fromUtf8("Texte non trouvé."));
            QTest::mouseClick(find->CancelBtn, Qt::LeftButton);
        });
        QTest::mouseClick(agenda->FindBtn, Qt::LeftButton);
        // The week left with Banque keeps its file; the other one loses it.
        QCOMPARE(ListWeekFiles(Folder()), std::vector<std::string>{"20261207.SEM"});
        QCOMPARE(Stored(kMonday, 12), (Slot{"11:00", ""}));
        QCOMPARE(Stored(2026y / December / 8, 9).text, std::string("Banque"));
    }

    void refusalsAndTheDeletionChoices() {
        for (year_month_day monday : {kMonday, 2026y / December / 14, 2026y / December / 21}) {
            Store(monday, 19, "18:30", "Chorale");
        }
        TestRun run(m_data.Folder());
        TAgend* agenda = Open(run);
        QVERIFY(agenda);
        agenda->ComboBox->setFocus();
        QTest::mouseClick(agenda->RepetBtn, Qt::LeftButton);
        QCOMPARE(LastBox(run), QString::fromUtf8("Aucune activité n'est sélectionnée."));
        QCOMPARE(run.boxes->shown.last().icon, MessageBoxes::Icon::Warning);
        DayGrid* monday = agenda->StringGrid1;
        monday->setFocus();
        agenda->SelectSlotRow(monday, 9);
        QTest::mouseClick(agenda->RepetBtn, Qt::LeftButton);
        QCOMPARE(LastBox(run),
                 QString::fromUtf8("Il n'est pas possible de répéter une activité vide !"));
        QTest::keyClick(monday, Qt::Key_Delete);
        QCOMPARE(LastBox(run),
                 QString::fromUtf8("Il n'est pas possible de supprimer une activité vide !"));
        QCOMPARE(run.boxes->shown.size(), 3);

        // This occurrence alone: the row gets its default label back, and
        // typing elsewhere in the week is saved with it.
        agenda->StringGrid3->SetCell(1, 9, "Garage");
        agenda->SelectSlotRow(monday, 19);
        OnModal<TSuppr>(
            [](TSuppr* choice) { QTest::mouseClick(choice->OneDelBtn, Qt::LeftButton); });
        QTest::mouseClick(agenda->SupprBtn, Qt::LeftButton);
        QCOMPARE(monday->Cell(0, 19), QString("18:00"));
        QCOMPARE(Stored(kMonday, 19), (Slot{"18:00", ""}));
        QCOMPARE(Stored(2026y / December / 9, 9).text, std::string("Garage"));
        QCOMPARE(Stored(2026y / December / 14, 19).text, std::string("Chorale"));

        // Within a period, its dates picked the wrong way round.
        agenda->DisplayWeek(2026y / December / 14);
        monday->setFocus();
        agenda->SelectSlotRow(monday, 19);
        OnModal<TSuppr>(
            [](TSuppr* choice) { QTest::mouseClick(choice->ManyDelPerBtn, Qt::LeftButton); });
        OnModal<TPer>([](TPer* period) {
            QCOMPARE(period->Label1->text(), QString("14/12/2026"));
            PickInDatePicker(QDate(2026, 12, 20));
            QTest::mouseClick(period->FromBtn, Qt::LeftButton);
            QCOMPARE(period->Label1->text(), QString("14/12/2026"));
            QCOMPARE(period->Label2->text(), QString("20/12/2026"));
            QTest::mouseClick(period->OKBtn, Qt::LeftButton);
        });
        QTest::mouseClick(agenda->SupprBtn, Qt::LeftButton);
        QCOMPARE(monday->Cell(1, 19), QString());
        QVERIFY(!QFile::exists(
            QString::fromStdString(WeekFileName(Folder(), 2026y / December / 14).string())));
        QCOMPARE(Stored(2026y / December / 21, 19).text, std::string("Chorale"));
    }

    // The tray menu over D-Bus triggers items while a walk runs, whatever
    // window is modal: each command only brings the progress dialog forward,
    // and a save in the middle (a logout) does not write the agenda's stale
    // grid back over the week the walk has just cleaned.
    void commandsDuringAWalkOnlyBringItsDialogForward() {
        for (int week = 0; week < 30; ++week) {
            Store(sys_days{kMonday} + weeks{week}, 19, "18:00", "Réunion");
        }
        TestRun run(m_data.Folder());
        TAgend* agenda = Open(run);
        QVERIFY(agenda);
        TMainForm* memo = run.windows().mainForm;
        memo->Memo->setPlainText("Pain");
        TWait* wait = run.windows().activityEdits->Wait();
        QStringList opened;  // any window a command opened, closed at once
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != wait) {
                opened << modal->objectName();
                modal->close();
            }
        });
        bool acted = false;
        QTimer poll;
        poll.setInterval(0);
        connect(&poll, &QTimer::timeout, [&] {
            if (!WalkGuard::Active() || !Stored(kMonday, 19).text.empty()) {
                return;  // not yet past the displayed week
            }
            poll.stop();
            closer.start();
            for (QAction* item : {memo->Quitter2, memo->Effacer1, memo->Courses1, memo->Calendrier1,
                                  memo->Alarmesonore1, memo->Coller1}) {
                wait->showMinimized();
                item->trigger();
                QVERIFY2(!wait->isMinimized(), qPrintable(item->objectName()));
            }
            memo->NewBtn->click();
            memo->SaveAll();
            closer.stop();
            acted = true;
        });
        poll.start();
        agenda->StringGrid1->setFocus();
        agenda->SelectSlotRow(agenda->StringGrid1, 19);
        OnModal<TSuppr>(
            [](TSuppr* choice) { QTest::mouseClick(choice->ManyDelBtn, Qt::LeftButton); });
        QTest::mouseClick(agenda->SupprBtn, Qt::LeftButton);

        QVERIFY(acted);
        QCOMPARE(opened, QStringList());
        QCOMPARE(memo->Memo->toPlainText(), QString("Pain"));
        QVERIFY(memo->Alarmesonore1->isChecked());
        QVERIFY(memo->Alarm()->AlarmOn());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* window) { return window->isVisible(); }),
                 1);  // the agenda
        QCOMPARE(Stored(kMonday, 19), (Slot{"18:00", ""}));
        QCOMPARE(agenda->StringGrid1->Cell(1, 19), QString());
    }

    void onlyAbandonActsWhileAWalkRuns() {
        const year_month_day lastMonday = sys_days{kMonday} + weeks{39};
        for (sys_days week{kMonday}; week <= sys_days{lastMonday}; week += weeks{1}) {
            Store(week, 10, "09:00", "Gym");
        }
        TestRun run(m_data.Folder());
        TAgend* agenda = Open(run);
        QVERIFY(agenda);
        TWait* wait = run.windows().activityEdits->Wait();
        QString title;
        QTimer poll;
        poll.setInterval(0);
        connect(&poll, &QTimer::timeout, [&] {
            if (!WalkGuard::Active() || !wait->isVisible()) {
                return;
            }
            poll.stop();
            title = wait->windowTitle();
            ClickThroughWindow(agenda, agenda->NYBtn);
            QTest::mouseClick(wait->BitBtn1, Qt::LeftButton);
        });
        poll.start();
        agenda->StringGrid1->setFocus();
        agenda->SelectSlotRow(agenda->StringGrid1, 10);
        OnModal<TSuppr>(
            [](TSuppr* choice) { QTest::mouseClick(choice->ManyDelBtn, Qt::LeftButton); });
        QTest::mouseClick(agenda->SupprBtn, Qt::LeftButton);

        QCOMPARE(title, QString("Suppression en cours..."));
        QVERIFY(!WalkGuard::Active());
        QVERIFY(!wait->isVisible());
        QCOMPARE(agenda->DisplayedMonday(), kMonday);
        QCOMPARE(agenda->StringGrid1->Cell(1, 10), QString());
        QCOMPARE(Stored(lastMonday, 10).text, std::string("Gym"));  // abandoned before it
        // Once the walk is over, the same click reaches the agenda.
        ClickThroughWindow(agenda, agenda->NYBtn);
        QCOMPARE(agenda->DisplayedMonday(), 2026y / December / 14);
    }
};

QTEST_MAIN(EditWindowsTest)
#include "edit_windows_test.moc"
