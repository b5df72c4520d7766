#include "ui/autosave.h"

#include <QEvent>
#include <QWidget>
#include <exception>

#include "ui/message_boxes.h"

namespace brivonce {

Autosave::Autosave(QWidget* window, MessageBoxes& boxes, std::function<void()> save)
    : m_window(window), m_boxes(boxes), m_save(std::move(save)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &Autosave::SaveNow);
    m_window->installEventFilter(this);
}

Autosave::~Autosave() {
    m_window->removeEventFilter(this);
}

void Autosave::Changed() {
    m_pending = true;
    m_timer.start();
}

void Autosave::SaveNow() {
    if (!m_pending) {
        return;
    }
    // Cleared first: the error box takes the focus, which must not save again.
    Cancel();
    try {
        m_save();
        m_failureShown = false;
    } catch (const std::exception& error) {
        if (!m_failureShown) {
            m_failureShown = true;
            m_boxes.ShowError(m_window, error.what());
        }
    }
}

void Autosave::Cancel() {
    m_pending = false;
    m_timer.stop();
}

bool Autosave::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::WindowDeactivate) {
        SaveNow();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace brivonce
