#include "ui/cp1252_input.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringView>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QValidator>
#include <memory>

#include "text/cp1252.h"
#include "ui/message_boxes.h"

namespace brivonce {
namespace {

constexpr const char* kNotice =
    "Certains caractères ne peuvent pas être enregistrés par Brivonce : ils ont été "
    "remplacés par la même lettre sans accent ou par « ? ».";

bool noticeShown = false;

// Later, from the event loop: a box must not open in the middle of a key press.
void NoticeOnce(MessageBoxes& boxes, QWidget* parent) {
    if (noticeShown) {
        return;
    }
    noticeShown = true;
    // Tied to the edit: gone with it, the notice is not shown.
    QTimer::singleShot(0, parent, [&boxes, parent] {
        boxes.Show(parent->window(), MessageBoxes::Icon::Information, QStringLiteral("Information"),
                   QString::fromUtf8(kNotice), QMessageBox::Ok);
    });
}

// The base letter of an accented character, when it has one the code page holds.
QString WithoutAccent(char32_t code) {
    QString decomposed = QString::fromUcs4(&code, 1).normalized(QString::NormalizationForm_KD);
    QString kept;
    for (char32_t part : decomposed.toUcs4()) {
        if (QChar::category(part) == QChar::Mark_NonSpacing) {
            continue;
        }
        if (!Cp1252Holds(part)) {
            return QStringLiteral("?");
        }
        kept += QString::fromUcs4(&part, 1);
    }
    return kept.isEmpty() ? QStringLiteral("?") : kept;
}

class StorableValidator : public QValidator {
public:
    StorableValidator(MessageBoxes& boxes, QWidget* edit) : QValidator(edit), m_boxes(boxes) {}

    State validate(QString& input, int& pos) const override {
        QString storable = Cp1252Storable(input);
        if (storable != input) {
            pos = static_cast<int>(Cp1252Storable(input.left(pos)).size());
            input = storable;
            NoticeOnce(m_boxes, qobject_cast<QWidget*>(parent()));
        }
        return Acceptable;
    }

private:
    MessageBoxes& m_boxes;
};

// Replaces, in place, what was just typed or pasted, one character before it
// included (a combining accent composes with the letter it follows).
void MakeStorable(QPlainTextEdit* edit, MessageBoxes& boxes, int position, int added) {
    QTextDocument* document = edit->document();
    int from = std::max(0, position - 1);
    int to = std::min(position + added, document->characterCount() - 1);
    QTextCursor range(document);
    range.setPosition(from);
    range.setPosition(to, QTextCursor::KeepAnchor);
    // The document's own paragraph separators are no characters of the text.
    QString typed = range.selectedText().replace(QChar::ParagraphSeparator, QChar('\n'));
    QString storable = Cp1252Storable(typed);
    if (storable == typed) {
        return;
    }
    range.joinPreviousEditBlock();
    range.insertText(storable);
    range.endEditBlock();
    NoticeOnce(boxes, edit);
}

}  // namespace

QString Cp1252Storable(const QString& text) {
    QString composed = text.normalized(QString::NormalizationForm_C);
    QString result;
    result.reserve(composed.size());
    for (char32_t code : composed.toUcs4()) {
        if (Cp1252Holds(code)) {
            result += QString::fromUcs4(&code, 1);
        } else if (QChar::category(code) != QChar::Mark_NonSpacing) {
            result += WithoutAccent(code);
        }
    }
    return result;
}

std::string Cp1252StorableUtf8(std::string_view text) {
    QString storable =
        Cp1252Storable(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return storable.toStdString();
}

void KeepStorable(QLineEdit* edit, MessageBoxes& boxes, int maxLength) {
    edit->setValidator(new StorableValidator(boxes, edit));
    if (maxLength > 0) {
        edit->setMaxLength(maxLength);
    }
}

void KeepStorable(QPlainTextEdit* edit, MessageBoxes& boxes) {
    // The replacement changes the document again: that change is not looked at.
    auto busy = std::make_shared<bool>(false);
    QObject::connect(edit->document(), &QTextDocument::contentsChange, edit,
                     [edit, &boxes, busy](int position, int, int added) {
                         if (*busy || added == 0) {
                             return;
                         }
                         *busy = true;
                         MakeStorable(edit, boxes, position, added);
                         *busy = false;
                     });
}

StorableItemDelegate::StorableItemDelegate(MessageBoxes& boxes, QObject* parent)
    : QStyledItemDelegate(parent), m_boxes(boxes) {}

QWidget* StorableItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        KeepStorable(line, m_boxes);
    }
    return editor;
}

void ResetStorableNotice() {
    noticeShown = false;
}

}  // namespace brivonce
