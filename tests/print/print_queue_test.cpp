// Printing as the user does, through the CUPS print queue "PDF" (cups-pdf),
// whose PDF files are read back with poppler's tools. Skipped where no such
// queue runs (./test.sh starts one).
#include <cups/cups.h>
#include <pwd.h>
#include <unistd.h>

#include <QDialog>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "activities/activity_list_windows.h"
#include "activities/past_window.h"
#include "agenda/agenda_window.h"
#include "agenda/week_store.h"
#include "app/lazy_agenda.h"
#include "gui/gui_test_support.h"
#include "memo/main_window.h"
#include "notes/notes_windows.h"
#include "notes/postit_window.h"
#include "notes/shopping_list_dialog.h"
#include "ui/print_link.h"
#include "ui/qt_dates.h"

using namespace brivonce;
using namespace brivonce::testing;

namespace {

const char* const kQueue = "PDF";

// Why the queue cannot be used; empty when it can.
QString QueueMissing() {
    if (!QPrinterInfo::availablePrinterNames().contains(kQueue)) {
        return "no print queue: CUPS is not running with the printer PDF";
    }
    for (const char* tool : {"pdftotext", "pdfinfo", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            return QString("no print queue: %1 (poppler-utils) is missing").arg(tool);
        }
    }
    return {};
}

#define REQUIRE_QUEUE()                                           \
    do {                                                          \
        if (QString missing = QueueMissing(); !missing.isEmpty()) \
            QSKIP(qPrintable(missing));                           \
    } while (false)

struct Job {
    int id = 0;
    QString title;
    ipp_jstate_t state = IPP_JSTATE_PENDING;
};

QList<Job> QueueJobs() {
    cups_job_t* jobs = nullptr;
    int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, kQueue, 0, CUPS_WHICHJOBS_ALL);
    QList<Job> result;
    for (int i = 0; i < count; ++i) {
        result.append({jobs[i].id, QString::fromUtf8(jobs[i].title), jobs[i].state});
    }
    cupsFreeJobs(count, jobs);
    return result;
}

// The jobs printed from now on, and the files cups-pdf writes for them: in
// the job user's home folder, named after the title with the job number last.
class PrintedJobs {
public:
    PrintedJobs() {
        for (const Job& job : QueueJobs()) {
            m_lastBefore = std::max(m_lastBefore, job.id);
        }
    }
    ~PrintedJobs() {
        for (const Job& job : NewJobs()) {
            if (QString file = File(job); !file.isEmpty()) {
                QFile::remove(file);
            }
        }
    }

    // Once `count` new jobs have left the queue: the new jobs, oldest first;
    // none when they have not within a minute.
    QList<Job> Finished(int count) {
        QList<Job> jobs;
        bool finished = QTest::qWaitFor(
            [&] {
                jobs = NewJobs();
                return jobs.size() >= count &&
                       std::all_of(jobs.begin(), jobs.end(),
                                   [](const Job& job) { return job.state >= IPP_JSTATE_CANCELED; });
            },
            60000);
        return finished ? jobs : QList<Job>{};
    }

    // The jobs the queue has taken since then, whatever their state.
    QList<Job> NewJobs() const {
        QList<Job> jobs;
        for (const Job& job : QueueJobs()) {
            if (job.id > m_lastBefore) {
                jobs.append(job);
            }
        }
        std::sort(jobs.begin(), jobs.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
        return jobs;
    }

    QString File(const Job& job) const {
        QDir out(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + "/PDF");
        QStringList found = out.entryList({QString("*-job_%1.pdf").arg(job.id)});
        return found.size() == 1 ? out.filePath(found.first()) : QString();
    }

private:
    int m_lastBefore = 0;
};

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PageCount(const QString& pdf) {
    auto match = QRegularExpression(R"(Pages:\s+(\d+))").match(Run("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString Text(const QString& pdf) {
    return Run("pdftotext", {"-layout", pdf, "-"});
}

// The first page at 96 dots per inch: one screen pixel per printed inch/96.
QImage PageImage(const QString& pdf) {
    QTemporaryDir dir;
    Run("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, dir.filePath("page")});
    return QImage(dir.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
}

// The mean difference, per colour channel, between `picture` and the same
// area at the page's top-left corner. Each pixel is matched with the closest
// of its neighbours on the page, which rendering may have moved by one.
double MeanDifference(const QImage& page, const QImage& picture) {
    auto distance = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    };
    if (page.width() <= picture.width() || page.height() <= picture.height()) {
        return 255;
    }
    double total = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            int closest = 3 * 255;
            for (int dy = std::max(0, y - 1); dy <= y + 1; ++dy) {
                for (int dx = std::max(0, x - 1); dx <= x + 1; ++dx) {
                    closest = std::min(closest, distance(page.pixel(dx, dy), picture.pixel(x, y)));
                }
            }
            total += closest;
        }
    }
    return total / (3.0 * picture.width() * picture.height());
}

// The inked pixels of a page: grey ones (black text smoothed) and blue ones.
struct Ink {
    int grey = 0;
    int blue = 0;
};

Ink InkOf(const QImage& page) {
    Ink ink;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            QRgb pixel = page.pixel(x, y);
            if (qBlue(pixel) - qRed(pixel) > 60) {
                ++ink.blue;
            } else if (qGray(pixel) < 160) {
                ++ink.grey;
            }
        }
    }
    return ink;
}

