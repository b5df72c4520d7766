// The lists window and the week file clean-up, reached as the memo window and
// the agenda reach them, on a scratch data folder.
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "activities/activity_list_windows.h"
#include "activities/past_window.h"
#include "activities/week_cleanup_dialog.h"
#include "agenda/agenda_window.h"
#include "agenda/week_store.h"
#include "app/lazy_agenda.h"
#include "gui/gui_test_support.h"
#include "memo/main_window.h"
#include "ui/activity_lists_link.h"

using namespace brivonce;
using namespace brivonce::testing;
using namespace std::chrono;

namespace {

// Wednesday 14 January 1998, in the afternoon.
const QDateTime kNow(QDate(1998, 1, 14), QTime(15, 10));

QStringList Texts(const QListWidget* list, bool selectedOnly = false) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        if (!selectedOnly || list->item(row)->isSelected()) {
            texts.append(list->item(row)->text());
        }
    }
    return texts;
}

// Qt 6's mouseDClick sends the second press only.
void DoubleClick(QListWidget* list, int row) {
    QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class ActivityWindowsTest : public QObject {
    Q_OBJECT

private:
    ScratchDataFolder m_data;
    std::string Folder() const { return m_data.Folder().toStdString(); }
    bool HasWeek(year_month_day monday) const {
        return std::filesystem::exists(WeekFileName(Folder(), monday));
    }
    void Put(year_month_day date, int row, const std::string& text) {
        std::filesystem::create_directories(Folder());
        StoreSlot(Folder(), date, row, DefaultTimeLabel(row), text);
    }
    // A run at kNow whose memo window showed at start-up.
    std::unique_ptr<TestRun> Started() {
        auto run = std::make_unique<TestRun>(m_data.Folder());
        run->clock->now = kNow;
        if (run->Start() != StartResult::kRunning) {
            return nullptr;
        }
        return run;
    }

    // The same with the memo window left hidden: no start-up list.
    std::unique_ptr<TestRun> StartedHidden() {
        WriteFile(m_data.Folder(), "brivonce.ini", "[Config]\r\nShowOnStart=0\r\n");
        return Started();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void init() { m_data.StartTest(); }

    void startUpListShowsOnlyWhenAnActivityIsPast() {
        Put(1998y / January / 14, 16, "plus tard");  // 15:00 is not over at 15:10
        {
            auto run = Started();
            QVERIFY(run);
            // The list was found empty: its window was not even built, and
            // nothing was said.
            for (QWidget* window : QApplication::topLevelWidgets()) {
                QVERIFY(!qobject_cast<TPast*>(window));
            }
            QVERIFY(run->boxes->shown.isEmpty());
        }
        Put(1998y / January / 13, 9, "hier");
        QString title;
        QStringList lines;
        OnModal<TPast>([&](TPast* past) {
            title = past->windowTitle();
            lines = Texts(past->ListBox);
            QCOMPARE(past->size(), QSize(592, 313));
            past->OKBtn->click();
        });
        auto run = Started();
        QVERIFY(run);
        QCOMPARE(title, QString::fromUtf8("Brivonce : liste des activités passées"));
        QCOMPARE(lines, QStringList{"13/01/1998\t08:00\thier"});
    }

    void selectAllAndDeleteEmptiesTheListAndTheFiles() {
        Put(1998y / January / 19, 10, "semaine prochaine");
        Put(1998y / January / 16, 11, "vendredi");  // later this week: not past
        Put(1998y / January / 16, 12, "et encore");
        WriteFile(m_data.Folder(), "brivonce.ini",
                  "[PolicePast]\r\nnom=Courier\r\ntaille=12\r\ncouleur=255\r\n");
        auto run = Started();
        QVERIFY(run);
        QCOMPARE(run->context().links.activityLists->ListFont().size, 12);  // for SaveAll
        // The lists window is built later, with the font read at start-up.
        WriteFile(m_data.Folder(), "brivonce.ini", "[PolicePast]\r\ncouleur=0\r\n");
        QCOMPARE(run->windows().activityLists->Past()->ListColour(), QColor(255, 0, 0));

        OnModal<TPast>([&](TPast* past) {
            QCOMPARE(past->windowTitle(),
                     QString::fromUtf8("Brivonce : liste de toutes les activités"));
            QCOMPARE(past->EntryLines().size(), 3);
            QTest::keyClick(past->ListBox, Qt::Key_Delete);  // nothing selected
            QCOMPARE(run->boxes->shown.size(), 1);
            QCOMPARE(run->boxes->shown[0].text,
                     QString::fromUtf8("Vous devez sélectionner au moins une activité."));
            past->SpeedButton1->click();
            QCOMPARE(past->SelectedEntryLines(), past->EntryLines());
            QVERIFY(!past->SpeedButton1->isEnabled() && past->DeleteBtn->isEnabled());
            QTest::keyClick(past->ListBox, Qt::Key_Delete);
            QCOMPARE(past->ListBox->count(), 0);
            QVERIFY(!past->SpeedButton1->isEnabled() && !past->SpeedButton2->isEnabled() &&
                    !past->DeleteBtn->isEnabled() && !past->PrintBtn->isEnabled());
            past->OKBtn->click();
        });
        run->windows().mainForm->Listedetouteslesactivits1->trigger();
        QVERIFY(!HasWeek(1998y / January / 12) && !HasWeek(1998y / January / 19));

        run->windows().mainForm->Listedetouteslesactivits1->trigger();
        QCOMPARE(run->boxes->shown.size(), 2);
        QCOMPARE(run->boxes->shown[1].text, QString::fromUtf8("Aucune activité à afficher."));
    }

    void openingAnEntryBringsUpTheAgendaAtItsSlot() {
        Put(1998y / February / 8, 23, "dimanche soir");  // a Sunday, row 23
        Put(1998y / March / 3, 10, "mardi");
        auto run = Started();
        QVERIFY(run);
        TAgend* agenda = run->windows().agenda->Agenda();
        OnModal<TPast>([](TPast* past) { DoubleClick(past->ListBox, 0); });
        run->windows().mainForm->Listedetouteslesactivits1->trigger();
        QVERIFY(agenda->isVisible());
        QCOMPARE(agenda->DisplayedMonday(), 1998y / February / 2);
        QCOMPARE(agenda->StringGrid7->currentRow() + 1, 23);
        QCOMPARE(agenda->StringGrid7->TopRow(), 22);  // a weekend grid stops at row 22
        QCOMPARE(agenda->StringGrid7->Cell(1, 23), QString("dimanche soir"));

        // From the agenda's own list the agenda stays at the opened week.
        OnModal<TPast>([](TPast* past) { DoubleClick(past->ListBox, 1); });
        agenda->AllBtn->click();
        QCOMPARE(agenda->DisplayedMonday(), 1998y / March / 2);
        QCOMPARE(agenda->StringGrid2->currentRow() + 1, 10);
        QVERIFY(run->boxes->shown.isEmpty());
        agenda->OKBtn->click();
    }

    void cleanupNoThenAllOnThreeWeeks() {
        for (auto monday : {1997y / December / 22, 1997y / December / 29, 1998y / January / 5,
                            1998y / January / 12}) {
            Put(monday, 9, "x");
        }
        auto run = StartedHidden();
        QVERIFY(run);
        TAgend* agenda = run->windows().agenda->Agenda();
        agenda->DisplayWeek(1998y / January / 12);
        agenda->show();
        run->boxes->answers = {QMessageBox::No, QMessageBox::YesToAll};
        OnModal<TDelete>([&](TDelete* cleanup) {
            QCOMPARE(cleanup->size(), QSize(305, 314));
            QCOMPARE(Texts(cleanup->ListBox, true),
                     (QStringList{QString::fromUtf8(" 22 décembre 1997 "),
                                  QString::fromUtf8(" 29 décembre 1997 "), " 05 janvier 1998 "}));
            cleanup->DeleteBtn->click();
            QCOMPARE(Texts(cleanup->ListBox),
                     (QStringList{QString::fromUtf8(" 22 décembre 1997 "), " 12 janvier 1998 "}));
            QCOMPARE(Texts(cleanup->ListBox, true),
                     QStringList{QString::fromUtf8(" 22 décembre 1997 ")});
            cleanup->OKBtn->click();
        });
        agenda->ClearBtn->click();
        QCOMPARE(run->boxes->shown.size(), 2);  // "&Tout" asks no more
        QCOMPARE(run->boxes->shown[0].title, QString("Confirmation"));
        QCOMPARE(run->boxes->shown[1].text,
                 QString::fromUtf8(
                     "Voulez-vous supprimer définitivement la semaine du 29 décembre 1997  ?"));
        QVERIFY(HasWeek(1997y / December / 22) && HasWeek(1998y / January / 12));
        QVERIFY(!HasWeek(1997y / December / 29) && !HasWeek(1998y / January / 5));
        agenda->OKBtn->click();
    }

    void cleanupCancelKeepsAllAndAStuckFileKeepsItsLine() {
        Put(1998y / January / 5, 9, "x");
        Put(1997y / December / 29, 9, "y");
        auto run = StartedHidden();
        QVERIFY(run);
        TAgend* agenda = run->windows().agenda->Agenda();
        agenda->show();
        // The error box takes an answer from the script too.
        run->boxes->answers = {QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Ok,
                               QMessageBox::Yes};
        OnModal<TDelete>([&](TDelete* cleanup) {
            cleanup->DeleteBtn->click();
            QCOMPARE(Texts(cleanup->ListBox, true).size(), 2);
            // The first week's file turns into a folder that cannot be deleted.
            std::filesystem::path stuck = WeekFileName(Folder(), 1997y / December / 29);
            std::filesystem::remove(stuck);
            std::filesystem::create_directories(stuck / "inside");
            cleanup->DeleteBtn->click();
            QCOMPARE(run->boxes->shown.size(), 4);
            QCOMPARE(run->boxes->shown[2].icon, MessageBoxes::Icon::Stop);
            QVERIFY(run->boxes->shown[2].text.contains("19971229.SEM"));
            QCOMPARE(Texts(cleanup->ListBox), QStringList{QString::fromUtf8(" 29 décembre 1997 ")});
            cleanup->close();
        });
        agenda->ClearBtn->click();
        QVERIFY(!HasWeek(1998y / January / 5));
        std::filesystem::remove_all(WeekFileName(Folder(), 1997y / December / 29));

        agenda->ClearBtn->click();  // no week file left
        QCOMPARE(
            run->boxes->shown.last().text,
            QString::fromUtf8("Il n'y a aucun fichier de semaine dans le répertoire de Brivonce."));
        agenda->OKBtn->click();
    }

    void confirmationOffersItsButtonsInTheProgramsOrder() {
        MessageBoxes boxes;
        QStringList captions;
        OnModal<QMessageBox>([&](QMessageBox* box) {
            QList<QAbstractButton*> buttons = box->buttons();
            std::sort(buttons.begin(), buttons.end(),
                      [](auto* a, auto* b) { return a->x() < b->x(); });
            for (QAbstractButton* button : buttons) {
                captions.append(button->text());
            }
            buttons.last()->click();
        });
        auto answer = boxes.Show(
            nullptr, MessageBoxes::Icon::Question, "Confirmation", "?",
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::YesToAll);
        QCOMPARE(captions, (QStringList{"&Oui", "&Non", "Annuler", "&Tout"}));
        QCOMPARE(answer, QMessageBox::YesToAll);
    }
};

QTEST_MAIN(ActivityWindowsTest)
#include "activity_windows_test.moc"
