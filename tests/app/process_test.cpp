// The real program as separate processes: one copy per user, SIGTERM, and the
// export beside a running copy.
#include <QProcess>
#include <QtTest>
#include <csignal>

#include "gui/gui_test_support.h"
#include "mounted_tmpfs.h"

using namespace brivonce::testing;

class ProcessTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString Runtime() const { return m_dir.path() + "/runtime"; }

    void Launch(QProcess& process, const QString& dataFolder, const QStringList& more = {},
                const QString& runtime = {}) {
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", runtime.isEmpty() ? Runtime() : runtime);
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        process.start(BRIVONCE_BINARY, QStringList{"--data-dir", dataFolder} + more);
        QVERIFY(process.waitForStarted());
    }

    // The running copy holds its lock and has written nothing yet.
    void WaitUntilRunning(const QString& dataFolder) {
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(Runtime() + "/brivonce.lock"), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(QDir(dataFolder).exists(), 20000);
        QTest::qWait(300);  // let it reach its event loop
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        QDir().mkpath(Runtime());
        QFile::setPermissions(Runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void secondCopyEndsAtOnceAndTouchesNothing() {
        QProcess first;
        Launch(first, m_dir.path() + "/first");
        WaitUntilRunning(m_dir.path() + "/first");

        QProcess second;
        Launch(second, m_dir.path() + "/second");
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(second.readAllStandardError()),
                 QString("Brivonce est déjà lancé : sa fenêtre est affichée.\n"));
        QVERIFY(!QDir(m_dir.path() + "/second").exists());
        QCOMPARE(first.state(), QProcess::Running);

        ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
        QVERIFY(first.waitForFinished(10000));
    }

    void sigtermSavesTheSettingsAndEnds() {
        QString folder = m_dir.path() + "/data";
        QProcess program;
        Launch(program, folder);
        WaitUntilRunning(folder);
        QVERIFY(!QFile::exists(folder + "/brivonce.ini"));
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QByteArray ini = ReadFile(folder + "/brivonce.ini");
        QVERIFY(ini.startsWith("[MainW]\r\n"));
        QVERIFY(ini.endsWith("ShowOnStart=1\r\n"));
        QVERIFY(!QFile::exists(Runtime() + "/brivonce.lock"));  // released at the end
    }

    // What a program the session manager waits on must never do: hang or crash.
    void sigtermWhileAStartUpErrorIsShownEndsTheProgram() {
        QString folder = m_dir.path() + "/unreadable";
        QDir().mkpath(folder + "/brivonce.ini");  // a folder: the settings cannot be read
        QProcess program;
        Launch(program, folder);
        QByteArray told;
        QTRY_VERIFY_WITH_TIMEOUT((told += program.readAllStandardError()).contains("Impossible"),
                                 20000);
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
    }

    void aFailedSaveAtSessionEndIsToldOnStderrAndTheProgramEnds() {
        QString folder = m_dir.path() + "/unwritable";
        QProcess program;
        Launch(program, folder);
        WaitUntilRunning(folder);
        QDir().mkpath(folder + "/brivonce.txt");  // the memo can no longer be written
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY(
            program.readAllStandardError().contains("Impossible de cr\xC3\xA9"
                                                    "er le fichier"));
    }

    void aLockFileThatHoldsNoLockIsTakenOver() {
        QString folder = m_dir.path() + "/taken-over";
        QString lock = Runtime() + "/brivonce.lock";
        const QByteArray contents[] = {"", "garbage\nnot a pid\n"};
        for (const QByteArray& content : contents) {
            WriteFile(Runtime(), "brivonce.lock", content);
            QProcess program;
            Launch(program, folder);
            QTRY_VERIFY_WITH_TIMEOUT(QDir(folder).exists(), 20000);
            QVERIFY(!program.waitForFinished(1000));  // running, not "already running"
            ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
            QVERIFY(program.waitForFinished(10000));
            QDir(folder).removeRecursively();
        }
        QVERIFY(QDir().mkpath(lock));  // a folder in the lock's place
        QProcess program;
        Launch(program, folder);
        QTRY_VERIFY_WITH_TIMEOUT(QDir(folder).exists(), 20000);
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
    }

    // The export takes no lock: it runs while the tray program holds its own.
    void exportRunsBesideTheRunningProgram() {
        QString folder = m_dir.path() + "/data";
        QProcess program;
        Launch(program, folder);
        WaitUntilRunning(folder);

        QProcess exporter;
        Launch(exporter, folder, {"--export-ics", m_dir.path() + "/agenda.ics"});
        QVERIFY(exporter.waitForFinished(10000));
        QCOMPARE(exporter.exitCode(), 0);
        QVERIFY(ReadFile(m_dir.path() + "/agenda.ics").startsWith("BEGIN:VCALENDAR\r\n"));
        QCOMPARE(program.state(), QProcess::Running);

        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
    }

    void aLockThatCannotBeMadeIsAnErrorNotAnotherCopy() {
        MountedTmpfs runtime("size=64k,mode=0700");
        if (!runtime.mounted()) {
            QSKIP("mounting a tmpfs needs root");
        }
        runtime.MakeReadOnly();
        QProcess program;
        Launch(program, m_dir.path() + "/data", {},
               QString::fromStdString(runtime.path().string()));
        QByteArray told;
        QTRY_VERIFY_WITH_TIMEOUT((told += program.readAllStandardError())
                                     .contains("Impossible de cr\xC3\xA9"
                                               "er le fichier"),
                                 20000);
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);  // closes the error box
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 1);
    }

    void lockLeftByACrashedCopyIsTakenOver() {
        QString folder = m_dir.path() + "/data";
        QProcess crashed;
        Launch(crashed, folder);
        WaitUntilRunning(folder);
        crashed.kill();  // SIGKILL: the lock file stays behind
        QVERIFY(crashed.waitForFinished(10000));
        QVERIFY(QFile::exists(Runtime() + "/brivonce.lock"));

        QProcess next;
        Launch(next, folder);
        QTest::qWait(1500);
        QCOMPARE(next.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(next.processId()), SIGTERM);
        QVERIFY(next.waitForFinished(10000));
        QCOMPARE(next.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(ProcessTest)
#include "process_test.moc"
