#include "activities/date_range_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <utility>

#include "text/dates.h"
#include "ui/agenda_link.h"
#include "ui/app_context.h"
#include "ui/named_widget.h"

namespace brivonce {
namespace {

using namespace std::chrono;

constexpr QSize kButtonSize(80, 25);
constexpr QSize kOkSize(75, 25);
constexpr QSize kLabelSize(90, 25);
constexpr int kGap = 6;

QLabel* DateLabel(const char* name, QWidget* parent) {
    auto* label = Named<QLabel>(name, parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

DateRangeDialog::DateRangeDialog(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    FromBtn = Named<QPushButton>("FromBtn", QStringLiteral("Depuis :"), this);
    Label1 = DateLabel("Label1", this);
    ToBtn = Named<QPushButton>("ToBtn", QString::fromUtf8("Jusqu'à :"), this);
    Label2 = DateLabel("Label2", this);
    OKBtn = Named<QPushButton>("OKBtn", QStringLiteral("OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = Named<QPushButton>("CancelBtn", QStringLiteral("Annuler"), this);
    for (QPushButton* button : {FromBtn, ToBtn, CancelBtn}) {
        button->setAutoDefault(false);
    }
    connect(FromBtn, &QPushButton::clicked, this, [this] { FromBtnClick(Label1); });
    connect(ToBtn, &QPushButton::clicked, this, [this] { FromBtnClick(Label2); });
    connect(OKBtn, &QPushButton::clicked, this, &DateRangeDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &DateRangeDialog::reject);
}

void DateRangeDialog::Place(QPoint from, QPoint to, QPoint ok) {
    const QPoint labelOffset(kButtonSize.width() + kGap, 0);
    FromBtn->setGeometry(QRect(from, kButtonSize));
    Label1->setGeometry(QRect(from + labelOffset, kLabelSize));
    ToBtn->setGeometry(QRect(to, kButtonSize));
    Label2->setGeometry(QRect(to + labelOffset, kLabelSize));
    OKBtn->setGeometry(QRect(ok, kOkSize));
    CancelBtn->setGeometry(QRect(ok + QPoint(kOkSize.width() + 13, 0), kOkSize));
}

bool DateRangeDialog::Open(year_month_day date) {
    m_dates = {date, date};
    ShowDates();
    OKBtn->setFocus();
    return exec() == QDialog::Accepted;
}

void DateRangeDialog::FromBtnClick(QLabel* label) {
    year_month_day& date = label == Label1 ? m_dates.first : m_dates.last;
    std::optional<year_month_day> picked = m_context.links.agenda->PickDate(date);
    if (!picked) {
        return;
    }
    date = *picked;
    if (sys_days{m_dates.last} < sys_days{m_dates.first}) {
        std::swap(m_dates.first, m_dates.last);
    }
    ShowDates();
}

void DateRangeDialog::ShowDates() {
    Label1->setText(QString::fromStdString(FormatShortDate(m_dates.first)));
    Label2->setText(QString::fromStdString(FormatShortDate(m_dates.last)));
}

}  // namespace brivonce
