#include "ui/dialog_frame.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace brivonce {
namespace {

// Qt centres a dialog before the window manager has framed it, on a guess of
// the frame's size: the first showing lands above the centre. This centres the
// frame again once its size is known, which a platform with no frames (or no
// say over places) never tells.
class FrameCentring : public QObject {
public:
    explicit FrameCentring(QWidget* dialog) : QObject(dialog), m_dialog(dialog) {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Show:
                m_pending = true;
                break;
            case QEvent::Move:
            case QEvent::WindowActivate:
                if (m_pending) {
                    CentreIfFramed();
                }
                break;
            default:
                break;
        }
        return false;
    }

private:
    void CentreIfFramed() {
        // While the window manager reparents the window its frame may read
        // as any rectangle: only one around the client counts.
        QRect frame = m_dialog->frameGeometry();
        QRect client = m_dialog->geometry();
        if (frame == client || !frame.contains(client)) {
            return;
        }
        m_pending = false;
        // The client rectangle is set, not the frame's place: Qt's move()
        // counts the title bar twice under some window managers.
        QPoint frameCorner = m_dialog->screen()->availableGeometry().center() -
                             QPoint(frame.width() / 2, frame.height() / 2);
        client.moveTopLeft(frameCorner + (client.topLeft() - frame.topLeft()));
        m_dialog->setGeometry(client);
    }

    QWidget* m_dialog;
    bool m_pending = false;
};

}  // namespace

void MakeFixedDialog(QWidget* dialog, int width, int height, bool closeButton) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton) {
        flags |= Qt::WindowCloseButtonHint;
    }
    dialog->setWindowFlags(flags);
    dialog->setFixedSize(width, height);
    new FrameCentring(dialog);
}

}  // namespace brivonce
