// The memo window through its controls, on a scratch data folder.
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include "agenda/week_store.h"
#include "app/tray_window.h"
#include "gui/gui_test_support.h"
#include "memo/main_window.h"
#include "ui/qt_dates.h"

using namespace brivonce;
using namespace brivonce::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    ScratchDataFolder m_data;
    QString Folder() const { return m_data.Folder(); }
    QByteArray Ini() const { return ReadFile(Folder() + "/brivonce.ini"); }

    // Starts a run whose memo window has been shown once.
    std::unique_ptr<TestRun> Shown() {
        auto run = std::make_unique<TestRun>(Folder());
        run->clock->now = QDateTime(QDate(2026, 12, 7), QTime(14, 29, 0));
        if (run->Start() != StartResult::kRunning) {
            return nullptr;
        }
        return run;
    }
    TMainForm* Form(TestRun& run) { return run.windows().mainForm; }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void init() { m_data.StartTest(); }

    void captionFollowsTheNameDayModeAtOnce() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        form->Aucune1->trigger();
        QCOMPARE(form->windowTitle(), QString("lun. 07.12.26"));
        QVERIFY(form->Aucune1->isChecked() && !form->Toutes1->isChecked());
        form->Toutes1->trigger();
        QVERIFY(form->windowTitle().startsWith("lun. 07.12.26 - "));
        QVERIFY(form->windowTitle().size() > QString("lun. 07.12.26 - ").size());
        QString all = form->windowTitle();
        form->Jourcourant1->trigger();
        QCOMPARE(form->windowTitle(), all);  // modes 1 and 2 differ only in the agenda
        QVERIFY(!form->Toutes1->isChecked());
    }

    void f5AppendsTheDateAndTime() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        form->Memo->clear();
        QTest::keyClick(form->Memo, Qt::Key_F5);
        QCOMPARE(form->Memo->toPlainText(), QString("07/12/2026 14:29:00\n"));
        form->Memo->setPlainText("courses");
        run->clock->now = QDateTime(QDate(2026, 12, 8), QTime(0, 0, 0));
        QTest::keyClick(form->Memo, Qt::Key_F5);
        QCOMPARE(form->Memo->toPlainText(), QString("courses\n08/12/2026"));
    }

    void memoKeysGoToTheFirstMenuItemCarryingThem() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        QSignalSpy quit(form, &TMainForm::QuitRequested);
        form->Memo->setPlainText("abc def");
        form->Memo->selectAll();
        QTest::keyClick(form->Memo, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(quit.count(), 0);  // Ctrl+X cuts
        QCOMPARE(form->Memo->toPlainText(), QString());
        form->Memo->setPlainText("abc");
        QTest::keyClick(form->Memo, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(form->Memo->toPlainText(), QString());
        QSignalSpy agenda(form->Rendezvous1, &QAction::triggered);
        OnNextModal([](QWidget* shown) { shown->close(); });  // the agenda opens
        QTest::keyClick(form->Memo, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(agenda.count(), 1);                              // the agenda, not "select all"
        OnNextModal([](QWidget* confirm) { confirm->close(); });  // the quit confirmation
        QTest::keyClick(form->Memo, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(quit.count(), 1);
    }

    void hourBoxAnswersOnlyCtrlAlone() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        QSignalSpy agenda(form->Rendezvous1, &QAction::triggered);
        QTest::keyClick(form->ComboBox, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(agenda.count(), 0);
        OnNextModal([](QWidget* shown) { shown->close(); });
        QTest::keyClick(form->ComboBox, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(agenda.count(), 1);
        QTest::keyClick(form->ComboBox, Qt::Key_F5);
        QCOMPARE(form->Memo->toPlainText(), QString());  // menu keys do not reach it
    }

    void closingWritesMemoAndSettingsAndTheTrayStays() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        form->Memo->setPlainText(QString::fromUtf8("première ligne\ndernière"));
        form->Lesdeux1->trigger();
        form->close();
        QVERIFY(!form->isVisible());
        QCOMPARE(ReadFile(Folder() + "/brivonce.txt"),
                 QByteArray("premi\xE8re ligne\r\nderni\xE8re"));
        QVERIFY(Ini().contains("Ascenseurs=3\r\n"));
        QVERIFY(run->windows().trayForm->RxTrayIcon1->contextMenu() == form->PopupMenu1);
    }

    void settingsAndMemoComeBackAtTheNextStart() {
        QByteArray ini =
            "[MainW]\r\nx=0x10\r\ny=20\r\nw=300\r\nh=250\r\nMaxi=0\r\n"
            "[Options]\r\nAlarme=0\r\nAscenseurs=7\r\nfas=0\r\ncouleur=65535\r\n"
            "[Police]\r\ncouleur=255\r\nhauteur=-13\r\nnom=arial\r\ntaille=12\r\ngras=5\r\n";
        WriteFile(Folder(), "brivonce.ini", ini);
        WriteFile(Folder(), "brivonce.txt", "sans fin de ligne");
        {
            auto run = Shown();
            QVERIFY(run);
            TMainForm* form = Form(*run);
            QCOMPARE(form->geometry().topLeft(), QPoint(16, 20));
            QCOMPARE(form->size(), QSize(300, 250));
            QVERIFY(!form->Alarmesonore1->isChecked());
            QVERIFY(!form->Aucun1->isChecked() && !form->Vertical1->isChecked() &&
                    !form->Horizontal1->isChecked() && !form->Lesdeux1->isChecked());
            QCOMPARE(form->Memo->font().pointSize(), 12);
            QVERIFY(form->Memo->font().bold());
            QCOMPARE(form->Memo->palette().color(QPalette::Base), QColor(255, 255, 0));
            QCOMPARE(form->Memo->palette().color(QPalette::Text), QColor(255, 0, 0));
            QCOMPARE(form->Memo->toPlainText(), QString("sans fin de ligne"));
            form->close();
        }
        QCOMPARE(ReadFile(Folder() + "/brivonce.txt"), QByteArray("sans fin de ligne"));
        QVERIFY(Ini().contains("x=16\r\ny=20\r\nw=300\r\nh=250\r\n"));
        QVERIFY(Ini().contains("Alarme=0\r\nAscenseurs=7\r\nfas=0\r\n"));
        QVERIFY(
            Ini().contains("couleur=255\r\nhauteur=-16\r\nnom=arial\r\ntaille=12\r\ngras=1\r\n"));
        QVERIFY(
            Ini().contains("Heure de d\xE9"
                           "but=7\r\ncouleur=65535\r\n"));
    }

    void theAdvanceTickIsOneOfFiveAndComesBackAtTheNextStart() {
        const char* items[] = {"Alheure1", "Avant5min1", "Avant15min1", "Avant30min1", "Avant1h1"};
        auto ticked = [&](TMainForm* form) {
            QStringList names;
            for (const char* name : items) {
                if (form->findChild<QAction*>(name)->isChecked()) {
                    names.append(name);
                }
            }
            return names;
        };
        {
            auto run = Shown();
            QVERIFY(run);
            QCOMPARE(ticked(Form(*run)), QStringList{"Alheure1"});
            Form(*run)->findChild<QAction*>("Avant15min1")->trigger();
            QCOMPARE(ticked(Form(*run)), QStringList{"Avant15min1"});
            Form(*run)->close();
        }
        QVERIFY(Ini().contains("[Extras]\r\nAvanceAlarme=15\r\n"));
        auto run = Shown();
        QCOMPARE(ticked(Form(*run)), QStringList{"Avant15min1"});
    }

    void saveButtonWritesTheMemoOnly() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        form->Memo->setPlainText("note");
        QTest::mouseClick(form->ToolbarButton977, Qt::LeftButton);
        QCOMPARE(ReadFile(Folder() + "/brivonce.txt"), QByteArray("note"));
        QVERIFY(!QFile::exists(Folder() + "/brivonce.ini"));
    }

    void toolbarHintsAndDisabledCommands() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        QCOMPARE(form->ToolbarButton977->toolTip(), QString::fromUtf8("Enregistrer le mémo"));
        QCOMPARE(form->ToolbarButton974->toolTip(), QString::fromUtf8("Activités passées"));
        QCOMPARE(form->NewBtn->size(), QSize(23, 22));
        form->Courses1->setEnabled(false);
        QVERIFY(!form->ToolbarButton973->isEnabled());  // buttons follow their command
        form->Courses1->setEnabled(true);
        QVERIFY(form->ToolbarButton973->isEnabled());
    }

    // A menu opened while the agenda was open disabled "Agenda": its button
    // and its keys come back as soon as the agenda closes, menu or not.
    void commandsFollowTheirWindowAtEveryMoment() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        bool disabledWhileOpen = false;
        OnNextModal([&](QWidget* agenda) {
            emit form->PopupMenu1->aboutToShow();
            disabledWhileOpen = !form->ToolbarButton972->isEnabled();
            agenda->close();
        });
        form->ToolbarButton972->click();
        QVERIFY(disabledWhileOpen);
        QTRY_VERIFY(form->ToolbarButton972->isEnabled());
        QSignalSpy agenda(form->Rendezvous1, &QAction::triggered);
        OnNextModal([](QWidget* shown) { shown->close(); });
        QTest::keyClick(form->Memo, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(agenda.count(), 1);
    }

    // Escape in the font list cancels the whole "Police" dialog, not only
    // the chooser inside it.
    void escapeCancelsTheWholeFontDialog() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        QFont before = form->Memo->font();
        bool leftOpen = false;
        OnNextModal([&](QWidget* dialog) {
            QTest::keyClick(dialog->findChild<QFontDialog*>()->findChild<QLineEdit*>(),
                            Qt::Key_Escape);
            leftOpen = dialog->isVisible();
            dialog->close();
        });
        form->Police->trigger();
        QVERIFY(!leftOpen);
        QCOMPARE(form->Memo->font(), before);
    }

    // The road of an alarm: a week file as the agenda writes it, then the
    // clock running from 14:29 to 14:31.
    void dueSlotRingsAndTheNextMinuteSilencesIt() {
        QDir().mkpath(Folder());
        Week week;
        week.At(1, 15) = {"14:30", "Dentiste"};  // Monday 7 December, slot of 14:00
        SaveWeek(Folder().toStdString(), ToYmd(QDate(2026, 12, 7)), week);
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        QCOMPARE(form->ComboBox->count(), 24);
        QCOMPARE(form->ComboBox->itemText(13), QString("13:00"));
        QCOMPARE(form->ComboBox->currentIndex(), 14);
        QCOMPARE(form->ComboBox->itemText(14), QString("14:29 - Dentiste"));
        QVERIFY(run->boxes->shown.isEmpty());

        run->clock->now = QDateTime(QDate(2026, 12, 7), QTime(14, 30, 0));
        form->Alarm()->TimerTimer();
        QCOMPARE(run->boxes->shown.size(), 1);
        QCOMPARE(run->boxes->shown[0].text, QString("14:30 - Dentiste"));
        QCOMPARE(run->boxes->shown[0].title, QString("Brivonce"));
        QCOMPARE(run->boxes->shown[0].icon, MessageBoxes::Icon::Information);
        QVERIFY(!run->sound->played.isEmpty() || run->sound->beeps > 0);

        run->clock->now = QDateTime(QDate(2026, 12, 7), QTime(14, 31, 0));
        form->Alarm()->TimerTimer();
        QCOMPARE(run->boxes->shown.size(), 1);  // rings once
        QVERIFY(!run->sound->playing);
    }

    void alarmTickOffRingsNothing() {
        WriteFile(Folder(), "brivonce.ini", "[Options]\r\nAlarme=0\r\n");
        Week week;
        week.At(1, 15) = {"14:30", "Dentiste"};
        SaveWeek(Folder().toStdString(), ToYmd(QDate(2026, 12, 7)), week);
        auto run = Shown();
        QVERIFY(run);
        run->clock->now = QDateTime(QDate(2026, 12, 7), QTime(14, 30, 0));
        Form(*run)->Alarm()->TimerTimer();
        QVERIFY(run->boxes->shown.isEmpty());
        QCOMPARE(Form(*run)->ComboBox->currentIndex(), 14);
    }

    void autostartFollowsTheTick() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        QVERIFY(form->winstart->isChecked());  // a first run registers the program
        QCOMPARE(run->autostart->enabledWith, run->context().programPath);
        // The data folder came from the command line: the next login opens it.
        QCOMPARE(run->autostart->enabledArguments, QStringList({"--data-dir", Folder()}));
        form->winstart->trigger();
        QVERIFY(run->autostart->enabledWith.isEmpty());
        form->winstart->trigger();
        QCOMPARE(run->autostart->enabledWith, run->context().programPath);
    }

    void refusedAutostartDoesNotStopTheFirstShowing() {
        WriteFile(Folder(), "brivonce.txt", "memo");
        TestRun run(Folder());
        run.autostart->failure = "Erreur de création de la clé x";
        QCOMPARE(run.Start(), StartResult::kRunning);
        QCOMPARE(run.boxes->shown.size(), 1);
        QCOMPARE(run.boxes->shown[0].icon, MessageBoxes::Icon::Stop);
        QVERIFY(run.windows().mainForm->Initialised());
        QCOMPARE(run.windows().mainForm->Memo->toPlainText(), QString("memo"));
    }

    // Nothing lost, nothing silent: faults once found in this window.

    void alarmsRingWhileTheWindowWasNeverShown() {
        WriteFile(Folder(), "brivonce.ini", "[Config]\r\nShowOnStart=0\r\n");
        Week week;
        week.At(1, 15) = {"14:30", "Dentiste"};
        SaveWeek(Folder().toStdString(), ToYmd(QDate(2026, 12, 7)), week);
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        QVERIFY(!Form(run)->isVisible());
        run.clock->now = QDateTime(QDate(2026, 12, 7), QTime(14, 30, 0));
        Form(run)->Alarm()->TimerTimer();
        QCOMPARE(run.boxes->shown.size(), 1);
        QCOMPARE(run.boxes->shown[0].text, QString("14:30 - Dentiste"));
    }

    void ticksSetFromTheTrayBeforeTheFirstShowingAreKept() {
        WriteFile(Folder(), "brivonce.ini", "[Config]\r\nShowOnStart=0\r\nWinStart=0\r\n");
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* form = Form(run);
        form->Alarmesonore1->trigger();  // from the tray menu: alarms off
        form->winstart->trigger();       // start with the session
        QCOMPARE(run.autostart->enabledWith, run.context().programPath);
        form->show();  // the first showing must not undo either tick
        QVERIFY(!form->Alarmesonore1->isChecked());
        QCOMPARE(run.autostart->enabledWith, run.context().programPath);
        run.windows().trayForm->SessionEnding();
        QVERIFY(Ini().contains("Alarme=0\r\n"));
        QVERIFY(Ini().contains("WinStart=1\r\n"));
    }

    // The memo's controls wait for its first showing; what the file and the
    // tray menu said before it reaches them then, and a save before it keeps
    // the memo's font as read.
    void aStartInTheTrayBuildsTheMemoAtItsFirstShowing() {
        WriteFile(Folder(), "brivonce.ini",
                  "[Config]\r\nShowOnStart=0\r\n[Options]\r\nAscenseurs=1\r\n"
                  "[Police]\r\nnom=Courier\r\ntaille=14\r\ncouleur=255\r\n");
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* form = Form(run);
        QVERIFY(!form->Memo && !form->Toolbar971 && !form->ComboBox);
        form->Lesdeux1->trigger();  // from the tray menu
        auto police = [this] {
            QString ini = Ini();
            int at = ini.indexOf("[Police]");
            return ini.mid(at, ini.indexOf('[', at + 1) - at);
        };
        form->SaveAll();
        QString saved = police();
        QVERIFY(saved.contains("taille=14\r\n"));
        form->show();
        QCOMPARE(form->Memo->font().pointSize(), 14);
        QCOMPARE(form->Memo->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(form->Memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(form->ComboBox->count(), 24);
        form->SaveAll();
        QCOMPARE(police(), saved);
    }

    void whatIsTypedIsWhatIsStored() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        form->Memo->clear();
        // A no-break space before ":", an accent typed as a combining mark, an
        // emoji and a letter the code page lacks.
        form->Memo->insertPlainText(QString::fromUtf8("Note\u00A0: cafe\u0301 \U0001F600 \u0151"));
        QCOMPARE(form->Memo->toPlainText(), QString::fromUtf8("Note : café ? o"));
        form->Memo->insertPlainText(QString::fromUtf8("\u2603"));
        QCOMPARE(run->boxes->shown.size(), 0);  // the notice comes from the event loop
        QTRY_COMPARE(run->boxes->shown.size(), 1);
        QCOMPARE(run->boxes->shown[0].icon, MessageBoxes::Icon::Information);
        form->close();
        QCOMPARE(ReadFile(Folder() + "/brivonce.txt"), QByteArray("Note\xA0: caf\xE9 ? o?"));
        run.reset();
        auto again = Shown();
        QVERIFY(again);
        QCOMPARE(Form(*again)->Memo->document()->toRawText(),
                 QString::fromUtf8("Note\u00A0: café ? o?"));
        QCOMPARE(again->boxes->shown.size(), 0);  // once per run
    }

    void aMemoThatCouldNotBeReadIsNeverOverwritten() {
        QDir().mkpath(Folder() + "/brivonce.txt");  // cannot be read as a file
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        QCOMPARE(run->boxes->shown.size(), 1);
        form->Memo->setPlainText("typed after the failure");
        QTest::mouseClick(form->ToolbarButton977, Qt::LeftButton);
        QCOMPARE(run->boxes->shown.size(), 2);
        QVERIFY(run->boxes->shown[1].text.startsWith("Impossible d'ouvrir le fichier"));
        form->Lesdeux1->trigger();  // later changes are still saved
        form->close();
        QVERIFY(QFileInfo(Folder() + "/brivonce.txt").isDir());
        QVERIFY(Ini().contains("Ascenseurs=3\r\n"));
    }

    void f5CanBeUndone() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        form->Memo->setPlainText("courses");
        QTest::keyClick(form->Memo, Qt::Key_F5);
        QCOMPARE(form->Memo->toPlainText(), QString("courses\n07/12/2026 14:29:00"));
        form->Memo->undo();
        QCOMPARE(form->Memo->toPlainText(), QString("courses"));
    }

    void aHugeMemoWithNoPlaceToWrapOpensQuickly() {
        WriteFile(Folder(), "brivonce.txt", QByteArray(5 * 1024 * 1024, 'x'));
        QElapsedTimer clock;
        clock.start();
        auto run = Shown();
        QVERIFY(run);
        QCoreApplication::processEvents();
        qint64 elapsed = clock.elapsed();
        qInfo() << "5 MB line opened in" << elapsed << "ms";
        QVERIFY2(elapsed < 10000, "word wrapping a long line is quadratic again");
        QCOMPARE(Form(*run)->Memo->document()->characterCount(), 5 * 1024 * 1024 + 1);
    }

    // How the window reads: colours, lists, wording.

    void aSystemColourStaysOneUntilAnotherIsPicked() {
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = Form(*run);
        OnNextModal([](QWidget* dialog) {  // the font dialog, colour included
            auto* colours = dialog->findChild<QComboBox*>("ColourList");
            QVERIFY(colours);
            colours->setCurrentIndex(colours->findText("Rouge"));
            qobject_cast<QDialog*>(dialog)->accept();
        });
        form->Police->trigger();
        QCOMPARE(form->Memo->palette().color(QPalette::Text), QColor(255, 0, 0));
        form->close();
        QVERIFY(Ini().contains("couleur=-2147483624\r\n[Police]\r\ncouleur=255\r\n"));
    }

    void theHourBoxIsFlatAndOpensFourRowsHigh() {
        auto run = Shown();
        QVERIFY(run);
        QComboBox* hours = Form(*run)->ComboBox;
        QImage box = hours->grab().toImage();
        QCOMPARE(QColor(box.pixel(box.width() / 3, 3)), QColor(190, 222, 181));
        QCOMPARE(QColor(box.pixel(box.width() / 3, box.height() - 4)), QColor(190, 222, 181));
        hours->showPopup();
        QAbstractItemView* list = hours->view();
        QCOMPARE(list->viewport()->height() / list->sizeHintForRow(0), 4);
        hours->hidePopup();
        QCOMPARE(Form(*run)->winstart->text(), QString::fromUtf8("&Démarrer avec la session"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
