#include "activities/period_dialog.h"

#include <QPushButton>

#include "ui/dialog_frame.h"
#include "ui/named_widget.h"

namespace brivonce {

TPer::TPer(AppContext& context, QWidget* parent) : DateRangeDialog(context, parent) {
    setObjectName("Per");
    setWindowTitle(QString::fromUtf8("Supprimer toutes les occurences de cette activité"));
    MakeFixedDialog(this, 417, 100);
    PlaceDates(QPoint(16, 16), QPoint(227, 16));
    OKBtn = Named<QPushButton>("OKBtn", QStringLiteral("OK"), this);
    OKBtn->setGeometry(122, 62, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = Named<QPushButton>("CancelBtn", QStringLiteral("Annuler"), this);
    CancelBtn->setGeometry(220, 62, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &TPer::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TPer::reject);
}

std::optional<DatePeriod> TPer::AskPeriod(std::chrono::year_month_day date) {
    SetDates(date);
    OKBtn->setFocus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return Dates();
}

}  // namespace brivonce
