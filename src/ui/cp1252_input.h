#pragma once

#include <QString>
#include <QStyledItemDelegate>
#include <string>
#include <string_view>

class QLineEdit;
class QPlainTextEdit;

namespace brivonce {

class MessageBoxes;

// `text` as the data files can keep it: composed first (a letter typed with a
// combining accent becomes the accented letter), then every character that
// Windows-1252 cannot hold replaced by the same letter without its accent
// where one exists, else by "?".
QString Cp1252Storable(const QString& text);
// The same over UTF-8, for the core rules that are handed it (an import).
std::string Cp1252StorableUtf8(std::string_view text);

// Keeps what the user types or pastes into an edit storable, so that what is
// shown is what is saved. The first replacement of the run shows a short
// notice. `maxLength` (0: none) limits a line edit's text.
void KeepStorable(QLineEdit* edit, MessageBoxes& boxes, int maxLength = 0);
void KeepStorable(QPlainTextEdit* edit, MessageBoxes& boxes);

// A table's item delegate whose editors keep their text storable.
class StorableItemDelegate : public QStyledItemDelegate {
public:
    StorableItemDelegate(MessageBoxes& boxes, QObject* parent);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

private:
    MessageBoxes& m_boxes;
};

// For tests: the notice shows again at the next replacement.
void ResetStorableNotice();

}  // namespace brivonce
