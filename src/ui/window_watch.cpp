#include "ui/window_watch.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace brivonce {

WindowWatch::WindowWatch(QObject* parent, std::function<void()> changed)
    : QObject(parent), m_changed(std::move(changed)) {
    qApp->installEventFilter(this);
}

bool WindowWatch::eventFilter(QObject* watched, QEvent* event) {
    bool shownOrHidden = event->type() == QEvent::Show || event->type() == QEvent::Hide;
    if (shownOrHidden && !m_pending && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        m_pending = true;
        QTimer::singleShot(0, this, [this] {
            m_pending = false;
            m_changed();
        });
    }
    return false;
}

}  // namespace brivonce
