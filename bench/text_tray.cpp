// The floor for what Brivonce shows: a Qt Widgets program with a tray icon and
// a window holding an edit area with a few lines of text, and nothing else.
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    QSystemTrayIcon icon{QIcon(picture)};
    icon.show();
    QPlainTextEdit window;
    window.setPlainText("Lundi : dentiste à 14:30\nAcheter du pain\nAppeler Paul");
    window.resize(205, 200);
    window.show();
    if (app.arguments().contains("--exit-after-start")) {
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    }
    return app.exec();
}
