#include "platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
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
      m_socketPath(RuntimeFolder() + "/" + programFileName + ".socket"),
      m_lock(std::make_unique<QLockFile>(m_lockPath)) {
    // Staleness is decided by the owner's process id only, never by age: a
    // copy that has run for weeks still holds its lock.
    m_lock->setStaleLockTime(0);
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

SingleInstanceGuard::Result SingleInstanceGuard::Acquire() {
    if (m_lock->tryLock(0)) {
        Listen();
        return Result::kAcquired;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        return Result::kFailed;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock->getLockInfo(&pid, &host, &application) && pid > 0) {
        return Result::kHeldElsewhere;  // a live copy: a dead one's lock was taken over
    }
    // Not a lock any copy of ours wrote: take it over like a stale one.
    if (QFileInfo(m_lockPath).isDir()) {
        QDir().rmdir(m_lockPath);
    } else {
        QFile::remove(m_lockPath);
    }
    if (!m_lock->tryLock(0)) {
        return Result::kFailed;
    }
    Listen();
    return Result::kAcquired;
}

// Without the socket the program still runs; a second start then only ends.
void SingleInstanceGuard::Listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_socketPath);  // left by a copy that crashed
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            socket->deleteLater();
            emit ShowRequested();
        }
    });
    m_server->listen(m_socketPath);
}

bool SingleInstanceGuard::AskRunningCopyToShow() const {
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    constexpr int kTimeoutMs = 3000;
    return socket.waitForConnected(kTimeoutMs);
}

}  // namespace brivonce