// Accepts the next print dialog once `choose` has set it up.
void AcceptPrintDialog(std::function<void(QDialog*)> choose) {
    OnNextModal([choose](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        choose(dialog);
        dialog->accept();
    });
}

}  // namespace

class PrintQueueTest : public QObject {
    Q_OBJECT

private:
    ScratchDataFolder m_data;
    QString Folder() const { return m_data.Folder(); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void init() { m_data.StartTest(); }

    void memoComesOutWithItsLinesInOrder() {
        REQUIRE_QUEUE();
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* form = run.windows().mainForm;
        const QStringList lines{"Première ligne", "Deuxième ligne", "", "Quatrième\tligne"};
        form->Memo->setPlainText(lines.join('\n'));
        PrintedJobs printed;
        QTest::mouseClick(form->ToolbarButton976, Qt::LeftButton);
        QList<Job> jobs = printed.Finished(1);
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs[0].title, QString("Brivonce"));
        QString text = Text(printed.File(jobs[0]));
        qsizetype at = -1;
        for (const char* expected : {"Première ligne", "Deuxième ligne", "Quatrième"}) {
            qsizetype next = text.indexOf(QString::fromUtf8(expected));
            QVERIFY2(next > at, qPrintable(text));
            at = next;
        }
        QVERIFY(run.boxes->shown.isEmpty());
    }

    void agendaCopiesAreOnePageJobsOfTheWeek() {
        REQUIRE_QUEUE();
        TestRun run(Folder());
        run.printers->names = {kQueue};
        run.clock->now = QDateTime(QDate(2026, 12, 8), QTime(10, 15));
        QCOMPARE(run.Start(), StartResult::kRunning);
        TAgend* agenda = run.windows().agenda->Agenda();
        agenda->DisplayWeek(agenda->DisplayedMonday());
        agenda->StringGrid4->SetCell(1, 12, "Dentiste");
        agenda->show();
        QVERIFY(QTest::qWaitForWindowExposed(agenda));
        QVERIFY(agenda->PrintBtn->isEnabled());
        // The week panel, without the buttons on the right and at the bottom.
        QImage week =
            agenda->grab(QRect(0, 0, 525, 414)).toImage().convertToFormat(QImage::Format_RGB32);
        PrintedJobs printed;
        AcceptPrintDialog(
            [](QDialog* dialog) { dialog->findChild<QSpinBox*>("copies")->setValue(3); });
        QTest::mouseClick(agenda->PrintBtn, Qt::LeftButton);
        QCOMPARE(agenda->size(), QSize(632, 446));
        QList<Job> jobs = printed.Finished(3);
        QCOMPARE(jobs.size(), 3);
        for (const Job& job : jobs) {
            QCOMPARE(job.title, QString("Brivonce : Agenda"));
            QString file = printed.File(job);
            QCOMPARE(PageCount(file), 1);
            // Real size: the picture is 525 × 414 pixels at 96 per inch.
            QImage page = PageImage(file);
            QVERIFY2(MeanDifference(page, week) < 6, qPrintable(file));
            QCOMPARE(page.pixel(540, 200), qRgb(255, 255, 255));
            QCOMPARE(page.pixel(200, 430), qRgb(255, 255, 255));
        }
    }

