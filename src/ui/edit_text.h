#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace brivonce {

// An edit area's text exactly as typed, lines separated by "\n". Unlike
// toPlainText(), no-break spaces stay no-break spaces (French puts them before
// ":", ";", "!" and "?").
inline QString PlainText(const QPlainTextEdit* edit) {
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

}  // namespace brivonce
