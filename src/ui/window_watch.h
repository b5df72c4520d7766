#pragma once

#include <QObject>
#include <functional>

namespace brivonce {

// Calls `changed` once the program's windows have been shown or hidden,
// whoever opened or closed them: from the event loop, never while a window is
// being built or destroyed.
class WindowWatch : public QObject {
public:
    WindowWatch(QObject* parent, std::function<void()> changed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_changed;
    bool m_pending = false;
};

}  // namespace brivonce
