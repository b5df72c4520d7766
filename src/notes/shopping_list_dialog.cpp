#include "notes/shopping_list_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "ui/app_context.h"
#include "ui/cp1252_input.h"
#include "ui/dialog_frame.h"
#include "ui/guarded.h"
#include "ui/icons.h"
#include "ui/named_widget.h"
#include "ui/print_link.h"

namespace brivonce {
namespace {

// The row of buttons under the list is left out of the printed picture.
constexpr int kPrintedBottomStrip = 35;

constexpr int kRows = 12;
// Positions in the window; the panel's controls are placed relative to it.
constexpr QPoint kPanelAt(8, 8);

QRect InPanel(int left, int top, int width, int height) {
    return QRect(QPoint(left, top) - kPanelAt, QSize(width, height));
}

}  // namespace

TCourses::TCourses(AppContext& context, const std::optional<ShoppingList>& list)
    : m_context(context), m_autosave(this, *context.messageBoxes, [this] { SaveShoppingList(); }) {
    setObjectName("Courses");
    setWindowTitle(QStringLiteral("Liste des courses"));
    MakeFixedDialog(this, 617, 345);
    BuildControls();
    if (list) {
        SetList(*list);
        m_loaded = true;
    }
    for (int k = 1; k <= kShoppingItemCount; ++k) {
        connect(CheckBox(k), &QCheckBox::toggled, this, [this] { m_autosave.Changed(); });
        connect(Edit(k), &QLineEdit::textChanged, this, [this] { m_autosave.Changed(); });
    }
}

void TCourses::BuildControls() {
    Panel1 = Named<QFrame>("Panel1", this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(kPanelAt.x(), kPanelAt.y(), 601, 297);
    // Made in keyboard order: tick box 1, text 1, tick box 2, ...
    for (int k = 1; k <= kShoppingItemCount; ++k) {
        int column = (k - 1) / kRows;
        int row = (k - 1) % kRows;
        QByteArray number = QByteArray::number(k);
        auto* box = Named<QCheckBox>(("CheckBox" + number).constData(), Panel1);
        box->setGeometry(InPanel(16 + 120 * column, 16 + 24 * row, 15, 17));
        auto* edit = Named<QLineEdit>(("Edit" + number).constData(), Panel1);
        edit->setGeometry(InPanel(32 + 120 * column, 14 + 24 * row, 89, 21));
        // What is typed is what the file gives back at the next start.
        KeepStorable(edit, *m_context.messageBoxes, static_cast<int>(kShoppingTextLength));
        m_checkBoxes[k - 1] = box;
        m_edits[k - 1] = edit;
    }
    ConfigBtn = Named<QToolButton>("ConfigBtn", this);
    ConfigBtn->setIcon(BuiltInIcon("printer_setup"));
    ConfigBtn->setToolTip(QStringLiteral("Configuration de l'impression"));
    ConfigBtn->setGeometry(8, 312, 105, 27);
    PrintBtn = Named<QPushButton>("PrintBtn", QStringLiteral("Imprimer"), this);
    PrintBtn->setGeometry(120, 312, 105, 27);
    OKBtn = Named<QPushButton>("OKBtn", QStringLiteral("OK"), this);
    OKBtn->setGeometry(496, 312, 113, 27);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ConfigBtn, &QToolButton::clicked, this, [this] {
        Guarded(*m_context.messageBoxes, this,
                [this] { m_context.links.print->ChoosePrintSize(); });
    });
    connect(PrintBtn, &QPushButton::clicked, this, [this] {
        Guarded(*m_context.messageBoxes, this, [this] {
            m_context.links.print->PrintWindowPicture(this, kShoppingJobTitle, 0,
                                                      kPrintedBottomStrip);
        });
    });
}

ShoppingList TCourses::List() const {
    ShoppingList list;
    for (int k = 1; k <= kShoppingItemCount; ++k) {
        list[k - 1] = {CheckBox(k)->isChecked(), Edit(k)->text().toStdString()};
    }
    return list;
}

void TCourses::SetList(const ShoppingList& list) {
    for (int k = 1; k <= kShoppingItemCount; ++k) {
        CheckBox(k)->setChecked(list[k - 1].ticked);
        Edit(k)->setText(QString::fromStdString(list[k - 1].text));
        Edit(k)->setCursorPosition(0);
    }
}

void TCourses::SaveShoppingList() {
    if (!m_loaded) {
        return;  // the file is still the user's, unread
    }
    brivonce::SaveShoppingList(m_context.dataFolder, List());
    m_autosave.Cancel();
}

void TCourses::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PrintLink* print = m_context.links.print;
    ConfigBtn->setEnabled(print != nullptr);
    PrintBtn->setEnabled(print && print->PrinterInstalled());
    OKBtn->setFocus();
}

}  // namespace brivonce
