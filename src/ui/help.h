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

// Opens the author's web page in the user's browser, or the help page when
// the program was built without its address. Raises Error when none opens it.
void OpenAuthorPage(Desktop& desktop);

}  // namespace brivonce
