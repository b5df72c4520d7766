#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace brivonce {

// One copy of the program per user: a lock file in the user's runtime folder,
// named after the program file. A lock left by a crashed copy (its process is
// gone) is taken over.
class SingleInstanceGuard {
public:
    explicit SingleInstanceGuard(const QString& programFileName);

    // True when this copy is the only one; the lock is then held until the
    // guard is destroyed.
    bool Acquire();

    QString lockPath() const { return m_lockPath; }

private:
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace brivonce
