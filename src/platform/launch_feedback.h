#pragma once

#include <QByteArray>

namespace brivonce {

// A launcher shows the program it starts as busy until one of its windows
// appears (X11 startup notification). A second copy shows none, so it ends
// that feedback itself before it exits.

// The launcher's id for this start; read before the QApplication exists,
// which takes it from the environment.
QByteArray LauncherStartupId();

// Tells the desktop that the start with that id is over. Nothing without an
// id or outside X11.
void EndLaunchFeedback(const QByteArray& startupId);

}  // namespace brivonce
