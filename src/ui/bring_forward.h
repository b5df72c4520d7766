#pragma once

#include <QWidget>

namespace brivonce {

// `window` in front of the others and active, restored first if minimised.
inline void BringForward(QWidget* window) {
    if (window->isMinimized()) {
        window->showNormal();
    }
    window->raise();
    window->activateWindow();
}

}  // namespace brivonce
