#include "app/application.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcessEnvironment>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTranslator>

#include "activities/activity_edits.h"
#include "agenda/agenda_window.h"
#include "agenda/date_picker_dialog.h"
#include "agenda/time_dialog.h"
#include "app/about_dialog.h"
#include "app/confirm_dialog.h"
#include "app/data_folder.h"
#include "app/splash_window.h"
#include "app/tray_window.h"
#include "memo/main_window.h"
#include "platform/single_instance.h"
#include "platform/termination_signals.h"
#include "text/error.h"

namespace brivonce {
namespace {

std::optional<std::filesystem::path> DataDirOption(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--data-dir" && i + 1 < arguments.size()) {
            return arguments[i + 1].toStdString();
        }
        if (arguments[i].startsWith("--data-dir=")) {
            return arguments[i].mid(11).toStdString();
        }
    }
    return std::nullopt;
}

std::string DataFolderFor(const QStringList& arguments) {
    auto environment = QProcessEnvironment::systemEnvironment();
    DataFolderSources sources{
        QFileInfo(QCoreApplication::applicationFilePath()).absolutePath().toStdString(),
        DataDirOption(arguments), environment.value("XDG_DATA_HOME").toStdString(),
        environment.value("HOME").toStdString()};
    return ChooseDataFolder(sources);
}

// "MS Sans Serif 8" of the original look: the platform's 8-point sans-serif.
QFont DialogFont() {
    QFont font("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

template <typename Window>
Window* Keep(std::vector<std::unique_ptr<QWidget>>& windows, Window* window) {
    windows.emplace_back(window);
    return window;
}

}  // namespace

Application::Application(const QStringList& arguments, Services services)
    : m_arguments(arguments), m_services(std::move(services)) {
    QApplication::setApplicationName("brivonce");
    // Every date the program shows is French, whatever the system's language.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(DialogFont());
    m_context.programPath = QCoreApplication::applicationFilePath();
    m_context.clock = m_services.clock.get();
    m_context.messageBoxes = m_services.messageBoxes.get();
    m_context.desktop = m_services.desktop.get();
    m_context.soundPlayer = m_services.soundPlayer.get();
    m_context.autostart = m_services.autostart.get();
    m_context.trayAvailable = m_services.trayAvailable ? m_services.trayAvailable : [] {
        return QSystemTrayIcon::isSystemTrayAvailable();
    };
}

Application::~Application() {
    while (!m_windows.empty()) {
        m_windows.pop_back();
    }
}

StartResult Application::Start() {
    // Nothing is read or written before we know we are the only copy.
    m_guard = std::make_unique<SingleInstanceGuard>(QFileInfo(m_context.programPath).fileName());
    if (!m_guard->Acquire()) {
        return StartResult::kAlreadyRunning;
    }
    m_signals = std::make_unique<TerminationSignals>();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        StartUp();
    } catch (const Error& error) {
        QApplication::restoreOverrideCursor();
        m_context.messageBoxes->ShowError(nullptr, error.what());
        return StartResult::kFailed;
    }
    QApplication::restoreOverrideCursor();
    if (m_ended) {
        return StartResult::kEnded;
    }
    TMainForm* mainForm = m_windowsByName.mainForm;
    if (mainForm->ShowOnStartTicked() || !m_context.trayAvailable()) {
        mainForm->show();
    }
    return m_ended ? StartResult::kEnded : StartResult::kRunning;
}

void Application::StartUp() {
    m_context.dataFolder = DataFolderFor(m_arguments);
    EnsureDataFolder(m_context.dataFolder);
    CreateWindows();
    ShowSplashIfPresent(m_context.dataFolder, m_context.splashMilliseconds);
}

void Application::CreateWindows() {
    AppWindows& windows = m_windowsByName;
    windows.trayForm = Keep(m_windows, new TTrayForm(m_context, windows));
    QObject::connect(windows.trayForm, &TTrayForm::EndRequested, [this] { End(); });
    QObject::connect(m_signals.get(), &TerminationSignals::Requested, windows.trayForm,
                     &TTrayForm::SessionEnding);
    QObject::connect(
        qApp, &QGuiApplication::commitDataRequest, windows.trayForm,
        [trayForm = windows.trayForm](QSessionManager&) { trayForm->SessionEnding(); });
    windows.mainForm = Keep(m_windows, new TMainForm(m_context));
    QObject::connect(windows.mainForm, &TMainForm::QuitRequested, windows.trayForm,
                     &TTrayForm::FormCloseQuery);
    windows.trayForm->AttachMenu(windows.mainForm->PopupMenu1);
    // The agenda's own dialogs come first, since it is given them.
    windows.choixD = Keep(m_windows, new TChoixD(m_context));
    windows.hSaisie = Keep(m_windows, new THSaisie);
    windows.agend = Keep(m_windows, new TAgend(m_context, windows.choixD, windows.hSaisie));
    m_context.links.agenda = windows.agend;
    windows.confirm = Keep(m_windows, new TConfirm);
    windows.aboutBox = Keep(m_windows, new TAboutBox);
    m_context.links.aboutBox = windows.aboutBox;
    // Repetition, deletion and search over the week files.
    m_activityEdits = std::make_unique<ActivityEdits>(m_context);
    m_context.links.activityEdits = windows.activityEdits = m_activityEdits.get();
    windows.repet = m_activityEdits->Repet();
    windows.wait = m_activityEdits->Wait();
    windows.suppr = m_activityEdits->Suppr();
    windows.per = m_activityEdits->Per();
    windows.find = m_activityEdits->Find();
}

void Application::End() {
    m_ended = true;
    m_services.endEventLoop();
}

void InstallFrenchTranslations() {
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::French), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

int RunBrivonce(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallFrenchTranslations();
    Application application(app.arguments(), Services{});
    switch (application.Start()) {
        case StartResult::kRunning:
            if (app.arguments().contains("--exit-after-start")) {
                // Start-up measurement: leave as soon as the event loop runs.
                QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
            }
            return app.exec();
        case StartResult::kFailed:
            return 1;
        case StartResult::kAlreadyRunning:
        case StartResult::kEnded:
            return 0;
    }
    return 0;
}

}  // namespace brivonce
