// The agenda window driven through its controls, on a scratch data folder.
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "agenda/agenda_window.h"
#include "agenda/date_picker_dialog.h"
#include "agenda/time_dialog.h"
#include "agenda/week_store.h"
#include "app/lazy_agenda.h"
#include "app/tray_window.h"
#include "gui/gui_test_support.h"
#include "memo/main_window.h"

using namespace brivonce;
using namespace brivonce::testing;
using namespace std::chrono;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kSundayGreen(166, 249, 151);
const QColor kHolidayPink(242, 191, 241);
const QColor kTodayCyan(160, 241, 245);

// Types into whatever has the focus, as the keyboard does.
void Type(const QString& text) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    }
}

void PressLabel(DayGrid* grid, int row, Qt::MouseButton button = Qt::LeftButton) {
    QHeaderView* labels = grid->verticalHeader();
    QPoint at(10, labels->sectionViewportPosition(row - 1) + 7);
    QTest::mousePress(labels->viewport(), button, {}, at);
    QTest::mouseRelease(labels->viewport(), button, {}, at);
}

int VisibleTopRow(DayGrid* grid) {
    return grid->rowAt(0) + 1;
}

int CurrentRow(DayGrid* grid) {
    return grid->currentRow() + 1;
}

QColor ShownColour(DayGrid* grid, int row) {
    // Column 1 well to the right of the label column, in an unselected row.
    QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
    return QColor(grid->viewport()->grab().toImage().pixel(cell.left() + 150, cell.center().y()));
}

}  // namespace

class AgendaWindowTest : public QObject {
    Q_OBJECT

private:
    ScratchDataFolder m_data;
    QString Folder() const { return m_data.Folder(); }
    QString WeekFile(QDate monday) const {
        return Folder() + "/" + monday.toString("yyyyMMdd") + ".SEM";
    }
    bool HasWeekFile(QDate monday) const { return QFile::exists(WeekFile(monday)); }
    QStringList WeekLines(QDate monday) const {
        QStringList lines = QString::fromLatin1(ReadFile(WeekFile(monday))).split("\r\n");
        if (!lines.isEmpty() && lines.last().isEmpty()) {
            lines.removeLast();
        }
        return lines;
    }

