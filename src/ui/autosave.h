#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace brivonce {

class MessageBoxes;

// Saves what the user types about two seconds after the last change, and at
// once when the window loses the focus, so that a crash, a power cut or a
// killed session loses at most those two seconds. Only a pending change is
// saved. A failure shows the error box once, not every two seconds; the next
// change tries again, and a success makes the next failure show again.
//
// Keep it as a member of the window it watches (not a child), so it is gone
// before the window's own members are: `save` may use them.
class Autosave : public QObject {
public:
    static constexpr int kDelayMilliseconds = 2000;

    // `save` raises Error.
    Autosave(QWidget* window, MessageBoxes& boxes, std::function<void()> save);
    ~Autosave() override;

    // Call on every change the user makes.
    void Changed();
    // Saves a pending change now.
    void SaveNow();
    // Forgets a pending change (saved another way, or the text is gone).
    void Cancel();
    bool Pending() const { return m_pending; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    MessageBoxes& m_boxes;
    std::function<void()> m_save;
    QTimer m_timer;
    bool m_pending = false;
    bool m_failureShown = false;
};

}  // namespace brivonce
