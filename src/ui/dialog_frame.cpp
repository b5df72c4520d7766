#include "ui/dialog_frame.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace brivonce {
namespace {

// Qt centres a dialog before the window manager has framed it, on a guess of
// the frame's size: the first showing lands above the centre. This centres the
// frame again once its size is known. Qt learns it at no set moment after the
// showing, hence the polling; a platform with no frames (or no say over
// places) never tells it, and the dialog stays where Qt put it.
class FrameCentring : public QObject {
public:
    explicit FrameCentring(QWidget* dialog) : QObject(dialog), m_dialog(dialog) {
        dialog->installEventFilter(this);
        m_poll.setInterval(25);
        connect(&m_poll, &QTimer::timeout, this, &FrameCentring::CentreIfFramed);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            m_tries = 0;
            m_poll.start();
        }
        return false;
    }

private:
    static constexpr int kMaxTries = 120;  // 3 s

    void CentreIfFramed() {
        // While the window manager reparents the window its frame may read
        // as any rectangle: only one around the client counts.
        QRect frame = m_dialog->frameGeometry();
        QRect client = m_dialog->geometry();
        bool framed = frame != client && frame.contains(client);
        if (!m_dialog->isVisible() || framed || ++m_tries > kMaxTries) {
            m_poll.stop();
        }
        if (!framed || !m_dialog->isVisible()) {
            return;
        }
        // The client rectangle is set, not the frame's place: Qt's move()
        // counts the title bar twice under some window managers.
        QPoint frameCorner = m_dialog->screen()->availableGeometry().center() -
                             QPoint(frame.width() / 2, frame.height() / 2);
        client.moveTopLeft(frameCorner + (client.topLeft() - frame.topLeft()));
        m_dialog->setGeometry(client);
    }

    QWidget* m_dialog;
    QTimer m_poll;
    int m_tries = 0;
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
