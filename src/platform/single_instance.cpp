#include "platform/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace brivonce {
namespace {

QString RuntimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

}  // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& programFileName)
    : m_lockPath(RuntimeFolder() + "/" + programFileName + ".lock"),
      m_lock(std::make_unique<QLockFile>(m_lockPath)) {
    // Staleness is decided by the owner's process id only, never by age: a
    // copy that has run for weeks still holds its lock.
    m_lock->setStaleLockTime(0);
}

bool SingleInstanceGuard::Acquire() {
    return m_lock->tryLock(0);
}

}  // namespace brivonce
