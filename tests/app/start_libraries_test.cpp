// What a start maps into the process: no image-format plugin and no Qt Svg,
// neither in the tray nor at the memo window's first showing. A program of its
// own, so that no other test has loaded them first.
#include <QFile>
#include <QtTest>

#include "gui/gui_test_support.h"
#include "memo/main_window.h"

using namespace brivonce;
using namespace brivonce::testing;

namespace {

// The mapped files of this process that showing pictures should not need.
QStringList PictureLibrariesMapped() {
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly)) {
        return {"/proc/self/maps cannot be read"};
    }
    QStringList found;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        QString path = QString::fromUtf8(line.mid(line.indexOf('/')));
        bool picture = path.contains("/imageformats/") || path.contains("/iconengines/") ||
                       path.contains("libQt6Svg");
        if (line.contains('/') && picture && !found.contains(path)) {
            found.append(path);
        }
    }
    return found;
}

}  // namespace

class StartLibrariesTest : public QObject {
    Q_OBJECT

private:
    ScratchDataFolder m_data;

private slots:
    void init() { m_data.StartTest(); }

    void aStartInTheTrayAndTheFirstShowingLoadNoPicturePlugin() {
        WriteFile(m_data.Folder(), "brivonce.ini", "[Config]\r\nShowOnStart=0\r\n");
        TestRun run(m_data.Folder());
        QCOMPARE(run.Start(), StartResult::kRunning);
        TMainForm* mainForm = run.windows().mainForm;
        QVERIFY(!mainForm->isVisible());
        QCOMPARE(PictureLibrariesMapped(), QStringList());
        mainForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainForm));
        QCOMPARE(PictureLibrariesMapped(), QStringList());
    }
};

QTEST_MAIN(StartLibrariesTest)
#include "start_libraries_test.moc"
