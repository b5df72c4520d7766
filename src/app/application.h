#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/app_windows.h"
#include "platform/autostart.h"
#include "platform/desktop.h"
#include "platform/printers.h"
#include "platform/sound_player.h"
#include "ui/app_context.h"
#include "ui/clock.h"
#include "ui/message_boxes.h"

namespace brivonce {

class ActivityEdits;
class ActivityListWindows;
class CalendarImport;
class LazyAgenda;
struct CommandLine;
class PrintLink;
class SingleInstanceGuard;
class TerminationSignals;
class TrayPresence;

// The services a run uses; tests hand in fakes.
struct Services {
    std::unique_ptr<Clock> clock = std::make_unique<Clock>();
    std::unique_ptr<MessageBoxes> messageBoxes = std::make_unique<MessageBoxes>();
    std::unique_ptr<Desktop> desktop = std::make_unique<Desktop>();
    std::unique_ptr<SoundPlayer> soundPlayer = MakeSoundPlayer();
    std::unique_ptr<Autostart> autostart = MakeAutostart();
    std::unique_ptr<Printers> printers = std::make_unique<Printers>();
    std::function<bool()> trayAvailable;  // empty: ask the desktop
    // Leaves the event loop at the end of the program. exit(), not quit():
    // quit() first asks every window to close, and the memo window's close
    // only hides it.
    std::function<void()> endEventLoop = [] { QCoreApplication::exit(0); };
};

enum class StartResult { kRunning, kAlreadyRunning, kFailed, kEnded };

// One run of the program: the start-up sequence, the windows it creates, and
// their destruction at the end. Needs a QApplication.
class Application {
public:
    Application(const QStringList& arguments, Services services);
    ~Application();

    // Runs the start-up sequence. Anything but kRunning means this copy ends
    // at once and the caller skips the event loop.
    StartResult Start();

    AppContext& context() { return m_context; }
    AppWindows& windows() { return m_windowsByName; }

private:
    void StartUp();
    void ReportStartUpError(const std::string& message);
    void ShowMemoWindowUnlessATrayComes();
    // Logout, shutdown or a termination signal: save if there is anything to
    // save, and end without asking.
    void SessionEnding();
    void CreateWindows();
    void End();

    QStringList m_arguments;
    Services m_services;
    AppContext m_context;
    AppWindows m_windowsByName;
    std::unique_ptr<SingleInstanceGuard> m_guard;
    std::unique_ptr<TerminationSignals> m_signals;
    std::unique_ptr<TrayPresence> m_trayPresence;  // null when a test says whether a tray is there
    std::unique_ptr<PrintLink> m_print;
    std::vector<std::unique_ptr<QObject>> m_windows;  // destroyed in reverse order
    std::unique_ptr<ActivityListWindows> m_activityLists;
    std::unique_ptr<ActivityEdits> m_activityEdits;
    std::unique_ptr<CalendarImport> m_calendarImport;
    std::unique_ptr<LazyAgenda> m_agenda;
    bool m_ended = false;
};

// Loads Qt's own French texts for its standard dialogs.
void InstallFrenchTranslations();

// The tray program, once main() has read its command line.
int RunBrivonce(int argc, char** argv, const CommandLine& commandLine);

}  // namespace brivonce
