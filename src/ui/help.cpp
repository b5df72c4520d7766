#include "ui/help.h"

#include "platform/desktop.h"
#include "text/error.h"

namespace brivonce {

void OpenHelp(Desktop& desktop) {
    QString page = FindShippedFile("help/brivonce.html");
    if (page.isEmpty() || !desktop.OpenUrl(QUrl::fromLocalFile(page))) {
        throw Error(
            FormatMessage(kCannotOpen, page.isEmpty() ? "brivonce.html" : page.toStdString()));
    }
}

void OpenWebPage(Desktop& desktop, const QUrl& url) {
    if (!desktop.OpenUrl(url)) {
        throw Error(FormatMessage("Impossible d'ouvrir la page %s", url.toString().toStdString()));
    }
}

}  // namespace brivonce
