// The yardstick for start-up: a bare Qt Widgets program that shows a tray icon
// and a small window, and nothing else.
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    QSystemTrayIcon icon{QIcon(picture)};
    icon.show();
    QWidget window;
    window.resize(205, 200);
    window.show();
    if (app.arguments().contains("--exit-after-start")) {
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    }
    return app.exec();
}
