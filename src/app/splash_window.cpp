#include "app/splash_window.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "text/error.h"
#include "ui/message_boxes.h"
#include "ui/named_widget.h"

namespace brivonce {

TSplash::TSplash(const QString& bitmapFile, QWidget* parent) : QDialog(parent) {
    setObjectName("Splash");
    setWindowTitle(kTitle);
    // A caption but no caption-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QImageReader reader(bitmapFile, "BMP");
    QImage picture = reader.read();
    if (picture.isNull()) {
        throw Error(kBadBitmap);
    }
    Image = Named<QLabel>("Image");
    Image->setPixmap(QPixmap::fromImage(picture));
    Image->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image);
    setFixedSize(632, 453);
}

void Sleeper(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void ShowSplashIfPresent(const std::string& dataFolder, int milliseconds) {
    QString file = QString::fromStdString(dataFolder) + "LOGICIEL.BMP";
    if (!QFileInfo::exists(file)) {
        return;
    }
    TSplash splash(file);
    splash.show();
    splash.repaint();
    Sleeper(milliseconds);
    splash.hide();
}

}  // namespace brivonce
