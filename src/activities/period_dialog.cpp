#include "activities/period_dialog.h"

#include "ui/dialog_frame.h"

namespace brivonce {

TPer::TPer(AppContext& context, QWidget* parent) : DateRangeDialog(context, parent) {
    setObjectName("Per");
    setWindowTitle(QString::fromUtf8("Supprimer toutes les occurences de cette activité"));
    MakeFixedDialog(this, 417, 100);
    Place(QPoint(16, 16), QPoint(227, 16), QPoint(122, 62));
}

std::optional<DatePeriod> TPer::AskPeriod(std::chrono::year_month_day date) {
    if (!Open(date)) {
        return std::nullopt;
    }
    return Dates();
}

}  // namespace brivonce
