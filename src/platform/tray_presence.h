#pragma once

#include <QObject>

class QTimer;

namespace brivonce {

// Whether the desktop shows a notification area, by either transport: a
// StatusNotifier host on the session bus, or an XEmbed tray on X11.
//
// Qt picks its tray icon's transport once per run, the first time any icon or
// availability check is made: an icon built before a StatusNotifier host
// exists can never reach one that starts later. So nothing asks Qt before
// this tells that a tray is there.
class TrayPresence : public QObject {
    Q_OBJECT
public:
    explicit TrayPresence(QObject* parent = nullptr);

    bool Available() const;

    // Watches until a tray is there, then emits Appeared once.
    void WatchForTray();

signals:
    void Appeared();

private:
    void CheckNow();

    QTimer* m_poll;
};

}  // namespace brivonce
