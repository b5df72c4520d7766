#pragma once

#include <chrono>

#include "activities/date_range_dialog.h"
#include "activities/repetition.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace brivonce {

class SpinButton;

// The repeat dialog: every how many days, weeks, months or years, and between
// which dates, an activity is copied. The unit, the week-end choice and the
// interval are kept from one opening to the next; the dates start again from
// the source slot's date at each.
class TRepet : public DateRangeDialog {
    Q_OBJECT
public:
    explicit TRepet(AppContext& context, QWidget* parent = nullptr);

    // The choices, after "OK".
    Repetition Choice() const;

    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QCheckBox* CheckBox;
    QLabel* Label3;
    QLabel* Label4;
    brivonce::SpinButton* SpinButton;

private:
    void SpinButtonUpClick();
    void SpinButtonDownClick();
    void ShowInterval();

    int m_interval = 1;
};

}  // namespace brivonce
