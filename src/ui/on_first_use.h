#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace brivonce {

// A window built the first time it is needed, then kept for the run: a run
// that never opens it does not pay for it at start-up. What the window would
// have read from the settings at construction is read by whoever defines it,
// at start-up, and handed to `build`.
template <typename Window>
class OnFirstUse {
public:
    OnFirstUse() = default;
    explicit OnFirstUse(std::function<std::unique_ptr<Window>()> build)
        : m_build(std::move(build)) {}

    Window* Get() {
        if (!m_window) {
            m_window = m_build();
        }
        return m_window.get();
    }
    Window* operator->() { return Get(); }
    operator Window*() { return Get(); }

    // Null until then.
    Window* Built() const { return m_window.get(); }
    bool IsVisible() const { return m_window && m_window->isVisible(); }

private:
    std::function<std::unique_ptr<Window>()> m_build;
    std::unique_ptr<Window> m_window;
};

}  // namespace brivonce
