#include "settings/font_qt.h"

#include <QApplication>
#include <QPalette>

namespace brivonce {
namespace {

// The Windows system colour numbers the program may meet, as palette roles.
QColor PaletteColour(int number) {
    QPalette palette = QApplication::palette();
    switch (number) {
        case 5:  // window background
            return palette.color(QPalette::Base);
        case 8:  // window text
        case 18:
            return palette.color(QPalette::Text);
        case 13:
            return palette.color(QPalette::Highlight);
        case 14:
            return palette.color(QPalette::HighlightedText);
        case 15:  // button face
            return palette.color(QPalette::Button);
        case 17:
            return palette.color(QPalette::PlaceholderText);
        case 23:  // tooltip text
            return palette.color(QPalette::ToolTipText);
        case 24:  // tooltip background
            return palette.color(QPalette::ToolTipBase);
        default:
            return palette.color(QPalette::Window);
    }
}

}  // namespace

QColor ColourFromValue(ColourValue value) {
    if (IsSystemColour(value)) {
        return PaletteColour(SystemColourNumber(value));
    }
    return QColor(RedOf(value), GreenOf(value), BlueOf(value));
}

ColourValue ValueFromColour(const QColor& colour) {
    return RgbColour(colour.red(), colour.green(), colour.blue());
}

ColourValue KeptColourValue(ColourValue previous, const QColor& chosen) {
    return ColourFromValue(previous).rgb() == chosen.rgb() ? previous : ValueFromColour(chosen);
}

QFont FontFromRecord(const FontRecord& record) {
    QFont font(QString::fromStdString(record.name));
    font.setPointSize(record.size > 0 ? record.size : 10);
    font.setBold(record.bold);
    font.setItalic(record.italic);
    font.setUnderline(record.underline);
    font.setStrikeOut(record.strikeOut);
    return font;
}

FontRecord RecordFromFont(const QFont& font, const QColor& colour) {
    FontRecord record;
    record.colour = ValueFromColour(colour);
    record.name = font.family().toStdString();
    record.size = font.pointSize() > 0 ? font.pointSize() : 10;
    record.height = HeightForSize(record.size);
    record.bold = font.bold();
    record.italic = font.italic();
    record.underline = font.underline();
    record.strikeOut = font.strikeOut();
    return record;
}

}  // namespace brivonce
