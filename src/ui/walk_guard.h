#pragma once

namespace brivonce {

// While a long walk over the week files runs, only its progress dialog acts.
// The walk holds one for its whole length; the windows that could start
// another command while the walk processes events ask Active() first.
class WalkGuard {
public:
    WalkGuard() { ++Depth(); }
    ~WalkGuard() { --Depth(); }
    WalkGuard(const WalkGuard&) = delete;
    WalkGuard& operator=(const WalkGuard&) = delete;
    static bool Active() { return Depth() > 0; }

private:
    static int& Depth() {
        static int depth = 0;
        return depth;
    }
};

}  // namespace brivonce
