#pragma once

#include <QAction>
#include <QObject>

class QWidget;

namespace brivonce {

// While a long walk over the week files runs, only its progress dialog acts.
// The walk holds one for its whole length. Every command that opens a window,
// edits or quits asks BlocksCommand() first, whatever reached it: a click, a
// key, or a tray menu that travels over D-Bus and that no modal window stops.
class WalkGuard {
public:
    // `progress` is the dialog the user is led back to.
    explicit WalkGuard(QWidget* progress);
    ~WalkGuard();
    WalkGuard(const WalkGuard&) = delete;
    WalkGuard& operator=(const WalkGuard&) = delete;

    static bool Active();
    // During a walk: brings its progress dialog forward and answers true; the
    // command then does nothing else.
    static bool BlocksCommand();
};

// Connects `action` to `command`, which a walk blocks; a tick the walk blocked
// keeps its state.
template <typename Command>
void ConnectCommand(QAction* action, QObject* receiver, Command command) {
    QObject::connect(action, &QAction::triggered, receiver, [action, command] {
        if (WalkGuard::BlocksCommand()) {
            if (action->isCheckable()) {
                action->setChecked(!action->isChecked());
            }
            return;
        }
        command();
    });
}

}  // namespace brivonce
