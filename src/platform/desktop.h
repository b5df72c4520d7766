#pragma once

#include <QString>
#include <QUrl>

namespace brivonce {

// The desktop's services the program asks for: opening a web page or a local
// help page in the user's browser.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool OpenUrl(const QUrl& url);
};

// False where the platform cannot tell where a window is (native Wayland
// reports 0,0 for every window): a position read there must never be saved.
bool WindowPositionsKnown();

// A file the program ships (help page, default sound): found beside an
// installed program in share/brivonce (../share/brivonce from its bin folder),
// else in the source tree it was built from. Empty when neither has it.
QString FindShippedFile(const QString& name);

}  // namespace brivonce
