#pragma once

#include <QObject>

class QSocketNotifier;

namespace brivonce {

// Turns SIGTERM, SIGINT and SIGHUP (how Linux asks a program to end, at logout
// or shutdown) into a Qt signal delivered in the user-interface thread.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void Requested();

private:
    void Drain();
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace brivonce
