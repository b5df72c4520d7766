// The print size dialog and the printer set-up command, which need no printer.
#include <QDialog>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "agenda/agenda_window.h"
#include "app/lazy_agenda.h"
#include "gui/gui_test_support.h"
#include "memo/main_window.h"
#include "print/print_size_dialog.h"

using namespace brivonce;
using namespace brivonce::testing;

class PrintCommandsTest : public QObject {
    Q_OBJECT

private:
    ScratchDataFolder m_data;
    QString Folder() const { return m_data.Folder(); }
    QByteArray Ini() const { return ReadFile(Folder() + "/brivonce.ini"); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void init() { m_data.StartTest(); }

    void unknownPrintSizeStaysUntilTheDialogCloses() {
        WriteFile(Folder(), "brivonce.ini", "[Config]\r\nImprime=5\r\n");
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TConfig* config = run.windows().config;
        QVERIFY(config->RadioButton1->isChecked());
        run.windows().mainForm->SaveAll();
        QVERIFY2(Ini().contains("Imprime=5\r\n"), Ini().constData());

        TAgend* agenda = run.windows().agenda->Agenda();
        agenda->show();
        QVERIFY(agenda->ConfigBtn->isEnabled());
        // "réduite", then the close box: the choice holds all the same.
        OnNextModal([config](QWidget* modal) {
            QCOMPARE(modal, config);
            config->RadioButton3->setChecked(true);
            modal->close();
        });
        QTest::mouseClick(agenda->ConfigBtn, Qt::LeftButton);
        run.windows().mainForm->SaveAll();
        QVERIFY2(Ini().contains("Imprime=2\r\n"), Ini().constData());
    }

    void printerSetupItemIsDisabledWhileItsDialogIsOpen() {
        TestRun run(Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* form = run.windows().mainForm;
        bool enabledWhileOpen = true;
        QString title;
        OnNextModal([&](QWidget* modal) {
            title = modal->windowTitle();
            emit form->PopupMenu1->aboutToShow();
            enabledWhileOpen = form->Configurationdelimpression1->isEnabled();
            qobject_cast<QDialog*>(modal)->reject();
        });
        form->Configurationdelimpression1->trigger();
        QCOMPARE(title, QString("Configuration de l'impression"));
        QVERIFY(!enabledWhileOpen);
        emit form->PopupMenu1->aboutToShow();
        QVERIFY(form->Configurationdelimpression1->isEnabled());
        QVERIFY(form->Imprimer1->isEnabled());
    }
};

QTEST_MAIN(PrintCommandsTest)
#include "print_commands_test.moc"
