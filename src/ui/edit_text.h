#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QTextCursor>

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

// Adds `text` at the end of the edit area, wherever the caret is, through the
// text cursor so that Ctrl+Z takes it back; the caret follows it.
inline void AppendAtEnd(QPlainTextEdit* edit, const QString& text) {
    QTextCursor end(edit->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    edit->setTextCursor(end);
}

}  // namespace brivonce
