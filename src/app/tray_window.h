#pragma once

#include <QSystemTrayIcon>
#include <QWidget>

class QTimer;

namespace brivonce {

struct AppContext;
struct AppWindows;

// The hidden application window: owns the tray icon and decides how the
// program ends. It is never shown.
class TTrayForm : public QWidget {
    Q_OBJECT
public:
    TTrayForm(AppContext& context, AppWindows& windows);

    // Shows the icon with the memo window's menu (called once that window exists).
    void AttachMenu(QMenu* menu);

    // A close request: "&Quitter". Saves, then asks for confirmation unless the
    // user said not to; may end the program.
    void FormCloseQuery();

    // Logout, shutdown or SIGTERM: save and end without asking.
    void SessionEnding();

    QSystemTrayIcon* RxTrayIcon1;

signals:
    // The program must end now (the caller leaves the event loop).
    void EndRequested();

private:
    void RxTrayIcon1Click(QSystemTrayIcon::ActivationReason reason);
    void BlockedTrayClick(Qt::MouseButton button);
    void BringModalWindowBack();
    void ShowIconWhenTrayAppears();
    bool TrySaveAll();
    void End();

    AppContext& m_context;
    AppWindows& m_windows;
    QTimer* m_trayWatch;
    bool m_ending = false;
};

}  // namespace brivonce
