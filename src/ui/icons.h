#pragma once

#include <QIcon>

class QString;

namespace brivonce {

// A picture of data/icons/ by its name ("brivonce", "abort",
// "toolbar/agenda"), made from pixels built into the program: showing it
// loads no image plugin and no SVG code.
QIcon BuiltInIcon(const QString& name);

// Makes the application's style answer the toolbars' overflow button with a
// built-in picture. Before any toolbar is built: Qt's own picture for it is a
// file, and reading a file makes Qt load every image plugin.
void UseBuiltInToolbarIcons();

}  // namespace brivonce
