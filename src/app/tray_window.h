#pragma once

#include <QSystemTrayIcon>
#include <QWidget>

namespace brivonce {

struct AppContext;
struct AppWindows;

// The hidden application window: owns the tray icon and decides how the
// program ends. It is never shown.
class TTrayForm : public QWidget {
    Q_OBJECT
public:
    TTrayForm(AppContext& context, AppWindows& windows);

    // The memo window's menu, for the icon (called once that window exists).
    // The icon is shown at once when a tray is there.
    void AttachMenu(QMenu* menu);

    // A tray is there now: the icon is built and shown.
    void TrayAppeared();

    // A tray click, or a second start of the program (a launcher click).
    void ShowMemoWindow();

    // A close request: "&Quitter". Saves, then asks for confirmation unless the
    // user said not to; may end the program.
    void FormCloseQuery();

    // Logout, shutdown or SIGTERM: save and end without asking.
    void SessionEnding();

    // Built once a tray is there: Qt picks the icon's transport when it is built.
    QSystemTrayIcon* RxTrayIcon1 = nullptr;

signals:
    // The program must end now (the caller leaves the event loop).
    void EndRequested();

private:
    void RxTrayIcon1Click(QSystemTrayIcon::ActivationReason reason);
    void BlockedTrayClick(Qt::MouseButton button);
    void BringModalWindowBack();
    bool TrySaveAll();
    void End();

    AppContext& m_context;
    AppWindows& m_windows;
    QMenu* m_menu = nullptr;
    bool m_ending = false;
};

}  // namespace brivonce
