#include "memo/snooze_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "memo/alarm_rules.h"
#include "ui/dialog_frame.h"
#include "ui/named_widget.h"

namespace brivonce {
namespace {

QString ChoiceText(int minutes) {
    return minutes == 60 ? QStringLiteral("1 heure") : QStringLiteral("%1 minutes").arg(minutes);
}

}  // namespace

TSnooze::TSnooze(int lastChoice, QWidget* parent) : QDialog(parent) {
    setObjectName("Snooze");
    setWindowTitle(QString::fromUtf8("Rappeler l'alarme"));
    ComboBox = Named<QComboBox>("ComboBox");
    for (int minutes : kSnoozeChoices) {
        ComboBox->addItem(ChoiceText(minutes), minutes);
    }
    ComboBox->setCurrentIndex(std::max(0, ComboBox->findData(lastChoice)));
    OKBtn = Named<QPushButton>("OKBtn", QStringLiteral("OK"));
    OKBtn->setDefault(true);
    CancelBtn = Named<QPushButton>("CancelBtn", QStringLiteral("Annuler"));

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Rappeler dans :")));
    choice->addWidget(ComboBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(buttons);
    MakeFixedDialog(this, 260, sizeHint().height());

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TSnooze::Minutes() const {
    return ComboBox->currentData().toInt();
}

std::optional<int> AskSnoozeMinutes(int lastChoice) {
    TSnooze dialog(lastChoice);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Minutes();
}

}  // namespace brivonce
