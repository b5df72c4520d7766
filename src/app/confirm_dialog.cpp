#include "app/confirm_dialog.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_frame.h"
#include "ui/named_widget.h"

namespace brivonce {
namespace {

const char* const kWarning =
    "En quittant Brivonce, vous désactiverez les fonctions d'alarme.\n"
    "Si vous désirez continuer à profiter des fonctions d'alarme, "
    "cachez plutôt la fenêtre de Brivonce.";

}  // namespace

TConfirm::TConfirm(QWidget* parent) : QDialog(parent) {
    setObjectName("Confirm");
    setWindowTitle(QString::fromUtf8("Fermeture de Brivonce"));
    MakeFixedDialog(this, 340, 0);

    Memo1 = Named<QPlainTextEdit>("Memo1", QString::fromUtf8(kWarning));
    Memo1->setReadOnly(true);
    Memo1->setEnabled(false);
    // Disabled, yet it is the message to read: drawn in the normal text colour.
    QPalette readable = Memo1->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::Base}) {
        readable.setColor(QPalette::Disabled, role, readable.color(QPalette::Active, role));
    }
    Memo1->setPalette(readable);
    Memo1->setFixedHeight(72);
    CheckBox = Named<QCheckBox>("CheckBox", QString::fromUtf8("Ne plus afficher ce message"));
    OKBtn = Named<QPushButton>("OKBtn", QString::fromUtf8("Quitter Brivonce"));
    MinimizeBtn =
        Named<QPushButton>("MinimizeBtn", QString::fromUtf8("Cacher la fenêtre de Brivonce"));
    CancelBtn = Named<QPushButton>("CancelBtn", QString::fromUtf8("Annuler"));
    OKBtn->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : {static_cast<QWidget*>(Memo1), static_cast<QWidget*>(CheckBox),
                            static_cast<QWidget*>(OKBtn), static_cast<QWidget*>(MinimizeBtn),
                            static_cast<QWidget*>(CancelBtn)}) {
        layout->addWidget(widget);
    }
    setFixedSize(340, sizeHint().height());

    connect(OKBtn, &QPushButton::clicked, this, &TConfirm::OKBtnClick);
    connect(MinimizeBtn, &QPushButton::clicked, this, &TConfirm::MinimizeBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TConfirm::CancelBtnClick);
}

void TConfirm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    OKBtn->setFocus();  // at every showing, not only the first
}

void TConfirm::OKBtnClick() {
    m_lastChoice = kQuit;
    accept();
}

void TConfirm::MinimizeBtnClick() {
    m_lastChoice = kHide;
    accept();
}

void TConfirm::CancelBtnClick() {
    reject();
}

void TConfirm::reject() {
    // The close box and Escape end here too: they must never quit by surprise.
    m_lastChoice = kCancel;
    QDialog::reject();
}

}  // namespace brivonce
