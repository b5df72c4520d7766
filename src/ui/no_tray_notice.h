#pragma once

class QWidget;

namespace brivonce {

struct AppContext;

// Tells the user, once per data folder, why the memo window stays on screen
// when the desktop shows no notification area, and how GNOME gets one.
void TellOnceThatNoTrayWasFound(AppContext& context, QWidget* parent);

}  // namespace brivonce