    void Choose(QComboBox* box, const QString& text) {
        int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void init() { m_data.StartTest(); }

    void firstOpeningShowsTheCurrentWeekAtTheCurrentHour() {
        TestRun run(Folder());
        run.clock->now = QDateTime(QDate(2026, 12, 8), QTime(10, 15, 42));
        QCOMPARE(run.Start(), StartResult::kRunning);
        TAgend* agenda = run.windows().agenda->Agenda();
        QCOMPARE(agenda->windowTitle(), QString("Agenda"));
        agenda->DisplayWeek(agenda->DisplayedMonday());
        agenda->show();

        QCOMPARE(agenda->size(), QSize(632, 446));
        QCOMPARE(agenda->Panel1->size(), QSize(513, 401));
        QCOMPARE(agenda->DisplayedMonday(), 2026y / December / 7);
        QCOMPARE(agenda->WeekBtn->text(), QString("Semaine 50"));
        for (int day = 1; day <= 7; ++day) {
            DayGrid* grid = agenda->Grid(day);
            QCOMPARE(grid->size(), QSize(249, day <= 5 ? 129 : 65));
            QCOMPARE(grid->verticalHeader()->width(), 36);
            QCOMPARE(grid->columnWidth(0), 600);
            QCOMPARE(grid->rowHeight(23), 15 + 1);  // and the line under it
            QCOMPARE(grid->Cell(0, 1), QString("00:00"));
            QCOMPARE(grid->Cell(0, 24), QString("23:00"));
        }
        DayGrid* tuesday = agenda->StringGrid2;
        QCOMPARE(tuesday->Background(), kTodayCyan);
        QCOMPARE(ShownColour(tuesday, 13), kTodayCyan);
        QCOMPARE(VisibleTopRow(tuesday), 11);
        QCOMPARE(CurrentRow(tuesday), 11);
        QCOMPARE(tuesday->Cell(1, 0), QString::fromUtf8(" mar. 8 déc. 26  -  Imm. Concept."));
        QCOMPARE(agenda->StringGrid7->Background(), kSundayGreen);
        QCOMPARE(agenda->StringGrid1->Background(), kWhite);
        QCOMPARE(agenda->StringGrid1->currentRow(), -1);
        QCOMPARE(VisibleTopRow(agenda->StringGrid1), 8);  // the start hour, 07:00
        QCOMPARE(agenda->StringGrid1->Cell(1, 0),
                 QString::fromUtf8(" lun. 7 déc. 26  -  Ambroise"));

        // The caption clock, aligned on the next whole minute.
        QCOMPARE(agenda->windowTitle(),
                 QString::fromUtf8(" mardi 8 décembre 2026 - 10:15 - Imm. Concept."));
        QCOMPARE(agenda->Timer->interval(), 18000);
        QVERIFY(agenda->Timer->isActive());
        run.clock->now = QDateTime(QDate(2026, 12, 8), QTime(10, 16, 0));
        QVERIFY(QMetaObject::invokeMethod(agenda->Timer, "timeout"));
        QCOMPARE(agenda->windowTitle(),
                 QString::fromUtf8(" mardi 8 décembre 2026 - 10:16 - Imm. Concept."));
        QCOMPARE(agenda->Timer->interval(), 60000);
        // The grids are not refreshed by the clock.
        QCOMPARE(CurrentRow(tuesday), 11);

        // Printing needs a printer (the test run has none).
        for (const char* later : {"PrintBtn"}) {
            QVERIFY2(!agenda->findChild<QToolButton*>(later)->isEnabled(), later);
        }
        QVERIFY(agenda->ConfigBtn->isEnabled());
        QCOMPARE(agenda->ComboBox->count(), 22);
        QCOMPARE(agenda->ComboBox->itemText(21), QString("21:00"));
        QCOMPARE(agenda->ComboBox->currentText(), QString("07:00"));  // no settings file
        QCOMPARE(agenda->StartHourIndex(), 7);
    }

    void captionFollowsTheNameDayMode() {
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 3, 3), QTime(8, 5)));
        QVERIFY(agenda);
        QCOMPARE(agenda->windowTitle(), QString::fromUtf8(" mardi 3 mars 2026 - 08:05 - Guénolé"));
        agenda->SetNameDayMode(NameDayMode::kNone);
        agenda->hide();
        agenda->DisplayWeek(agenda->DisplayedMonday());
        agenda->show();
        QCOMPARE(agenda->windowTitle(), QString::fromUtf8(" mardi 3 mars 2026 - 08:05"));
        QCOMPARE(agenda->StringGrid2->Cell(1, 0), QString::fromUtf8(" mar. 3 mars 26 "));
        agenda->SetNameDayMode(NameDayMode::kCurrentDay);
        agenda->DisplayWeek(agenda->DisplayedMonday());
        QCOMPARE(agenda->StringGrid2->Cell(1, 0), QString::fromUtf8(" mar. 3 mars 26  -  Guénolé"));
        QCOMPARE(agenda->StringGrid3->Cell(1, 0), QString::fromUtf8(" mer. 4 mars 26 "));
    }

    void holidaysArePinkUnlessToday() {
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        for (NameDayMode mode : {NameDayMode::kNone, NameDayMode::kAllDays}) {
            agenda->SetNameDayMode(mode);
            agenda->DisplayWeek(2026y / July / 13);
            QCOMPARE(agenda->StringGrid2->Background(), kHolidayPink);
            QCOMPARE(ShownColour(agenda->StringGrid2, 10), kHolidayPink);
            QVERIFY(
                agenda->StringGrid2->Cell(1, 0).endsWith(QString::fromUtf8(" -  Fête nationale")));
            QCOMPARE(agenda->StringGrid1->Background(), kWhite);
            QCOMPARE(agenda->StringGrid7->Background(), kSundayGreen);
        }
        QCOMPARE(agenda->WeekBtn->text(), QString("Semaine 29"));
        // 14 July 2024 is a Sunday: holiday over Sunday.
        agenda->DisplayWeek(2024y / July / 8);
        QCOMPARE(agenda->StringGrid7->Background(), kHolidayPink);
        // Today over holiday.
        run.clock->now = QDateTime(QDate(2026, 7, 14), QTime(9, 0));
        agenda->DisplayWeek(2026y / July / 13);
        QCOMPARE(agenda->StringGrid2->Background(), kTodayCyan);
        QVERIFY(agenda->StringGrid2->Cell(1, 0).endsWith(QString::fromUtf8(" -  Fête nationale")));
        // Today over Sunday, scrolled as far as a weekend grid goes.
        run.clock->now = QDateTime(QDate(2026, 7, 19), QTime(23, 30));
        agenda->DisplayWeek(2026y / July / 13);
        QCOMPARE(agenda->StringGrid7->Background(), kTodayCyan);
        QCOMPARE(agenda->StringGrid2->Background(), kHolidayPink);
        QCOMPARE(VisibleTopRow(agenda->StringGrid7), 22);
        QCOMPARE(CurrentRow(agenda->StringGrid7), 24);
    }

    void startHour21ScrollsEveryGridAsFarAsItGoes() {
        WriteFile(Folder(), "brivonce.ini",
                  "[Options]\r\nHeure de d\xe9"
                  "but=21\r\n");
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        QCOMPARE(agenda->ComboBox->currentText(), QString("21:00"));
        QTest::mouseClick(agenda->NYBtn, Qt::LeftButton);
        for (int day = 1; day <= 7; ++day) {
            QCOMPARE(VisibleTopRow(agenda->Grid(day)), day <= 5 ? 18 : 22);
            // The grid stays filled: no empty space under its rows.
            DayGrid* grid = agenda->Grid(day);
            QVERIFY(grid->rowAt(grid->viewport()->height() - 1) >= 0);
        }
        QCOMPARE(CurrentRow(agenda->StringGrid1), 22);  // the start-hour row
        QCOMPARE(agenda->StringGrid1->Cell(0, 22), QString("21:00"));

        // A new start hour saves the week and scrolls every grid again.
        agenda->StringGrid4->SetCell(1, 20, "Cinéma");
        Choose(agenda->ComboBox, "05:00");
        QCOMPARE(agenda->StartHourIndex(), 5);
        QVERIFY(HasWeekFile(QDate(2026, 12, 14)));
        QCOMPARE(agenda->StringGrid4->Cell(1, 20), QString::fromUtf8("Cinéma"));
        for (int day = 1; day <= 7; ++day) {
            QCOMPARE(VisibleTopRow(agenda->Grid(day)), 6);
        }
    }

    void aStartHourOutsideTheListStillFillsTheGrids() {
        WriteFile(Folder(), "brivonce.ini",
                  "[Options]\r\nHeure de d\xe9"
                  "but=40\r\n");
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        QCOMPARE(agenda->ComboBox->currentIndex(), -1);
        QCOMPARE(agenda->StartHourIndex(), 40);  // written back as it was read
        QCOMPARE(VisibleTopRow(agenda->StringGrid1), 18);
        QCOMPARE(VisibleTopRow(agenda->StringGrid6), 22);
        QTest::mouseClick(agenda->NYBtn, Qt::LeftButton);
        QCOMPARE(CurrentRow(agenda->StringGrid1), 24);
    }

    void weekNumberInputIsBoundedByTheWeeksOfTheYear() {
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        auto answer = [agenda](const QString& text) {
            OnModal<QInputDialog>([text](QInputDialog* box) {
                box->setTextValue(text);
                box->accept();
            });
            QTest::mouseClick(agenda->WeekBtn, Qt::LeftButton);
        };

        OnModal<QInputDialog>([](QInputDialog* box) {
            QCOMPARE(box->windowTitle(), QString("Atteindre une semaine"));
            QCOMPARE(box->labelText(), QString::fromUtf8("Semaine numéro :"));
            QCOMPARE(box->textValue(), QString("50"));
            box->setTextValue("0");
            box->accept();
        });
        QTest::mouseClick(agenda->WeekBtn, Qt::LeftButton);
        QCOMPARE(agenda->DisplayedMonday(), 2025y / December / 29);  // week 1 of 2026
        QCOMPARE(agenda->WeekBtn->text(), QString("Semaine 1"));
        QCOMPARE(CurrentRow(agenda->StringGrid1), 8);

        // Read in the week's own year: 2026 has 53 weeks.
        answer("60");
        QCOMPARE(agenda->DisplayedMonday(), 2026y / December / 28);
        QCOMPARE(agenda->WeekBtn->text(), QString("Semaine 53"));
        answer("-4");
        QCOMPARE(agenda->DisplayedMonday(), 2026y / December / 28);
        QTest::mouseClick(agenda->NYBtn, Qt::LeftButton);
        answer("60");
        QCOMPARE(agenda->DisplayedMonday(), 2027y / December / 27);  // 2027 has 52
        QCOMPARE(agenda->WeekBtn->text(), QString("Semaine 52"));

        // Not a number: the same week, saved and shown again.
        agenda->StringGrid3->SetCell(1, 12, "Garage");
        answer("douze");
        QCOMPARE(agenda->DisplayedMonday(), 2027y / December / 27);
        QVERIFY(HasWeekFile(QDate(2027, 12, 27)));
        QCOMPARE(agenda->StringGrid3->Cell(1, 12), QString("Garage"));

        // Cancel: nothing happens, not even a save.
        agenda->StringGrid3->SetCell(1, 12, "");
        OnModal<QInputDialog>([](QInputDialog* box) { box->reject(); });
        QTest::mouseClick(agenda->WeekBtn, Qt::LeftButton);
        QVERIFY(HasWeekFile(QDate(2027, 12, 27)));
        QCOMPARE(agenda->DisplayedMonday(), 2027y / December / 27);
    }

    void movingLeavesFilesOnlyForWeeksWithActivities() {
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        QTest::mouseClick(agenda->NYBtn, Qt::LeftButton);
        QCOMPARE(agenda->DisplayedMonday(), 2026y / December / 14);
        QCOMPARE(agenda->WeekBtn->text(), QString("Semaine 51"));
        QVERIFY(!HasWeekFile(QDate(2026, 12, 7)));
        QCOMPARE(CurrentRow(agenda->StringGrid1), 8);

        // Typed text still in the cell editor goes with the week.
        DayGrid* friday = agenda->StringGrid5;
        friday->setFocus();
        agenda->SelectSlotRow(friday, 10);
        Type(QString::fromUtf8("Réveillon"));
        QVERIFY(friday->Editing());
        QTest::mouseClick(agenda->PYBtn, Qt::LeftButton);
        QCOMPARE(agenda->DisplayedMonday(), 2026y / December / 7);
        QVERIFY(HasWeekFile(QDate(2026, 12, 14)));
        QVERIFY(!HasWeekFile(QDate(2026, 12, 7)));
        QCOMPARE(WeekLines(QDate(2026, 12, 14)).size(), 336);
        QCOMPARE(WeekLines(QDate(2026, 12, 14))[4 * 48 + 9 * 2 + 1],
                 QString::fromLatin1("R\xe9veillon"));
        QCOMPARE(friday->Cell(1, 10), QString());

        // Emptied again, the week loses its file.
        QTest::mouseClick(agenda->NYBtn, Qt::LeftButton);
        QCOMPARE(friday->Cell(1, 10), QString::fromUtf8("Réveillon"));
        friday->SetCell(1, 10, "");
        QTest::mouseClick(agenda->NowBtn, Qt::LeftButton);
        QVERIFY(!HasWeekFile(QDate(2026, 12, 14)));
        QCOMPARE(agenda->DisplayedMonday(), 2026y / December / 7);
        QCOMPARE(CurrentRow(agenda->StringGrid2), 11);
    }

    void aLabelClickSetsTheAlarmTimeThenEditsTheActivity() {
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        DayGrid* wednesday = agenda->StringGrid3;

        // Cancel: the label is kept and the row is left selected.
        OnModal<THSaisie>([](THSaisie* dialog) {
            QCOMPARE(dialog->Edit->displayText(), QString("14:00"));
            QTest::mouseClick(dialog->HSpin->UpButton(), Qt::LeftButton);
            QTest::mouseClick(dialog->CancelBtn, Qt::LeftButton);
        });
        PressLabel(wednesday, 15);
        QCOMPARE(wednesday->Cell(0, 15), QString("14:00"));
        QCOMPARE(CurrentRow(wednesday), 15);
        QVERIFY(!wednesday->Editing());

        // A press on another button or on the title row opens nothing.
        PressLabel(wednesday, 16, Qt::RightButton);
        QTest::mouseClick(wednesday->horizontalHeader()->viewport(), Qt::LeftButton);
        QCOMPARE(CurrentRow(wednesday), 15);

        OnModal<THSaisie>([](THSaisie* dialog) {
            QTest::mouseClick(dialog->MSpin->UpButton(), Qt::LeftButton);
            QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
        });
        PressLabel(wednesday, 15);
        QCOMPARE(wednesday->Cell(0, 15), QString("14:01"));
        QVERIFY(wednesday->Editing());
        QVERIFY(QTest::qWaitForWindowActive(agenda));
        QVERIFY(wednesday->isAncestorOf(QApplication::focusWidget()));
        Type("Coiffeur");
        // Return ends the typing, not the agenda.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(wednesday->Cell(1, 15), QString("Coiffeur"));
        QVERIFY(agenda->isVisible());
    }

    void theRoadOfAnAlarmThroughTheAgenda() {
        TestRun run(Folder());
        run.clock->now = QDateTime(QDate(2026, 12, 7), QTime(9, 12));
        QCOMPARE(run.Start(), StartResult::kRunning);
        TAgend* agenda = run.windows().agenda->Agenda();
        OnModal<TAgend>([](TAgend* shown) {
            OnModal<THSaisie>([](THSaisie* dialog) {
                QLineEdit* edit = dialog->Edit;
                edit->setFocus();
                edit->setCursorPosition(3);
                QTest::keyClicks(edit, "30");
                QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
            });
            PressLabel(shown->StringGrid1, 15);
            QVERIFY(QTest::qWaitForWindowActive(shown));
            Type("Dentiste");
            QTest::mouseClick(shown->OKBtn, Qt::LeftButton);
        });
        TMainForm* memo = run.windows().mainForm;
        memo->Rendezvous1->trigger();  // "&Agenda..." of the memo window
        QVERIFY(!agenda->isVisible());

        QStringList lines = WeekLines(QDate(2026, 12, 7));
        QCOMPARE(lines.size(), 336);
        QCOMPARE(lines[28], QString("14:30"));
        QCOMPARE(lines[29], QString("Dentiste"));
        QCOMPARE(lines[26], QString("13:00"));
        QCOMPARE(lines[31], QString());
        Week week = LoadWeek(Folder().toStdString(), 2026y / December / 7);
        QCOMPARE(week.At(1, 15), (Slot{"14:30", "Dentiste"}));

        // The memo window refreshed its hour box as the agenda closed...
        QCOMPARE(memo->ComboBox->itemText(14), QString("14:30 - Dentiste"));
        // ...and the clock at 14:30 raises the alarm.
        run.clock->now = QDateTime(QDate(2026, 12, 7), QTime(14, 30));
        memo->Alarm()->TimerTimer();
        QCOMPARE(run.boxes->shown.size(), 1);
        QCOMPARE(run.boxes->shown[0].text, QString("14:30 - Dentiste"));
    }

    void agendaItemIsDisabledWhileTheAgendaIsOpen() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* memo = run.windows().mainForm;
        bool enabledWhileOpen = true;
        OnModal<TAgend>([&](TAgend* shown) {
            emit memo->PopupMenu1->aboutToShow();  // the tray menu opens
            enabledWhileOpen = memo->Rendezvous1->isEnabled();
            shown->reject();
        });
        memo->Rendezvous1->trigger();
        QVERIFY(!enabledWhileOpen);
        emit memo->PopupMenu1->aboutToShow();
        QVERIFY(memo->Rendezvous1->isEnabled());
    }

    void closingSavesTextStillBeingTyped() {
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        agenda->StringGrid6->setFocus();
        agenda->SelectSlotRow(agenda->StringGrid6, 22);
        Type("Marché");
        agenda->reject();  // the close box
        QVERIFY(!agenda->isVisible());
        QCOMPARE(LoadWeek(Folder().toStdString(), 2026y / December / 7).At(6, 22).text,
                 std::string("Marché"));
        // Reopening shows the week it displayed last.
        QTest::mouseClick(agenda->NYBtn, Qt::LeftButton);
        agenda->close();
        agenda->DisplayWeek(agenda->DisplayedMonday());
        QCOMPARE(agenda->DisplayedMonday(), 2026y / December / 14);
    }

    void cellsKeepOnlyWhatTheWeekFileCanHold() {
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        agenda->StringGrid2->setFocus();
        agenda->SelectSlotRow(agenda->StringGrid2, 10);
        Type(QString::fromUtf8("Cafe\u0301 \u2615"));
        agenda->reject();
        QCOMPARE(LoadWeek(Folder().toStdString(), 2026y / December / 7).At(2, 10).text,
                 std::string("Café ?"));
    }

    void longTextsCanBeReadAndListsOpenTheirOwnHeight() {
        TestRun run(Folder());
        TAgend* agenda =
            OpenAgenda(run, QDateTime(QDate(2026, 4, 6), QTime(10, 0)));  // Easter Monday
        QVERIFY(agenda);
        QString longText = "Réunion du conseil syndical, salle des fêtes, apporter les comptes";
        agenda->StringGrid3->SetCell(1, 10, longText);
        QTableWidgetItem* cell = agenda->StringGrid3->item(9, 0);
        QCOMPARE(cell->toolTip(), longText);
        QVERIFY(agenda->StringGrid3->horizontalScrollBar()->isVisible());
        QCOMPARE(agenda->StringGrid1->horizontalHeaderItem(0)->toolTip(),
                 QString::fromUtf8("lun. 6 avr. 26  -  Lundi de Pâques"));
        const std::pair<QComboBox*, int> lists[] = {{agenda->ComboBox, 7}, {agenda->ComboBox1, 23}};
        for (auto [list, rows] : lists) {
            list->showPopup();
            QCOMPARE(list->view()->viewport()->height() / list->view()->sizeHintForRow(0), rows);
            list->hidePopup();
        }
    }

    // The agenda is built the first time it is needed: until then it answers
    // from the settings and keeps what the memo window tells it.
    void anAgendaNotBuiltYetKeepsItsSettingsAndTheNameDayMode() {
        WriteFile(Folder(), "brivonce.ini",
                  "[Options]\r\nfas=0\r\nHeure de d\xe9"
                  "but=9\r\n");
        {
            TestRun run(Folder());
            QCOMPARE(run.Start(), StartResult::kRunning);
            run.windows().trayForm->SessionEnding();
        }
        QVERIFY(ReadFile(Folder() + "/brivonce.ini").contains("but=9\r\n"));
        for (bool allNames : {false, true}) {
            TestRun run(Folder());
            run.clock->now = QDateTime(QDate(2026, 3, 3), QTime(8, 5));
            QCOMPARE(run.Start(), StartResult::kRunning);
            if (allNames) {
                run.windows().mainForm->Toutes1->trigger();  // from the tray menu
            }
            TAgend* agenda = run.windows().agenda->Agenda();
            agenda->DisplayWeek(agenda->DisplayedMonday());
            QCOMPARE(
                agenda->StringGrid2->Cell(1, 0),
                QString::fromUtf8(allNames ? " mar. 3 mars 26  -  Guénolé" : " mar. 3 mars 26 "));
            QCOMPARE(agenda->StartHourIndex(), 9);
            agenda->reject();
        }
    }

    void f1OpensHelpInTheAgendaAndTheDatePicker() {
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        QTest::keyClick(agenda, Qt::Key_F1);
        OnModal<TChoixD>([](TChoixD* picker) {
            QTest::keyClick(picker, Qt::Key_F1);
            picker->reject();
        });
        QTest::mouseClick(agenda->CalendBtn, Qt::LeftButton);
        QCOMPARE(run.desktop->opened.size(), 2);
        for (const QUrl& page : run.desktop->opened) {
            QVERIFY(page.path().endsWith("help/brivonce.html"));
        }
    }

    void calendarButtonGoesToThePickedDay() {
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        agenda->StringGrid1->SetCell(1, 9, "Banque");
        OnModal<TChoixD>([](TChoixD* picker) {
            QCOMPARE(picker->Date(), QDate(2026, 12, 7));
            QTest::mouseClick(picker->CancelBtn, Qt::LeftButton);
        });
        QTest::mouseClick(agenda->CalendBtn, Qt::LeftButton);
        QVERIFY(!HasWeekFile(QDate(2026, 12, 7)));  // cancel saves nothing
        QCOMPARE(agenda->DisplayedMonday(), 2026y / December / 7);

        OnModal<TChoixD>([](TChoixD* picker) {
            picker->SetDate(QDate(2027, 1, 16));  // a Saturday
            QTest::mouseClick(picker->OKBtn, Qt::LeftButton);
        });
        QTest::mouseClick(agenda->CalendBtn, Qt::LeftButton);
        QVERIFY(HasWeekFile(QDate(2026, 12, 7)));
        QCOMPARE(agenda->DisplayedMonday(), 2027y / January / 11);
        QCOMPARE(CurrentRow(agenda->StringGrid6), 8);
        QCOMPARE(agenda->StringGrid1->currentRow(), -1);

        // In the current week the current hour stays selected instead.
        OnModal<TChoixD>([](TChoixD* picker) {
            picker->SetDate(QDate(2026, 12, 13));
            QTest::mouseClick(picker->OKBtn, Qt::LeftButton);
        });
        QTest::mouseClick(agenda->CalendBtn, Qt::LeftButton);
        QCOMPARE(agenda->StringGrid7->currentRow(), -1);
        QCOMPARE(CurrentRow(agenda->StringGrid2), 11);
        QCOMPARE(agenda->StringGrid1->Cell(1, 9), QString("Banque"));
    }

    void feastListJumpsInTheDisplayedYear() {
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        QCOMPARE(agenda->ComboBox1->count(), 379);
        QCOMPARE(agenda->ComboBox1->itemText(0), QString("Abel"));
        QCOMPARE(agenda->Label2->text(), QString::fromUtf8("Atteindre une fête :"));

        Choose(agenda->ComboBox1, QString::fromUtf8("Pâques"));
        QCOMPARE(agenda->DisplayedMonday(), 2026y / March / 30);
        QCOMPARE(CurrentRow(agenda->StringGrid7), 8);  // Sunday 5 April, top row

        agenda->StringGrid2->SetCell(1, 3, "Vaccin");
        Choose(agenda->ComboBox1, "Auguste");
        QCOMPARE(run.boxes->shown.size(), 1);
        QCOMPARE(run.boxes->shown[0].icon, MessageBoxes::Icon::Information);
        QCOMPARE(run.boxes->shown[0].text,
                 QString::fromUtf8("C'est bien triste : Auguste n'a pas de fête cette année car "
                                   "2026 n'est pas bissextile..."));
        QCOMPARE(agenda->DisplayedMonday(), 2026y / March / 30);
        QVERIFY(HasWeekFile(QDate(2026, 3, 30)));
        QCOMPARE(CurrentRow(agenda->StringGrid1), 8);

        agenda->DisplayWeek(2028y / June / 5);
        Choose(agenda->ComboBox1, "Auguste");
        QCOMPARE(run.boxes->shown.size(), 1);
        QCOMPARE(agenda->DisplayedMonday(), 2028y / February / 28);
        QCOMPARE(CurrentRow(agenda->StringGrid2), 8);

        agenda->DisplayWeek(2025y / December / 29);
        Choose(agenda->ComboBox1, "Jour de l'an");
        QCOMPARE(agenda->DisplayedMonday(), 2024y / December / 30);
        QCOMPARE(CurrentRow(agenda->StringGrid3), 8);
        QCOMPARE(agenda->StringGrid3->Background(), kHolidayPink);
    }

    void failuresAreReportedAndTheWeekStays() {
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        // A folder where the next week's file should be: it cannot be read.
        QVERIFY(QDir().mkpath(WeekFile(QDate(2026, 12, 14))));
        agenda->StringGrid1->SetCell(1, 9, "Banque");
        QTest::mouseClick(agenda->NYBtn, Qt::LeftButton);
        QCOMPARE(run.boxes->shown.size(), 1);
        QCOMPARE(run.boxes->shown[0].icon, MessageBoxes::Icon::Stop);
        QVERIFY(run.boxes->shown[0].text.contains("20261214.SEM"));
        QCOMPARE(agenda->DisplayedMonday(), 2026y / December / 7);
        QCOMPARE(agenda->StringGrid1->Cell(1, 9), QString("Banque"));
        QVERIFY(agenda->StringGrid1->isEnabled());

        // Nor can it be written: closing reports it and keeps the typed week on
        // screen; once the file can be written, closing saves it.
        agenda->DisplayWeek(2026y / December / 21);
        QVERIFY(QDir().mkpath(WeekFile(QDate(2026, 12, 21))));
        agenda->StringGrid2->SetCell(1, 9, "Courses");
        QTest::mouseClick(agenda->OKBtn, Qt::LeftButton);
        QCOMPARE(run.boxes->shown.size(), 2);
        QVERIFY(agenda->isVisible());
        QCOMPARE(agenda->StringGrid2->Cell(1, 9), QString("Courses"));
        QVERIFY(QDir().rmdir(WeekFile(QDate(2026, 12, 21))));
        agenda->reject();
        QVERIFY(!agenda->isVisible());
        QVERIFY(HasWeekFile(QDate(2026, 12, 21)));
    }

    void displayWeekTime() {
        TestRun run(Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY(agenda);
        StoreSlot(Folder().toStdString(), 2026y / December / 9, 12, "11:15", "Rendez-vous");
        QBENCHMARK {
            agenda->DisplayWeek(2026y / December / 7);
        }
        QCOMPARE(agenda->StringGrid3->Cell(1, 12), QString("Rendez-vous"));
    }
};

QTEST_MAIN(AgendaWindowTest)
#include "agenda_window_test.moc"
