#include "activities/delete_choice_dialog.h"

#include <QPushButton>

#include "ui/dialog_frame.h"
#include "ui/named_widget.h"

namespace brivonce {

TSuppr::TSuppr(QWidget* parent) : QDialog(parent) {
    setObjectName("Suppr");
    setWindowTitle(QString::fromUtf8("Supprimer une activité"));
    MakeFixedDialog(this, 346, 155);
    OneDelBtn = Named<QPushButton>("OneDelBtn", QStringLiteral("Supprimer cette occurence"), this);
    ManyDelPerBtn = Named<QPushButton>(
        "ManyDelPerBtn", QString::fromUtf8("Supprimer toutes les occurences sur une période"),
        this);
    ManyDelBtn =
        Named<QPushButton>("ManyDelBtn", QStringLiteral("Supprimer toutes les occurences"), this);
    const std::pair<QPushButton*, DeleteChoice> choices[] = {
        {OneDelBtn, DeleteChoice::kOne},
        {ManyDelPerBtn, DeleteChoice::kInPeriod},
        {ManyDelBtn, DeleteChoice::kAll}};
    int y = 12;
    for (auto [button, choice] : choices) {
        button->setGeometry(24, y, 298, 27);
        connect(button, &QPushButton::clicked, this,
                [this, choice = choice] { done(static_cast<int>(choice)); });
        y += 35;
    }
    CancelBtn = Named<QPushButton>("CancelBtn", QStringLiteral("Annuler"), this);
    CancelBtn->setGeometry(135, 118, 75, 27);
    connect(CancelBtn, &QPushButton::clicked, this, &TSuppr::reject);
}

DeleteChoice TSuppr::Ask() {
    OneDelBtn->setFocus();
    return static_cast<DeleteChoice>(exec());
}

}  // namespace brivonce
