#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace brivonce {

// One copy of the program per user: a lock file in the user's runtime folder,
// named after the program file. A lock left by a crashed copy (its process is
// gone), and a lock file that holds no valid lock (empty, garbage, a folder),
// are taken over.
class SingleInstanceGuard {
public:
    explicit SingleInstanceGuard(const QString& programFileName);

    enum class Result { kAcquired, kHeldElsewhere, kFailed };
    // kAcquired when this copy is the only one; the lock is then held until
    // the guard is destroyed. kFailed when no lock can be made (a read-only
    // runtime folder, say).
    Result Acquire();

    QString lockPath() const { return m_lockPath; }

private:
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace brivonce
