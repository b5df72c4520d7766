#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

namespace brivonce {

// One copy of the program per user: a lock file in the user's runtime folder,
// named after the program file. A lock left by a crashed copy (its process is
// gone), and a lock file that holds no valid lock (empty, garbage, a folder),
// are taken over.
//
// A second start is how a launcher says "show me the program": the copy that
// holds the lock listens on a local socket beside it, and a second copy
// connects to it before ending. A socket rather than the session bus: it needs
// no bus, no registered name and no service file, works the same from a
// launcher, a terminal or a script, and lives exactly as long as the lock.
class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    explicit SingleInstanceGuard(const QString& programFileName);
    ~SingleInstanceGuard() override;

    enum class Result { kAcquired, kHeldElsewhere, kFailed };
    // kAcquired when this copy is the only one; the lock is then held until
    // the guard is destroyed. kFailed when no lock can be made (a read-only
    // runtime folder, say).
    Result Acquire();

    QString lockPath() const { return m_lockPath; }

    // From a second copy: asks the running one to show itself. False when it
    // could not be reached (it may still be starting, or hung).
    bool AskRunningCopyToShow() const;

signals:
    // A second copy was started (the running copy only).
    void ShowRequested();

private:
    void Listen();

    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    int m_listener = -1;  // the socket a second copy connects to
};

}  // namespace brivonce
