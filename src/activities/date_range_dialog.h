#pragma once

#include <QDialog>
#include <chrono>

#include "activities/deletion.h"

class QLabel;
class QPushButton;

namespace brivonce {

struct AppContext;

// The two date buttons "Depuis :" and "Jusqu'à :" of the repeat and period
// dialogs, each beside the label that shows its date. A date is chosen in the
// agenda's date picker; the first date is never after the last.
class DateRangeDialog : public QDialog {
    Q_OBJECT
public:
    DateRangeDialog(AppContext& context, QWidget* parent);

    // Both dates, before the dialog is shown.
    void SetDates(std::chrono::year_month_day date);
    DatePeriod Dates() const { return m_dates; }

    QPushButton* FromBtn;
    QLabel* Label1;
    QPushButton* ToBtn;
    QLabel* Label2;

protected:
    // Puts the buttons side by side from `from` and from `to`, each label
    // right of its button.
    void PlaceDates(QPoint from, QPoint to);

private:
    // Shared by both buttons: picks the date of the button's label.
    void FromBtnClick(QLabel* label);
    void ShowDates();

    AppContext& m_context;
    DatePeriod m_dates{};
};

}  // namespace brivonce
