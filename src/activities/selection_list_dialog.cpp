#include "activities/selection_list_dialog.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "ui/app_context.h"
#include "ui/message_boxes.h"
#include "ui/named_widget.h"

namespace brivonce {

SelectionListDialog::SelectionListDialog(AppContext& context, const char* nothingSelected,
                                         QWidget* parent)
    : QDialog(parent), m_context(context), m_nothingSelected(nothingSelected) {
    ListBox = Named<QListWidget>("ListBox", this);
    ListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    SpeedButton1 = Named<QToolButton>("SpeedButton1", this);
    SpeedButton1->setText(QString::fromUtf8("Tout sélectionner"));
    SpeedButton2 = Named<QToolButton>("SpeedButton2", this);
    SpeedButton2->setText(QString::fromUtf8("Tout désélectionner"));
    DeleteBtn = Named<QPushButton>("DeleteBtn", QStringLiteral("Supprimer"), this);

    connect(SpeedButton1, &QToolButton::clicked, this, &SelectionListDialog::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &SelectionListDialog::SpeedButton2Click);
    connect(DeleteBtn, &QPushButton::clicked, this, &SelectionListDialog::DeleteBtnClick);
    connect(ListBox, &QListWidget::itemSelectionChanged, this, &SelectionListDialog::ListBoxClick);
    ListBox->installEventFilter(this);
}

bool SelectionListDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox && event->type() == QEvent::KeyPress) {
        return ListBoxKeyDown(static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

bool SelectionListDialog::ListBoxKeyDown(const QKeyEvent* event) {
    if (event->key() != Qt::Key_Delete || event->modifiers() != Qt::NoModifier) {
        return false;
    }
    DeleteBtnClick();
    return true;
}

void SelectionListDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void SelectionListDialog::FormShow() {
    ListBoxClick();
}

void SelectionListDialog::ListBoxClick() {
    int selected = static_cast<int>(ListBox->selectedItems().size());
    SpeedButton1->setEnabled(selected != ListBox->count());
    DeleteBtn->setEnabled(selected > 0);
    SpeedButton2->setEnabled(selected > 0);
}

void SelectionListDialog::SpeedButton1Click() {
    ListBox->selectAll();
}

void SelectionListDialog::SpeedButton2Click() {
    ListBox->clearSelection();
}

void SelectionListDialog::DeleteBtnClick() {
    if (ListBox->selectedItems().isEmpty()) {
        m_context.messageBoxes->Show(this, MessageBoxes::Icon::Information,
                                     QStringLiteral("Information"),
                                     QString::fromUtf8(m_nothingSelected), QMessageBox::Ok);
    } else {
        DeleteSelected();
    }
    ListBoxClick();
}

}  // namespace brivonce
