// "Importer un calendrier…" from the memo window's menu while the agenda
// shows a week with unsaved typing: the file dialog, the summary, and what
// the week file and the agenda hold afterwards.
#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "agenda/agenda_window.h"
#include "agenda/week_store.h"
#include "gui/gui_test_support.h"
#include "memo/main_window.h"

using namespace brivonce;
using namespace brivonce::testing;
using namespace std::chrono;

namespace {

const year_month_day kMonday = 2026y / December / 7;

const char* const kCalendar =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//test//FR\r\n"
    "BEGIN:VEVENT\r\nDTSTART:20261207T143000\r\nSUMMARY:Dentiste\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nDTSTART:20261207T111500\r\nSUMMARY:Banque\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nDTSTART:20261214T090000\r\nSUMMARY:Réunion\r\nEND:VEVENT\r\n"
    "END:VCALENDAR\r\n";

// Chooses `file` in the import's file dialog; `itemEnabled` tells whether the
// menu item could start a second import meanwhile.
void ChooseFile(TMainForm* memo, const QString& file, bool& itemEnabled) {
    OnModal<QFileDialog>([memo, file, &itemEnabled](QFileDialog* dialog) {
        emit memo->PopupMenu1->aboutToShow();
        itemEnabled = memo->Importeruncalendrier1->isEnabled();
        // Typed, as selectFile() waits for the folder to be listed.
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(file);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

}  // namespace

class CalendarImportTest : public QObject {
    Q_OBJECT

private:
    ScratchDataFolder m_data;
    QTemporaryDir m_files;

    Slot Stored(year_month_day date, int slot) const {
        return LoadWeek(m_data.Folder().toStdString(), date).At(DayNumber(date), slot);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void init() { m_data.StartTest(); }

    void importKeepsTheAgendasTypingAndShowsWhatCameIn() {
        TestRun run(m_data.Folder());
        TAgend* agenda = OpenAgenda(run, QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        QVERIFY(agenda);
        agenda->StringGrid1->SetCell(1, 12, "Piscine");  // 11:00, not saved yet
        WriteFile(m_files.path(), "agenda.ics", kCalendar);
        TMainForm* memo = run.windows().mainForm;
        bool itemEnabled = true;
        ChooseFile(memo, m_files.path() + "/agenda.ics", itemEnabled);
        memo->Importeruncalendrier1->trigger();
        QVERIFY(!itemEnabled);

        QCOMPARE(Stored(kMonday, 12), (Slot{"11:00", "Piscine"}));
        QCOMPARE(Stored(kMonday, 15), (Slot{"14:30", "Dentiste"}));
        QCOMPARE(Stored(2026y / December / 14, 10), (Slot{"09:00", "Réunion"}));
        QCOMPARE(agenda->StringGrid1->Cell(0, 15), QString("14:30"));
        QCOMPARE(agenda->StringGrid1->Cell(1, 15), QString("Dentiste"));
        QCOMPARE(agenda->StringGrid1->Cell(1, 12), QString("Piscine"));
        QCOMPARE(run.boxes->shown.size(), 1);
        QCOMPARE(run.boxes->shown.last().text,
                 QString::fromUtf8("Calendrier importé du 07/12/2026 au 07/12/2027.\n"
                                   "Activités ajoutées : 2\nDéjà présentes : 0\n"
                                   "Laissées de côté faute de créneau libre : 1\n"
                                   "Laissées de côté :\n07/12/2026 11:15 - Banque\n"));
        emit memo->PopupMenu1->aboutToShow();
        QVERIFY(memo->Importeruncalendrier1->isEnabled());
    }
};

QTEST_MAIN(CalendarImportTest)
#include "calendar_import_test.moc"
