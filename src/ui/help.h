#pragma once

#include <QUrl>

namespace brivonce {

class Desktop;

// Opens the help page in the user's browser. Raises Error when the page is
// missing or no browser opens it.
void OpenHelp(Desktop& desktop);

// Opens a web page in the user's browser. Raises Error when none opens it.
void OpenWebPage(Desktop& desktop, const QUrl& url);

}  // namespace brivonce
