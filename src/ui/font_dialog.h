#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace brivonce {

// The font dialog, with the text colour chosen in it as well. On OK `font` and
// `colour` take the choice and the result is true.
bool ChooseFontAndColour(QWidget* parent, QFont& font, QColor& colour);

}  // namespace brivonce
