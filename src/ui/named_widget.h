#pragma once

#include <utility>

namespace brivonce {

// Creates a control whose objectName equals its member name, so tests and
// accessibility tools find it by that name.
template <typename T, typename... Args>
T* Named(const char* name, Args&&... args) {
    auto* widget = new T(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

}  // namespace brivonce
