#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>

namespace brivonce {

// While a modal window is open Qt drops every click on the program's other
// windows, the tray icon included (on X11 the icon is a window like the
// others). The tray must keep working then, and a click on a blocked window
// must lead the user back to the modal one, even minimised. This looks at the
// clicks at the X11 level and reports those Qt drops.
class BlockedClicks : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit BlockedClicks(QObject* parent = nullptr);
    ~BlockedClicks() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // A button went up on the tray icon while a modal window was open.
    void TrayIconClicked(Qt::MouseButton button);
    // A button went down on a window that a modal window blocks.
    void BlockedWindowPressed();

private:
    uint8_t m_inputOpcode;
};

}  // namespace brivonce
