#include "ui/help.h"

#include <QShortcut>

#include "platform/desktop.h"
#include "text/error.h"
#include "ui/guarded.h"

namespace brivonce {

void OpenHelp(Desktop& desktop) {
    QString page = FindShippedFile("help/brivonce.html");
    if (page.isEmpty() || !desktop.OpenUrl(QUrl::fromLocalFile(page))) {
        throw Error(
            FormatMessage(kCannotOpen, page.isEmpty() ? "brivonce.html" : page.toStdString()));
    }
}

void InstallHelpKey(QWidget* window, Desktop& desktop, MessageBoxes& boxes) {
    QObject::connect(
        new QShortcut(QKeySequence(Qt::Key_F1), window), &QShortcut::activated, window,
        [window, &desktop, &boxes] { Guarded(boxes, window, [&desktop] { OpenHelp(desktop); }); });
}

void OpenWebPage(Desktop& desktop, const QUrl& url) {
    if (!desktop.OpenUrl(url)) {
        throw Error(FormatMessage("Impossible d'ouvrir la page %s", url.toString().toStdString()));
    }
}

}  // namespace brivonce
