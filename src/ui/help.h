#pragma once

#include <QUrl>

class QWidget;

namespace brivonce {

class Desktop;
struct AppContext;

// Opens the help page in the user's browser. Raises Error when the page is
// missing or no browser opens it.
void OpenHelp(Desktop& desktop);

// F1 in `window` opens the help page; a failure goes to the error box.
void InstallHelpKey(QWidget* window, AppContext& context);

// Opens a web page in the user's browser. Raises Error when none opens it.
void OpenWebPage(Desktop& desktop, const QUrl& url);

}  // namespace brivonce
