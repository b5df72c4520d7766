#include "platform/tray_presence.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QTimer>
#include <cstdlib>
#include <string>

#include "platform/x11_connection.h"

namespace brivonce {
namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

// The watcher is there as soon as a host starts, but the icon is shown only
// once the host has registered with it.
bool StatusNotifierHostRegistered() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kWatcherService)) {
        return false;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(kWatcherService, "/StatusNotifierWatcher",
                                                      "org.freedesktop.DBus.Properties", "Get");
    get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    constexpr int kTimeoutMs = 2000;  // a hung host must not hang the program
    QDBusMessage reply = bus.call(get, QDBus::Block, kTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().first().value<QDBusVariant>().variant().toBool();
}

// An XEmbed tray owns the selection "_NET_SYSTEM_TRAY_S" + screen number.
bool XEmbedTrayOwned() {
    xcb_connection_t* connection = X11Connection();
    if (!connection) {
        return false;
    }
    char* host = nullptr;
    int display = 0;
    int screen = 0;  // of DISPLAY, as Qt's own connection
    xcb_parse_display(nullptr, &host, &display, &screen);
    std::free(host);
    xcb_atom_t selection = InternAtom(connection, "_NET_SYSTEM_TRAY_S" + std::to_string(screen));
    xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr);
    bool owned = reply && reply->owner != XCB_WINDOW_NONE;
    std::free(reply);
    return owned;
}

}  // namespace

TrayPresence::TrayPresence(QObject* parent) : QObject(parent), m_poll(new QTimer(this)) {
    // An XEmbed tray says nothing when it starts, and a StatusNotifier host
    // registers a little after its watcher appears: both are looked for often.
    m_poll->setInterval(2000);
    connect(m_poll, &QTimer::timeout, this, &TrayPresence::CheckNow);
    auto* watcher = new QDBusServiceWatcher(kWatcherService, QDBusConnection::sessionBus(),
                                            QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, &TrayPresence::CheckNow);
}

bool TrayPresence::Available() const {
    return StatusNotifierHostRegistered() || XEmbedTrayOwned();
}

void TrayPresence::WatchForTray() {
    m_poll->start();
}

void TrayPresence::CheckNow() {
    if (m_poll->isActive() && Available()) {
        m_poll->stop();
        emit Appeared();
    }
}

}  // namespace brivonce
