#pragma once

#include <QDialog>
#include <string>

class QLabel;

namespace brivonce {

inline constexpr const char* kBadBitmap = "Image bitmap incorrecte";

// The start-up picture, shown for a moment while events go on being handled.
class TSplash : public QDialog {
    Q_OBJECT
public:
    // Raises Error "Image bitmap incorrecte" when the file is not a bitmap.
    explicit TSplash(const QString& bitmapFile, QWidget* parent = nullptr);

    QLabel* Image;
};

// Shows the splash when the data folder holds LOGICIEL.BMP, for `milliseconds`
// while events are processed, then destroys it. Raises Error on a bad bitmap.
void ShowSplashIfPresent(const std::string& dataFolder, int milliseconds);

// Waits while the application keeps handling events (timers, tray clicks).
void Sleeper(int milliseconds);

}  // namespace brivonce
