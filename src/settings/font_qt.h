#pragma once

#include <QColor>
#include <QFont>

#include "settings/colour_value.h"
#include "settings/font_record.h"

namespace brivonce {

// Stored colour values to screen colours and back. System colours follow the
// palette of the running desktop.
QColor ColourFromValue(ColourValue value);
ColourValue ValueFromColour(const QColor& colour);
// The value to store after the user chose `chosen` where `previous` was: the
// same value when it already shows that colour, so a system colour stays a
// system colour until another colour is picked.
ColourValue KeptColourValue(ColourValue previous, const QColor& chosen);

// A stored font record as a Qt font (the size decides; the colour is apart).
QFont FontFromRecord(const FontRecord& record);

// The record to store for a font and its text colour.
FontRecord RecordFromFont(const QFont& font, const QColor& colour);

}  // namespace brivonce
