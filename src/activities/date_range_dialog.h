#pragma once

#include <QDialog>
#include <chrono>

#include "activities/deletion.h"

class QLabel;
class QPushButton;

namespace brivonce {

struct AppContext;

// What the repeat and period dialogs share: the two date buttons "Depuis :"
// and "Jusqu'à :", each beside the label that shows its date, and "OK" and
// "Annuler". A date is chosen in the agenda's date picker; the first date is
// never after the last.
class DateRangeDialog : public QDialog {
    Q_OBJECT
public:
    DateRangeDialog(AppContext& context, QWidget* parent);

    // Shows the dialog modally with both dates on `date`; true on "OK".
    bool Open(std::chrono::year_month_day date);
    DatePeriod Dates() const { return m_dates; }

    QPushButton* FromBtn;
    QLabel* Label1;
    QPushButton* ToBtn;
    QLabel* Label2;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    // Puts the date buttons at `from` and `to`, each label right of its
    // button, and "OK" at `ok` with "Annuler" right of it.
    void Place(QPoint from, QPoint to, QPoint ok);

private:
    // Shared by both buttons: picks the date of the button's label.
    void FromBtnClick(QLabel* label);
    void ShowDates();

    AppContext& m_context;
    DatePeriod m_dates{};
};

}  // namespace brivonce
