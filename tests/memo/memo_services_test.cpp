// The real sound player against a real audio server, and the real session
// autostart entry in a scratch configuration folder.
#include <sys/stat.h>
#include <QProcess>
#include <QtTest>

#include "gui/gui_test_support.h"
#include "platform/autostart.h"
#include "platform/autostart_entry.h"
#include "platform/desktop.h"
#include "platform/sound_player.h"
#include "text/error.h"

using namespace brivonce;
using namespace brivonce::testing;

namespace {

// What `pactl` prints, or nullopt when no audio server answers.
std::optional<QString> Pactl(const QStringList& arguments) {
    QProcess pactl;
    pactl.start("pactl", arguments);
    if (!pactl.waitForFinished(5000) || pactl.exitStatus() != QProcess::NormalExit ||
        pactl.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

// The playback streams the server has: one line each.
qsizetype Streams() {
    return Pactl({"list", "short", "sink-inputs"}).value_or("").count('\n');
}

template <typename Action>
QString ErrorOf(Action action) {
    try {
        action();
    } catch (const Error& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

}  // namespace

class MemoServicesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_savedConfigHome;
    QByteArray m_savedHome;

    QString Entry() const { return m_dir.path() + "/config/autostart/brivonce.desktop"; }

private slots:
    void initTestCase() {
        m_savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        m_savedHome = qgetenv("HOME");
    }
    void init() {
        FailOnUnexpectedWarnings();
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + "/config").toUtf8());
    }
    void cleanup() {
        qputenv("XDG_CONFIG_HOME", m_savedConfigHome);
        qputenv("HOME", m_savedHome);
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void theSoundLoopsUntilStopped() {
        if (!Pactl({"info"})) {
            QSKIP("no audio server answers pactl info");
        }
        std::unique_ptr<SoundPlayer> owned = MakeSoundPlayer();
        SoundPlayer& player = *owned;
        QVERIFY(player.Capable());
        QString wav = FindShippedFile("default.wav");
        QVERIFY(!wav.isEmpty());
        player.SetFile(wav);
        QCOMPARE(player.File(), wav);
        qsizetype before = Streams();
        player.Play();
        QTRY_COMPARE_WITH_TIMEOUT(Streams(), before + 1, 5000);
        QTest::qWait(2500);  // more than three times the 0.7 s sound
        QCOMPARE(Streams(), before + 1);
        player.Stop();
        QTRY_COMPARE_WITH_TIMEOUT(Streams(), before, 5000);
    }

    void aVanishedSoundPlaysNothing() {
        if (!Pactl({"info"})) {
            QSKIP("no audio server answers pactl info");
        }
        QString wav = m_dir.path() + "/gone.wav";
        QVERIFY(QFile::copy(FindShippedFile("default.wav"), wav));
        std::unique_ptr<SoundPlayer> owned = MakeSoundPlayer();
        SoundPlayer& player = *owned;
        player.SetFile(wav);
        QVERIFY(QFile::remove(wav));
        qsizetype before = Streams();
        player.Play();
        QTest::qWait(1000);
        QCOMPARE(Streams(), before);
        player.Stop();
    }

    void theEntryAppearsWithTheQuotedProgramAndGoes() {
        XdgAutostart autostart;
        QCOMPARE(XdgAutostart::EntryPath(), Entry());
        autostart.Enable("/opt/mes programmes/brivonce", {"--data-dir", "/home/m/Mes notes"});
        QString text = QString::fromUtf8(ReadFile(Entry()));
        QCOMPARE(text, QString::fromStdString(AutostartEntryText(
                           "/opt/mes programmes/brivonce", {"--data-dir", "/home/m/Mes notes"})));
        QVERIFY(text.contains(
            "\nExec=\"/opt/mes programmes/brivonce\" --data-dir \"/home/m/Mes notes\"\n"));

        // The same entry again is not rewritten: the file stays the one it was.
        struct stat before {};
        QCOMPARE(::stat(QFile::encodeName(Entry()).constData(), &before), 0);
        autostart.Enable("/opt/mes programmes/brivonce", {"--data-dir", "/home/m/Mes notes"});
        struct stat after {};
        QCOMPARE(::stat(QFile::encodeName(Entry()).constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);

        autostart.Enable("/usr/bin/brivonce", {});  // the program moved: the entry follows
        QVERIFY(ReadFile(Entry()).contains("\nExec=/usr/bin/brivonce\n"));
        QCOMPARE(QDir(m_dir.path() + "/config/autostart").entryList(QDir::Files | QDir::Hidden),
                 QStringList{"brivonce.desktop"});  // no temporary left behind

        autostart.Disable();
        QVERIFY(!QFileInfo::exists(Entry()));
        autostart.Disable();  // nothing to remove is no error
    }

    void withoutAnAbsoluteConfigHomeTheEntryGoesUnderHome() {
        qputenv("HOME", m_dir.path().toUtf8());
        for (const char* configHome : {"", "relative/config"}) {
            qputenv("XDG_CONFIG_HOME", configHome);
            QCOMPARE(XdgAutostart::EntryPath(),
                     m_dir.path() + "/.config/autostart/brivonce.desktop");
        }
        XdgAutostart().Enable("/usr/bin/brivonce", {});
        QVERIFY(QFileInfo(m_dir.path() + "/.config/autostart/brivonce.desktop").isFile());
    }

    void failuresSayWhichFolderOrEntry() {
        WriteFile(m_dir.path() + "/config", "autostart", "not a folder");
        QCOMPARE(ErrorOf([] { XdgAutostart().Enable("/usr/bin/brivonce", {}); }),
                 QString::fromUtf8("Erreur de création de la clé ") + m_dir.path() +
                     "/config/autostart");

        QFile::remove(m_dir.path() + "/config/autostart");
        QVERIFY(QDir().mkpath(Entry() + "/inside"));  // a folder where the entry goes
        QString dataError =
            QString::fromUtf8("Erreur à définition des données pour '") + Entry() + "'";
        QCOMPARE(ErrorOf([] { XdgAutostart().Enable("/usr/bin/brivonce", {}); }), dataError);
        QCOMPARE(ErrorOf([] { XdgAutostart().Disable(); }), dataError);
    }
};

QTEST_MAIN(MemoServicesTest)
#include "memo_services_test.moc"
