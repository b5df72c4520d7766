#include "activities/repeat_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <climits>

#include "ui/dialog_frame.h"
#include "ui/named_widget.h"
#include "ui/spin_button.h"

namespace brivonce {

TRepet::TRepet(AppContext& context, QWidget* parent) : DateRangeDialog(context, parent) {
    setObjectName("Repet");
    setWindowTitle(QString::fromUtf8("Répéter cette activité"));
    MakeFixedDialog(this, 409, 168);

    GroupBox1 = Named<QGroupBox>("GroupBox1", QStringLiteral("Chaque :"), this);
    GroupBox1->setGeometry(8, 6, 185, 118);
    RadioButton1 = Named<QRadioButton>("RadioButton1", QStringLiteral("Jour"), GroupBox1);
    RadioButton2 = Named<QRadioButton>("RadioButton2", QStringLiteral("Semaine"), GroupBox1);
    RadioButton3 = Named<QRadioButton>("RadioButton3", QStringLiteral("Mois"), GroupBox1);
    RadioButton4 = Named<QRadioButton>("RadioButton4", QString::fromUtf8("Année"), GroupBox1);
    int y = 22;
    for (QRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
        radio->setGeometry(12, y, 90, 20);
        y += 23;
    }
    RadioButton1->setChecked(true);
    CheckBox = Named<QCheckBox>("CheckBox", QStringLiteral("Inclure les week-end"), this);
    CheckBox->setGeometry(12, 132, 181, 20);

    Label3 = Named<QLabel>("Label3", QStringLiteral("Intervalle :"), this);
    Label3->setGeometry(207, 14, 80, 22);
    Label4 = Named<QLabel>("Label4", this);
    Label4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setGeometry(293, 14, 62, 22);
    SpinButton = Named<brivonce::SpinButton>("SpinButton", this);
    SpinButton->setGeometry(357, 12, 17, 26);
    Place(QPoint(207, 50), QPoint(207, 82), QPoint(226, 132));

    connect(SpinButton, &brivonce::SpinButton::UpClick, this, &TRepet::SpinButtonUpClick);
    connect(SpinButton, &brivonce::SpinButton::DownClick, this, &TRepet::SpinButtonDownClick);
    ShowInterval();
}

Repetition TRepet::Choice() const {
    RepeatUnit unit = RadioButton2->isChecked()   ? RepeatUnit::kWeek
                      : RadioButton3->isChecked() ? RepeatUnit::kMonth
                      : RadioButton4->isChecked() ? RepeatUnit::kYear
                                                  : RepeatUnit::kDay;
    DatePeriod dates = Dates();
    return {dates.first, dates.last, unit, m_interval, CheckBox->isChecked()};
}

void TRepet::SpinButtonUpClick() {
    if (m_interval < INT_MAX) {
        ++m_interval;
    }
    ShowInterval();
}

void TRepet::SpinButtonDownClick() {
    if (m_interval > 1) {
        --m_interval;
    }
    ShowInterval();
}

void TRepet::ShowInterval() {
    Label4->setText(QString::number(m_interval));
}

}  // namespace brivonce
