#include "app/application.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <iostream>

#include "activities/activity_edits.h"
#include "activities/activity_list_windows.h"
#include "activities/calendar_import_dialog.h"
#include "app/about_dialog.h"
#include "app/command_line.h"
#include "app/confirm_dialog.h"
#include "app/data_folder.h"
#include "app/lazy_agenda.h"
#include "app/splash_window.h"
#include "app/tray_window.h"
#include "memo/main_window.h"
#include "notes/notes_windows.h"
#include "notes/postit_store.h"
#include "platform/launch_feedback.h"
#include "platform/session_platform.h"
#include "platform/single_instance.h"
#include "platform/termination_signals.h"
#include "platform/tray_presence.h"
#include "print/print_service.h"
#include "print/print_size_dialog.h"
#include "text/error.h"
#include "text/safe_file.h"
#include "ui/icons.h"

namespace brivonce {
namespace {

CommandLine ReadCommandLine(const QStringList& arguments) {
    std::vector<std::string> options;
    for (const QString& argument : arguments.mid(1)) {
        options.push_back(argument.toStdString());
    }
    return ParseCommandLine(options);
}

// "MS Sans Serif 8" of the original look: the platform's 8-point sans-serif.
QFont DialogFont() {
    QFont font("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

template <typename Window>
Window* Keep(std::vector<std::unique_ptr<QObject>>& windows, Window* window) {
    windows.emplace_back(window);
    return window;
}

constexpr int kTrayGraceMs = 5000;

// What a second start tells whoever started it from a terminal.
constexpr const char* kRunningCopyShown = "Brivonce est déjà lancé : sa fenêtre est affichée.";
constexpr const char* kRunningCopyUnreachable = "Brivonce est déjà lancé.";

}  // namespace

Application::Application(const QStringList& arguments, Services services)
    : m_arguments(arguments), m_services(std::move(services)) {
    // Also the name a StatusNotifier tray shows for the icon.
    QApplication::setApplicationName("Brivonce");
    QGuiApplication::setDesktopFileName(BRIVONCE_APP_ID);  // its menu entry and icon
    // Every date the program shows is French, whatever the system's language.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(DialogFont());
    UseBuiltInToolbarIcons();
    m_context.programPath = QCoreApplication::applicationFilePath();
    m_context.clock = m_services.clock.get();
    m_context.messageBoxes = m_services.messageBoxes.get();
    m_context.desktop = m_services.desktop.get();
    m_context.soundPlayer = m_services.soundPlayer.get();
    m_context.autostart = m_services.autostart.get();
    if (m_services.trayAvailable) {
        m_context.trayAvailable = m_services.trayAvailable;
    } else {
        m_trayPresence = std::make_unique<TrayPresence>();
        m_context.trayAvailable = [presence = m_trayPresence.get()] {
            return presence->Available();
        };
    }
}

Application::~Application() {
    while (!m_windows.empty()) {
        m_windows.pop_back();
    }
}

StartResult Application::Start() {
    // Nothing is read or written before we know we are the only copy.
    // A logout must be able to end the program from the first moment, even
    // while a start-up error box is open.
    m_signals = std::make_unique<TerminationSignals>();
    QObject::connect(m_signals.get(), &TerminationSignals::Requested, [this] { SessionEnding(); });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest,
                     [this](QSessionManager&) { SessionEnding(); });
    m_guard = std::make_unique<SingleInstanceGuard>(QFileInfo(m_context.programPath).fileName());
    switch (m_guard->Acquire()) {
        case SingleInstanceGuard::Result::kAcquired:
            break;
        case SingleInstanceGuard::Result::kHeldElsewhere:
            std::cerr << (m_guard->AskRunningCopyToShow() ? kRunningCopyShown
                                                          : kRunningCopyUnreachable)
                      << std::endl;
            return StartResult::kAlreadyRunning;
        case SingleInstanceGuard::Result::kFailed:
            ReportStartUpError(FormatMessage(kCannotCreate, m_guard->lockPath().toStdString()));
            return StartResult::kFailed;
    }
    // No hourglass: loading the cursor theme would cost more than the few
    // milliseconds it would be seen.
    try {
        StartUp();
    } catch (const std::exception& error) {  // Error, or a failure of the system's
        ReportStartUpError(error.what());
        return StartResult::kFailed;
    }
    if (m_ended) {
        return StartResult::kEnded;
    }
    TMainForm* mainForm = m_windowsByName.mainForm;
    if (mainForm->ShowOnStartTicked()) {
        mainForm->show();
    } else if (!m_context.trayAvailable()) {
        ShowMemoWindowUnlessATrayComes();
    } else {
        mainForm->Alarm()->ListMissedSinceLastRun();  // the past list is not shown
    }
    return m_ended ? StartResult::kEnded : StartResult::kRunning;
}

// Without a tray the memo window is the only way back. Started with the
// session, the program often comes before the panel: a tray that is being
// watched for gets a few seconds to come.
void Application::ShowMemoWindowUnlessATrayComes() {
    TMainForm* mainForm = m_windowsByName.mainForm;
    if (!m_trayPresence) {
        mainForm->show();
        return;
    }
    QTimer::singleShot(kTrayGraceMs, mainForm, [this, mainForm] {
        if (!m_context.trayAvailable()) {
            mainForm->show();
        }
    });
}

// The program ends after such an error: it goes to the error box and, for
// whoever started the program from a terminal or a session script, to stderr.
void Application::ReportStartUpError(const std::string& message) {
    std::cerr << ErrorBoxText(message) << std::endl;
    m_context.messageBoxes->ShowError(nullptr, message);
}

void Application::SessionEnding() {
    if (m_windowsByName.trayForm) {
        m_windowsByName.trayForm->SessionEnding();
    } else {
        End();  // nothing to save yet
    }
}

void Application::StartUp() {
    std::optional<std::filesystem::path> dataDir = ReadCommandLine(m_arguments).dataDir;
    m_context.dataFolder = ChooseDataFolder(
        QFileInfo(QCoreApplication::applicationFilePath()).absolutePath().toStdString(), dataDir);
    if (dataDir) {
        m_context.startArguments = {"--data-dir",
                                    QDir::cleanPath(QString::fromStdString(m_context.dataFolder))};
    }
    EnsureDataFolder(m_context.dataFolder);
    // No save runs yet: whatever temporary is there was left by a killed one.
    RemoveLeftoverTemporaries(m_context.dataFolder);
    RemoveLeftoverTemporaries(PostitFolder(m_context.dataFolder));
    CreateWindows();
    ShowSplashIfPresent(m_context.dataFolder, m_context.splashMilliseconds);
}

void Application::CreateWindows() {
    AppWindows& windows = m_windowsByName;
    windows.trayForm = Keep(m_windows, new TTrayForm(m_context, windows));
    QObject::connect(windows.trayForm, &TTrayForm::EndRequested, [this] { End(); });
    windows.mainForm = Keep(m_windows, new TMainForm(m_context));
    QObject::connect(windows.mainForm, &TMainForm::QuitRequested, windows.trayForm,
                     &TTrayForm::FormCloseQuery);
    windows.trayForm->AttachMenu(windows.mainForm->PopupMenu1);
    QObject::connect(m_guard.get(), &SingleInstanceGuard::ShowRequested, windows.trayForm,
                     &TTrayForm::ShowMemoWindow);
    if (m_trayPresence && !windows.trayForm->RxTrayIcon1) {
        QObject::connect(m_trayPresence.get(), &TrayPresence::Appeared, windows.trayForm,
                         &TTrayForm::TrayAppeared);
        m_trayPresence->WatchForTray();
    }
    m_agenda = std::make_unique<LazyAgenda>(m_context);
    windows.agenda = m_agenda.get();
    m_context.links.agenda = m_agenda.get();
    windows.config = Keep(m_windows, new TConfig(m_context));
    m_print = std::make_unique<PrintService>(*m_services.printers, *windows.config);
    m_context.links.print = m_print.get();
    // The lists of activities and the week file clean-up.
    m_activityLists = std::make_unique<ActivityListWindows>(m_context);
    m_context.links.activityLists = windows.activityLists = m_activityLists.get();
    windows.confirm = OnFirstUse<TConfirm>([] { return std::make_unique<TConfirm>(); });
    windows.notes = Keep(m_windows, new NotesWindows(m_context));
    m_context.links.notes = windows.notes;
    windows.aboutBox = OnFirstUse<QDialog>([] { return std::make_unique<TAboutBox>(); });
    m_context.links.aboutBox = &windows.aboutBox;
    // Repetition, deletion and search over the week files.
    m_activityEdits = std::make_unique<ActivityEdits>(m_context);
    m_context.links.activityEdits = windows.activityEdits = m_activityEdits.get();
    m_calendarImport =
        std::make_unique<CalendarImport>(m_context, [this] { return m_activityEdits->Wait(); });
    m_context.links.calendarImport = m_calendarImport.get();
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

namespace {

// Decided before the QApplication exists, which reads it. Only this program
// gets the choice: what it starts (a browser, a help viewer) gets the
// session's own.
bool ChooseXWaylandWhenAvailable() {
    auto variable = [](const char* name) { return qgetenv(name).toStdString(); };
    const std::string qtPlatform = variable("QT_QPA_PLATFORM");
    const std::string waylandDisplay = variable("WAYLAND_DISPLAY");
    const std::string sessionType = variable("XDG_SESSION_TYPE");
    const std::string x11Display = variable("DISPLAY");
    bool chosen = RunThroughXWayland({qtPlatform, waylandDisplay, sessionType, x11Display});
    if (chosen) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");  // natively if XWayland fails to start
    }
    return chosen;
}

}  // namespace

int RunBrivonce(int argc, char** argv, const CommandLine& commandLine) {
    bool throughXWayland = ChooseXWaylandWhenAvailable();
    const QByteArray startupId = LauncherStartupId();
    QApplication app(argc, argv);
    if (throughXWayland) {
        qunsetenv("QT_QPA_PLATFORM");
    }
    InstallFrenchTranslations();
    Application application(app.arguments(), Services{});
    switch (application.Start()) {
        case StartResult::kRunning:
            if (commandLine.exitAfterStart) {
                // Start-up measurement: leave as soon as the event loop runs.
                QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
            }
            return app.exec();
        case StartResult::kFailed:
            return 1;
        case StartResult::kAlreadyRunning:
            EndLaunchFeedback(startupId);
            return 0;
        case StartResult::kEnded:
            return 0;
    }
    return 0;
}

}  // namespace brivonce
