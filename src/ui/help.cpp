#include "ui/help.h"

#include <QShortcut>

#include "platform/desktop.h"
#include "text/error.h"
#include "ui/app_context.h"
#include "ui/guarded.h"

namespace brivonce {

void OpenHelp(Desktop& desktop) {
    QString page = FindShippedFile("help/brivonce.html");
    if (page.isEmpty() || !desktop.OpenUrl(QUrl::fromLocalFile(page))) {
        throw Error(
            FormatMessage(kCannotOpen, page.isEmpty() ? "brivonce.html" : page.toStdString()));
    }
}

void InstallHelpKey(QWidget* window, AppContext& context) {
    // The services are looked up at the key press: a window may be built
    // before they are given.
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), window), &QShortcut::activated, window,
                     [window, &context] {
                         Guarded(*context.messageBoxes, window,
                                 [&context] { OpenHelp(*context.desktop); });
                     });
}

void OpenAuthorPage(Desktop& desktop) {
    const QUrl url(QStringLiteral(BRIVONCE_AUTHOR_PAGE));
    if (url.isEmpty()) {
        OpenHelp(desktop);
    } else if (!desktop.OpenUrl(url)) {
        throw Error(FormatMessage("Impossible d'ouvrir la page %s", url.toString().toStdString()));
    }
}

}  // namespace brivonce