    void listSelectionComesOutAloneUnderACutTitle() {
        REQUIRE_QUEUE();
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        const QStringList all{"07/12/2026\t09:00\tDentiste", "08/12/2026\t10:00\tPiscine",
                              "09/12/2026\t11:00\tCoiffeur"};
        PrintedJobs printed;
        AcceptPrintDialog([](QDialog* dialog) {
            dialog->findChild<QRadioButton*>("printSelection")->setChecked(true);
        });
        run.context().links.print->PrintList(
            run.windows().mainForm, QString::fromUtf8("Brivonce : liste d'activités à venir"),
            QFont("arial", 10), Qt::black, all, {all[0], all[2]});
        QList<Job> jobs = printed.Finished(1);
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs[0].title, QString::fromUtf8("Brivonce : liste d'activités à "));
        QString text = Text(printed.File(jobs[0]));
        QVERIFY2(
            text.indexOf("Dentiste") >= 0 && text.indexOf("Coiffeur") > text.indexOf("Dentiste"),
            qPrintable(text));
        QVERIFY(!text.contains("Piscine"));
    }

    void listsPostitsAndTheShoppingListPrintUnderTheirTitles() {
        REQUIRE_QUEUE();
        TestRun run(Folder());
        run.printers->names = {kQueue};
        QCOMPARE(run.Start(), StartResult::kRunning);
        for (int day = 7; day <= 9; ++day) {
            const char* texts[] = {"Dentiste", "Piscine", "Coiffeur"};
            StoreSlot(Folder().toStdString(), ToYmd(QDate(2026, 12, day)), 10, "09:00",
                      texts[day - 7]);
        }
        TPast* lists = run.windows().activityLists->Past();
        lists->Fill("Brivonce : liste de toutes les activités",
                    ListAllActivities(Folder().toStdString()));
        lists->show();
        QVERIFY(QTest::qWaitForWindowExposed(lists));
        lists->ListBox->item(0)->setSelected(true);
        lists->ListBox->item(2)->setSelected(true);
        AcceptPrintDialog([](QDialog* dialog) {
            dialog->findChild<QRadioButton*>("printSelection")->setChecked(true);
        });
        PrintedJobs listed;
        QTest::mouseClick(lists->PrintBtn, Qt::LeftButton);
        QList<Job> listJobs = listed.Finished(1);
        QCOMPARE(listJobs.size(), 1);
        QCOMPARE(listJobs[0].title, QString::fromUtf8("Brivonce : liste d'activités"));
        QString listText = Text(listed.File(listJobs[0]));
        QVERIFY2(listText.contains("Coiffeur") && !listText.contains("Piscine"),
                 qPrintable(listText));
        lists->hide();

        run.windows().notes->NewPostit();
        Tpostit* note = run.windows().notes->Postits().back().get();
        note->Memo->setPlainText("Appeler Louise");
        PrintedJobs printed;
        QTest::mouseClick(note->ToolbarButton976, Qt::LeftButton);
        TCourses* courses = run.windows().notes->Courses();
        courses->show();
        QVERIFY(QTest::qWaitForWindowExposed(courses));
        AcceptPrintDialog([](QDialog*) {});
        QTest::mouseClick(courses->PrintBtn, Qt::LeftButton);
        QList<Job> jobs = printed.Finished(2);
        QCOMPARE(jobs.size(), 2);
        QCOMPARE(jobs[0].title, QString("Brivonce - Post-it 1"));
        QVERIFY(Text(printed.File(jobs[0])).contains("Appeler Louise"));
        QCOMPARE(jobs[1].title, QString("Brivonce : Courses"));
        QCOMPARE(PageCount(printed.File(jobs[1])), 1);
    }

    void everyJobPrintsInItsOwnColour() {
        REQUIRE_QUEUE();
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        PrintedJobs printed;
        // Black is the painter's own default: after blue it must still reach
        // the printer.
        for (Qt::GlobalColor colour : {Qt::black, Qt::blue, Qt::black}) {
            run.context().links.print->PrintText(kMemoJobTitle, QFont("arial", 36), colour,
                                                 {"Couleur"});
        }
        QList<Job> jobs = printed.Finished(3);
        QCOMPARE(jobs.size(), 3);
        QList<Ink> inks;
        for (const Job& job : jobs) {
            inks.append(InkOf(PageImage(printed.File(job))));
        }
        QVERIFY(inks[0].grey > 100 && inks[2].grey > 100);
        QCOMPARE(inks[0].blue, 0);
        QVERIFY(inks[1].blue > 100);
        QCOMPARE(inks[2].blue, 0);
    }

    void aQueueThatRefusesJobsEndsInTheErrorBox() {
        REQUIRE_QUEUE();
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        if (QProcess::execute("cupsreject", {kQueue}) != 0) {
            QSKIP("no print queue: cupsreject is not allowed here");
        }
        auto accept = qScopeGuard([] { QProcess::execute("cupsaccept", {kQueue}); });
        PrintedJobs printed;
        run.windows().mainForm->Imprimer1->trigger();
        QCOMPARE(run.boxes->shown.size(), 1);
        QCOMPARE(run.boxes->shown[0].icon, MessageBoxes::Icon::Stop);
        QCOMPARE(run.boxes->shown[0].text, QString("Impossible d'imprimer sur PDF."));
        QVERIFY(printed.NewJobs().isEmpty());
    }

    // Run by ctest a second time against a print server that is not there.
    void withoutPrinterThePrintEndsInTheErrorBox() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
            QSKIP("the system has printers");
        }
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        run.windows().mainForm->Imprimer1->trigger();
        QCOMPARE(run.boxes->shown.size(), 1);
        QCOMPARE(run.boxes->shown[0].icon, MessageBoxes::Icon::Stop);
        QCOMPARE(run.boxes->shown[0].text, QString::fromUtf8("Aucune imprimante n'est installée."));
    }
};

QTEST_MAIN(PrintQueueTest)
#include "print_queue_test.moc"
