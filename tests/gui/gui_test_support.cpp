#include "gui/gui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest>

#include "agenda/agenda_window.h"
#include "app/lazy_agenda.h"
#include "settings/ini_file.h"
#include "ui/cp1252_input.h"

namespace brivonce::testing {
namespace {

// Window tests never touch the real user's files, whoever runs them: the
// runtime, configuration and data folders point into a scratch folder before
// the application object exists.
void IsolateFromTheUsersFiles() {
    // The audio server a test run started stays reachable from the new
    // runtime folder.
    QString audio = qEnvironmentVariable("XDG_RUNTIME_DIR") + "/pulse/native";
    if (!qEnvironmentVariableIsSet("PULSE_SERVER") && QFile::exists(audio)) {
        qputenv("PULSE_SERVER", ("unix:" + audio).toLocal8Bit());
    }
    static QTemporaryDir scratch;
    const std::pair<const char*, const char*> folders[] = {{"XDG_RUNTIME_DIR", "/runtime"},
                                                           {"XDG_CONFIG_HOME", "/config"},
                                                           {"XDG_DATA_HOME", "/data"}};
    for (const auto& [variable, name] : folders) {
        QString folder = scratch.path() + name;
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(variable, folder.toLocal8Bit());
    }
}
Q_CONSTRUCTOR_FUNCTION(IsolateFromTheUsersFiles)

}  // namespace

QMessageBox::StandardButton ScriptedMessageBoxes::Show(QWidget*, Icon icon, const QString& title,
                                                       const QString& text,
                                                       QMessageBox::StandardButtons) {
    shown.append({icon, title, text});
    if (answers.empty()) {
        return QMessageBox::Ok;
    }
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

TestRun::TestRun(const QString& dataFolder, bool trayAvailable) : folder(dataFolder) {
    ResetStorableNotice();  // once per run of the program
    Services services;
    auto boxesOwned = std::make_unique<ScriptedMessageBoxes>();
    auto clockOwned = std::make_unique<FakeClock>();
    auto desktopOwned = std::make_unique<FakeDesktop>();
    boxes = boxesOwned.get();
    clock = clockOwned.get();
    desktop = desktopOwned.get();
    services.messageBoxes = std::move(boxesOwned);
    services.clock = std::move(clockOwned);
    services.desktop = std::move(desktopOwned);
    auto soundOwned = std::make_unique<FakeSoundPlayer>();
    auto autostartOwned = std::make_unique<FakeAutostart>();
    sound = soundOwned.get();
    autostart = autostartOwned.get();
    services.soundPlayer = std::move(soundOwned);
    services.autostart = std::move(autostartOwned);
    auto printersOwned = std::make_unique<FakePrinters>();
    printers = printersOwned.get();
    services.printers = std::move(printersOwned);
    services.trayAvailable = [trayAvailable] { return trayAvailable; };
    // A real exit() would make every later modal loop of the test return at once.
    services.endEventLoop = [] {};
    application = std::make_unique<Application>(QStringList{"brivonce", "--data-dir", dataFolder},
                                                std::move(services));
    application->context().splashMilliseconds = 50;
}

TestRun::~TestRun() = default;

void FailOnUnexpectedWarnings() {
    // The offscreen platform has no window manager and no tray; these say so.
    QTest::failOnWarning(
        QRegularExpression("^(?!This plugin does not support|.*No such signal "
                           "QPlatformNativeInterface::systemTrayWindowChanged).*"));
}

void ScratchDataFolder::StartTest() {
    FailOnUnexpectedWarnings();
    QVERIFY(m_dir.isValid());
    QDir(Folder()).removeRecursively();
}

void OnNextModal(std::function<void(QWidget*)> action) {
    OnModalWhere([](QWidget*) { return true; }, std::move(action));
}

void OnModalWhere(std::function<bool(QWidget*)> wanted, std::function<void(QWidget*)> action) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, wanted, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && wanted(modal)) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}

TAgend* OpenAgenda(TestRun& run, QDateTime now) {
    run.clock->now = now;
    // The memo window stays hidden: its first showing would open the list of
    // past activities.
    QDir().mkpath(run.folder);
    IniFile settings((run.folder + "/brivonce.ini").toStdString());
    settings.WriteBool("Config", "ShowOnStart", false);
    settings.Save();
    if (run.Start() != StartResult::kRunning) {
        return nullptr;
    }
    TAgend* agenda = run.windows().agenda->Agenda();
    agenda->DisplayWeek(agenda->DisplayedMonday());
    agenda->show();
    agenda->activateWindow();
    return QTest::qWaitForWindowActive(agenda) ? agenda : nullptr;
}

void WriteFile(const QString& folder, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(folder);
    QFile file(folder + "/" + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace brivonce::testing
