// Start-up, the tray, the quit confirmation and session end, driven through
// the real windows on a scratch data folder.
#include <sys/stat.h>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "app/about_dialog.h"
#include "app/confirm_dialog.h"
#include "app/splash_window.h"
#include "app/tray_window.h"
#include "gui/gui_test_support.h"
#include "memo/main_window.h"
#include "platform/blocked_clicks.h"

using namespace brivonce;
using namespace brivonce::testing;

namespace {

// Presses one of the quit confirmation's buttons, ticking its box first.
void AnswerConfirm(bool tick, const char* button) {
    OnNextModal([tick, button](QWidget* modal) {
        auto* confirm = qobject_cast<TConfirm*>(modal);
        QVERIFY(confirm);
        confirm->CheckBox->setChecked(tick);
        QTest::mouseClick(confirm->findChild<QPushButton*>(button), Qt::LeftButton);
    });
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private:
    ScratchDataFolder m_data;
    QString Folder() const { return m_data.Folder(); }
    QString Ini() const { return QString::fromUtf8(ReadFile(Folder() + "/brivonce.ini")); }

private slots:
    void init() { m_data.StartTest(); }

    void cancelAndEscapeKeepRunningAndIgnoreTheTick() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* mainForm = run.windows().mainForm;
        QVERIFY(mainForm->isVisible());
        QSignalSpy ended(run.windows().trayForm, &TTrayForm::EndRequested);

        AnswerConfirm(true, "CancelBtn");
        mainForm->Quitter1->trigger();
        QCOMPARE(ended.count(), 0);
        QVERIFY(!mainForm->PromptOnClose());

        OnNextModal([](QWidget* modal) {
            qobject_cast<TConfirm*>(modal)->CheckBox->setChecked(true);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        mainForm->Quitter2->trigger();
        QCOMPARE(ended.count(), 0);
        QVERIFY(!mainForm->PromptOnClose());
        QVERIFY(Ini().contains("PromptOnClose=0"));  // the close request saved first
    }

    void quitWithTheTickStoresPromptOnClose() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        QSignalSpy ended(run.windows().trayForm, &TTrayForm::EndRequested);
        AnswerConfirm(true, "OKBtn");
        run.windows().mainForm->Quitter1->trigger();
        QCOMPARE(ended.count(), 1);
        QVERIFY(Ini().contains("PromptOnClose=1\r\n"));
    }

    void hideWithTheTickMakesTheNextQuitSilent() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* mainForm = run.windows().mainForm;
        QSignalSpy ended(run.windows().trayForm, &TTrayForm::EndRequested);
        AnswerConfirm(true, "MinimizeBtn");
        mainForm->Quitter1->trigger();
        QVERIFY(!mainForm->isVisible());
        QCOMPARE(ended.count(), 0);

        mainForm->Quitter1->trigger();  // no box may open now
        QCOMPARE(ended.count(), 1);
        QVERIFY(!run.windows().confirm->isVisible());
        QVERIFY(Ini().contains("PromptOnClose=1\r\n"));
    }

