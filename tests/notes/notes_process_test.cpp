// The real program on a data folder holding notes and a short shopping list,
// ended by SIGTERM.
#include <QProcess>
#include <QtTest>
#include <csignal>

#include "gui/gui_test_support.h"

using namespace brivonce::testing;

class NotesProcessTest : public QObject {
    Q_OBJECT

private slots:
    void sigtermSavesEveryNoteAndTheWholeShoppingList() {
        QTemporaryDir dir;
        QString folder = dir.path() + "/data";
        QString runtime = dir.path() + "/runtime";
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        WriteFile(folder + "/postits", "1.txt", "Pain\r\nLait");
        WriteFile(folder + "/postits", "3.txt", "");
        WriteFile(folder + "/postits", "notes.txt", "not a note");
        WriteFile(folder, "brivonce.ini", "[postit3]\r\nx=200\r\nmine=1\r\n");
        QByteArray tenLines = "1Pain\r\n0Lait\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1Riz\r\n";
        WriteFile(folder, "COURSES.TXT", tenLines);

        QProcess program;
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", runtime);
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(BRIVONCE_BINARY, {"--data-dir", folder});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime + "/brivonce.lock"), 20000);
        QTest::qWait(1000);  // its first showing brings the notes back
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);

        QCOMPARE(ReadFile(folder + "/postits/1.txt"), QByteArray("Pain\r\nLait"));
        QCOMPARE(ReadFile(folder + "/postits/3.txt"), QByteArray());
        QCOMPARE(QDir(folder + "/postits").count(), 5u);  // ".", "..", and the three files
        QByteArray ini = ReadFile(folder + "/brivonce.ini");
        QVERIFY(ini.contains("[postit1]\r\nx=10\r\ny=10\r\nw=175\r\nh=200\r\nAscenseurs=0\r\n"));
        QVERIFY(ini.contains("[postit3]\r\nx=200\r\ny=30\r\nw=175\r\nh=200\r\nAscenseurs=0\r\n"));
        QVERIFY(!ini.contains("mine="));
        QVERIFY(!ini.contains("[postit2]") && !ini.contains("postitnotes"));
        QByteArray courses = ReadFile(folder + "/COURSES.TXT");
        QVERIFY(courses.startsWith(tenLines + "0\r\n"));
        QCOMPARE(courses.count("\r\n"), 60);
    }
};

QTEST_GUILESS_MAIN(NotesProcessTest)
#include "notes_process_test.moc"
