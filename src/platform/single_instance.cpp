#include "platform/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cstring>
#include <optional>

namespace brivonce {
namespace {

QString RuntimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

// The socket's address; nullopt when the path is too long for one.
std::optional<sockaddr_un> SocketAddress(const QString& path) {
    QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    if (bytes.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) {
        return std::nullopt;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, bytes.constData(), bytes.size());
    return address;
}

int StreamSocket() {
    return socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
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

SingleInstanceGuard::~SingleInstanceGuard() {
    if (m_listener >= 0) {
        close(m_listener);
        unlink(QFile::encodeName(m_socketPath).constData());
    }
}

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
// A plain Unix socket: Qt's local sockets would load Qt Network and the
// Kerberos and proxy libraries it brings, at every start of the session.
void SingleInstanceGuard::Listen() {
    std::optional<sockaddr_un> address = SocketAddress(m_socketPath);
    int listener = address ? StreamSocket() : -1;
    if (listener < 0) {
        return;
    }
    unlink(address->sun_path);  // left by a copy that crashed
    if (bind(listener, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0 ||
        chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || listen(listener, 8) != 0) {
        close(listener);
        return;
    }
    m_listener = listener;
    auto* notifier = new QSocketNotifier(listener, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        int connection = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) {
            close(connection);
            emit ShowRequested();
        }
    });
}

bool SingleInstanceGuard::AskRunningCopyToShow() const {
    std::optional<sockaddr_un> address = SocketAddress(m_socketPath);
    int connection = address ? StreamSocket() : -1;
    if (connection < 0) {
        return false;
    }
    // A local connect answers at once: accepted into the running copy's
    // queue, or refused when nothing listens.
    bool reached =
        ::connect(connection, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0;
    close(connection);
    return reached;
}

}  // namespace brivonce