    void closeBoxActsAsCancelEvenAfterAnEarlierChoice() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* mainForm = run.windows().mainForm;
        QSignalSpy ended(run.windows().trayForm, &TTrayForm::EndRequested);
        AnswerConfirm(false, "MinimizeBtn");
        mainForm->Quitter1->trigger();
        QCOMPARE(run.windows().confirm->LastChoice(), TConfirm::kHide);
        OnNextModal([](QWidget* modal) { modal->close(); });
        mainForm->Quitter1->trigger();
        QCOMPARE(run.windows().confirm->LastChoice(), TConfirm::kCancel);
        QCOMPARE(ended.count(), 0);
    }

    void secondQuitWhileTheBoxIsOpenEndsAtOnce() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* mainForm = run.windows().mainForm;
        QSignalSpy ended(run.windows().trayForm, &TTrayForm::EndRequested);
        OnNextModal([mainForm](QWidget*) { mainForm->Quitter2->trigger(); });
        mainForm->Quitter1->trigger();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!run.windows().confirm->isVisible());
    }

    void failedSaveShowsTheErrorAndKeepsRunning() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        QDir().mkpath(Folder() + "/brivonce.txt");  // a folder where the memo file goes
        QSignalSpy ended(run.windows().trayForm, &TTrayForm::EndRequested);
        run.windows().mainForm->Quitter1->trigger();
        QCOMPARE(ended.count(), 0);
        QCOMPARE(run.boxes->shown.size(), 1);
        QCOMPARE(run.boxes->shown[0].title, QString("Brivonce"));
        QCOMPARE(run.boxes->shown[0].icon, MessageBoxes::Icon::Stop);
        QCOMPARE(run.boxes->shown[0].text, QString::fromUtf8("Impossible de créer le fichier ") +
                                               Folder() + "/brivonce.txt.");
    }

    void sessionEndSavesWithoutAsking() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* mainForm = run.windows().mainForm;
        QSignalSpy ended(run.windows().trayForm, &TTrayForm::EndRequested);
        mainForm->Memo->setPlainText(QString::fromUtf8("Acheter du pain\nRappeler Éric"));
        run.windows().trayForm->SessionEnding();
        QCOMPARE(ended.count(), 1);
        QVERIFY(run.boxes->shown.isEmpty());
        QCOMPARE(ReadFile(Folder() + "/brivonce.txt"),
                 QByteArray("Acheter du pain\r\nRappeler \xC9ric"));
        QVERIFY(Ini().contains("ShowOnStart=1\r\n"));
    }

    void saveBeforeTheFirstShowingKeepsWhatTheFilesHeld() {
        WriteFile(Folder(), "brivonce.ini", "[MainW]\r\nx=0x10\r\n[Config]\r\nShowOnStart=0\r\n");
        WriteFile(Folder(), "brivonce.txt", "memo\r\nkept");
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        QVERIFY(!run.windows().mainForm->isVisible());
        run.windows().trayForm->SessionEnding();
        QCOMPARE(ReadFile(Folder() + "/brivonce.txt"), QByteArray("memo\r\nkept"));
        QVERIFY(Ini().contains("[MainW]\r\nx=16\r\n"));
        QVERIFY(Ini().contains("ShowOnStart=0\r\n"));
    }

    void trayClickShowsTheHiddenMemoWindow() {
        WriteFile(Folder(), "brivonce.ini", "[Config]\r\nShowOnStart=0\r\n");
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* mainForm = run.windows().mainForm;
        QVERIFY(!mainForm->isVisible());
        QSystemTrayIcon* icon = run.windows().trayForm->RxTrayIcon1;
        QCOMPARE(icon->toolTip(), QString("Brivonce"));
        QCOMPARE(icon->contextMenu(), mainForm->PopupMenu1);
        emit icon->activated(QSystemTrayIcon::Trigger);
        QVERIFY(mainForm->isVisible());
        mainForm->close();  // hides: the program stays in the tray
        QVERIFY(!mainForm->isVisible());
        emit icon->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(mainForm->isVisible());
    }

    // The user is told why once per data folder, even across runs.
    void withoutATrayTheMemoWindowIsShownAndOnlyMinimised() {
        WriteFile(Folder(), "brivonce.ini", "[Config]\r\nShowOnStart=0\r\n");
        for (int run = 0; run < 2; ++run) {
            TestRun program(Folder(), /*trayAvailable=*/false);
            QCOMPARE(program.Start(), StartResult::kRunning);
            TMainForm* mainForm = program.windows().mainForm;
            QVERIFY(mainForm->isVisible());
            mainForm->close();
            mainForm->showNormal();
            mainForm->close();
            QVERIFY(mainForm->isVisible());
            QVERIFY(mainForm->isMinimized());
            QVERIFY(QFile::exists(Folder() + "/brivonce.txt"));  // closing still saved
            QCOMPARE(program.boxes->shown.size(), run == 0 ? 1 : 0);
        }
        QVERIFY(Ini().contains("[Extras]\r\nNoTrayNoticeShown=1\r\n"));
        QVERIFY(Ini().contains("ShowOnStart=0\r\n"));
    }

    void splashShowsAValidBitmapAndIsDestroyed() {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QDir().mkpath(Folder());
        QVERIFY(picture.save(Folder() + "/LOGICIEL.BMP", "BMP"));
        TestRun run(Folder());
        bool seen = false;
        QTimer::singleShot(10, [&seen] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                seen = seen || (qobject_cast<TSplash*>(widget) && widget->isVisible());
            }
        });
        QCOMPARE(run.Start(), StartResult::kRunning);
        QVERIFY(seen);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            QVERIFY(!qobject_cast<TSplash*>(widget));
        }
    }

    void invalidSplashBitmapEndsTheProgram() {
        WriteFile(Folder(), "LOGICIEL.BMP", "not a bitmap at all");
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kFailed);
        QCOMPARE(run.boxes->shown.size(), 1);
        QCOMPARE(run.boxes->shown[0].text, QString("Image bitmap incorrecte."));
    }

    void helpAndWebPageOpenInTheBrowser() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* mainForm = run.windows().mainForm;
        mainForm->Aide1->trigger();
        mainForm->Connexionausitewebdelauteur1->trigger();
        QCOMPARE(run.desktop->opened.size(), 2);
        QVERIFY(run.desktop->opened[0].isLocalFile());
        QVERIFY(run.desktop->opened[0].path().endsWith("help/brivonce.html"));
        QVERIFY(QFile::exists(run.desktop->opened[0].toLocalFile()));
        // Built with no address for the author's page: the help page stands in.
        QCOMPARE(run.desktop->opened[1], run.desktop->opened[0]);
    }

    void standardDialogsSpeakFrench() {
        InstallFrenchTranslations();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Annuler"));
    }

    void aboutBoxIsDisabledInTheMenuWhileOpen() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* mainForm = run.windows().mainForm;
        bool enabledWhileOpen = true;
        OnNextModal([&](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QString("A propos"));
            emit mainForm->PopupMenu1->aboutToShow();
            enabledWhileOpen = mainForm->Apropos1->isEnabled();
            QTest::mouseClick(modal->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        mainForm->Apropos1->trigger();
        QVERIFY(!enabledWhileOpen);
        emit mainForm->PopupMenu1->aboutToShow();
        QVERIFY(mainForm->Apropos1->isEnabled());
    }

    void leftoversOfKilledSavesAreRemovedAtStart() {
        WriteFile(Folder(), ".brivonce.ini.brivonce-Ab12Cd", "half a save");
        WriteFile(Folder(), "notes.txt", "the user's");
        WriteFile(Folder() + "/postits", ".6.txt.brivonce-Xy34Zw", "half a note");
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        QVERIFY(!QFile::exists(Folder() + "/.brivonce.ini.brivonce-Ab12Cd"));
        QVERIFY(!QFile::exists(Folder() + "/postits/.6.txt.brivonce-Xy34Zw"));
        QVERIFY(QFile::exists(Folder() + "/notes.txt"));
    }

    void aWeekFileThatIsAPipeIsAnErrorNotAHang() {
        QDir().mkpath(Folder());
        QVERIFY(::mkfifo(QFile::encodeName(Folder() + "/20261207.SEM").constData(), 0600) == 0);
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);  // the first showing reads today's week
        QCOMPARE(run.boxes->shown.size(), 1);
        QVERIFY(run.boxes->shown[0].text.startsWith("Impossible d'ouvrir le fichier"));
    }

    void helpAndWebPageFailuresAreReported() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        run.desktop->opens = false;  // no browser
        run.windows().mainForm->Aide1->trigger();
        run.windows().mainForm->Connexionausitewebdelauteur1->trigger();
        QCOMPARE(run.boxes->shown.size(), 2);
        QVERIFY(run.boxes->shown[0].text.contains("brivonce.html"));
        QVERIFY(run.boxes->shown[1].text.contains("brivonce.html"));
    }

    void datesAreFrenchWhateverTheSystemsLanguage() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        QVERIFY(run.windows().mainForm->windowTitle().startsWith("lun. 07.12.26"));
    }

    void confirmationAndAboutBoxReadRight() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TConfirm* confirm = run.windows().confirm;
        QPalette colours = confirm->Memo1->palette();
        QCOMPARE(colours.color(QPalette::Disabled, QPalette::Text),
                 colours.color(QPalette::Active, QPalette::Text));
        for (int showing = 0; showing < 2; ++showing) {
            QString focused;
            OnNextModal([&focused](QWidget* modal) {
                auto* shown = qobject_cast<TConfirm*>(modal);
                // The window system activates the box a moment after it is modal.
                QVERIFY(QTest::qWaitForWindowActive(shown));
                focused = QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                      : QString();
                shown->MinimizeBtn->setFocus();  // the next showing starts over
                shown->reject();
            });
            run.windows().mainForm->Quitter1->trigger();
            QCOMPARE(focused, QString("OKBtn"));
        }
        auto* about = qobject_cast<TAboutBox*>(run.windows().aboutBox.Get());
        QCOMPARE(about->Comments->text(), QString(" pour Linux"));
        QCOMPARE(about->Version->text(), QString("Version 3.0 - %1 bits").arg(sizeof(void*) * 8));
    }

    // Clicks Qt drops on the tray while a modal window is open: the menu still
    // opens (during a walk too: its commands then do nothing).
    void blockedTrayClicksOpenTheMenu() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        auto* clicks = run.windows().trayForm->findChild<BlockedClicks*>();
        QMenu* menu = run.windows().mainForm->PopupMenu1;
        emit clicks->TrayIconClicked(Qt::RightButton);
        QVERIFY(menu->isVisible());
        menu->hide();
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
