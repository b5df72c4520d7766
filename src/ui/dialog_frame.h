#pragma once

#include <QWidget>

namespace brivonce {

// A fixed-size dialog frame: a title and a close button, never a minimise or
// maximise button (a minimised modal window would leave the user stuck).
// `closeButton` false leaves the title alone. `width` × `height` is the client
// area.
inline void MakeFixedDialog(QWidget* dialog, int width, int height, bool closeButton = true) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton) {
        flags |= Qt::WindowCloseButtonHint;
    }
    dialog->setWindowFlags(flags);
    dialog->setFixedSize(width, height);
}

}  // namespace brivonce
