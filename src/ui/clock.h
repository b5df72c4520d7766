#pragma once

#include <QDateTime>

namespace brivonce {

// The window layer's only way to read the time, so tests can set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const { return QDateTime::currentDateTime(); }
};

}  // namespace brivonce
