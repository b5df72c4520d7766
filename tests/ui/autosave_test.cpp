// Saving shortly after typing: the helper alone, then the three windows that
// use it.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

#include "gui/gui_test_support.h"
#include "memo/main_window.h"
#include "notes/notes_windows.h"
#include "notes/postit_window.h"
#include "notes/shopping_list_dialog.h"
#include "ui/autosave.h"

using namespace brivonce;
using namespace brivonce::testing;

class AutosaveTest : public QObject {
    Q_OBJECT

private:
    ScratchDataFolder m_data;

private slots:
    void init() { m_data.StartTest(); }

    void aFailureIsShownOnceAndTriedAgainAtTheNextChange() {
        QWidget window;
        ScriptedMessageBoxes boxes;
        int saves = 0;
        bool failing = true;
        Autosave autosave(&window, boxes, [&] {
            ++saves;
            if (failing) {
                throw Error("Impossible de créer le fichier x");
            }
        });
        auto deactivate = [&] {
            QEvent event(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(&window, &event);
        };
        deactivate();
        QCOMPARE(saves, 0);  // nothing changed, nothing saved
        autosave.Changed();
        deactivate();
        QCOMPARE(saves, 1);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, QString::fromUtf8("Impossible de créer le fichier x."));
        deactivate();
        QCOMPARE(saves, 1);  // no retry until something changes
        autosave.Changed();
        autosave.SaveNow();
        QCOMPARE(saves, 2);
        QCOMPARE(boxes.shown.size(), 1);  // still failing: said once
        failing = false;
        autosave.Changed();
        autosave.SaveNow();
        failing = true;
        autosave.Changed();
        autosave.SaveNow();
        QCOMPARE(saves, 4);
        QCOMPARE(boxes.shown.size(), 2);  // a new failure after a success is said again
    }

    void memoPostitAndShoppingListReachTheDiskSoonAfterTyping() {
        QString folder = m_data.Folder();
        TestRun run(folder);
        QCOMPARE(run.Start(), StartResult::kRunning);
        run.windows().mainForm->Memo->insertPlainText(QString::fromUtf8("mémo"));
        QTest::mouseClick(run.windows().mainForm->NewBtn, Qt::LeftButton);
        run.windows().notes->Postits().back()->Memo->insertPlainText("note");
        run.windows().notes->Courses()->Edit(49)->setText("Riz");
        QTest::qWait(Autosave::kDelayMilliseconds / 2);
        QVERIFY(!QFile::exists(folder + "/postits/1.txt"));  // not at every key
        QTRY_COMPARE_WITH_TIMEOUT(ReadFile(folder + "/postits/1.txt"), QByteArray("note"), 3000);
        QCOMPARE(ReadFile(folder + "/brivonce.txt"), QByteArray("m\xE9mo"));
        QVERIFY(ReadFile(folder + "/COURSES.TXT").contains("\r\n0Riz\r\n"));
        QVERIFY(!QFile::exists(folder + "/brivonce.ini"));  // only what was typed
    }
};

QTEST_MAIN(AutosaveTest)
#include "autosave_test.moc"
