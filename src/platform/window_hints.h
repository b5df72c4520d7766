#pragma once

class QWidget;

namespace brivonce {

// Asks the window manager for a title bar with no button at all, not even a
// close box, for `window` (created on the spot if it is not yet). Qt's own
// flags leave the decorations to the window manager's defaults. Call it
// before the window is shown. Does nothing where the platform has no such
// request.
void AskNoCaptionButtons(QWidget* window);

}  // namespace brivonce
