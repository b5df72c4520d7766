#include "agenda/date_picker_dialog.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>

#include "agenda/month_grid.h"
#include "ui/app_context.h"
#include "ui/clock.h"
#include "ui/dialog_frame.h"
#include "ui/help.h"
#include "ui/icons.h"
#include "ui/named_widget.h"

namespace brivonce {
namespace {

using namespace std::chrono;

const QColor kCalendarColour(183, 250, 160);
constexpr int kDialogWidth = 369;
constexpr int kCellWidth = 48;
constexpr int kCellHeight = 23;

QToolButton* NavigationButton(const char* name, const char* caption, const char* icon,
                              bool iconOnRight, QWidget* parent) {
    auto* button = Named<QToolButton>(name, parent);
    button->setText(QString::fromUtf8(caption));
    button->setIcon(BuiltInIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    if (iconOnRight) {
        button->setLayoutDirection(Qt::RightToLeft);
    }
    return button;
}

QFont SerifFont(int pixelSize, bool bold) {
    QFont font("Serif");
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QTableWidgetItem* CellItem(const QString& text, Qt::ItemFlags flags) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(flags);
    return item;
}

}  // namespace

TChoixD::TChoixD(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_date(ToYmd(context.clock->Now().date())) {
    setObjectName("ChoixD");
    setWindowTitle(QStringLiteral("Calendrier"));
    MakeFixedDialog(this, kDialogWidth, 294);

    Panel1 = Named<QFrame>("Panel1", this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(0, 0, kDialogWidth, 33);
    PYBtn = NavigationButton("PYBtn", "Année", "double_left", false, Panel1);
    PYBtn->setGeometry(4, 4, 72, 25);
    PMBtn = NavigationButton("PMBtn", "Mois", "arrow_left", false, Panel1);
    PMBtn->setGeometry(80, 4, 64, 25);
    NowBtn = Named<QToolButton>("NowBtn", Panel1);
    NowBtn->setIcon(BuiltInIcon("today"));
    NowBtn->setIconSize(QSize(20, 20));
    NowBtn->setAutoRaise(true);
    NowBtn->setToolTip(QString::fromUtf8("Aujourd'hui"));
    NowBtn->setGeometry(169, 3, 31, 27);
    NMBtn = NavigationButton("NMBtn", "Mois", "arrow_right", true, Panel1);
    NMBtn->setGeometry(225, 4, 64, 25);
    NYBtn = NavigationButton("NYBtn", "Année", "double_right", true, Panel1);
    NYBtn->setGeometry(293, 4, 72, 25);

    Bevel1 = Named<QFrame>("Bevel1", this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 40, 353, 212);
    Titre = Named<QLabel>("Titre", this);
    Titre->setFont(SerifFont(27, true));
    Titre->move(0, 44);
    Calendar = Named<QTableWidget>("Calendar", kMonthGridRows, kMonthGridColumns, this);
    Calendar->setGeometry(16, 82, kCellWidth * kMonthGridColumns + 2,
                          kCellHeight * kMonthGridRows + 2);

    OKBtn = Named<QPushButton>("OKBtn", QStringLiteral("OK"), this);
    OKBtn->setGeometry(105, 261, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = Named<QPushButton>("CancelBtn", QStringLiteral("Annuler"), this);
    CancelBtn->setGeometry(189, 261, 75, 25);

    InstallHelpKey(this, m_context);
    FormCreate();
}

void TChoixD::FormCreate() {
    Calendar->setFont(SerifFont(13, false));
    Calendar->horizontalHeader()->hide();
    Calendar->verticalHeader()->hide();
    Calendar->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    Calendar->verticalHeader()->setDefaultSectionSize(kCellHeight);
    Calendar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Calendar->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Calendar->setShowGrid(false);
    Calendar->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Calendar->setSelectionMode(QAbstractItemView::SingleSelection);
    Calendar->setTabKeyNavigation(false);
    QPalette palette = Calendar->palette();
    palette.setColor(QPalette::Base, kCalendarColour);
    Calendar->setPalette(palette);

    // Day names from the system's settings, Monday first; not selectable.
    QLocale locale;
    for (int column = 0; column < kMonthGridColumns; ++column) {
        QTableWidgetItem* name =
            CellItem(locale.dayName(column + 1, QLocale::ShortFormat), Qt::NoItemFlags);
        name->setForeground(palette.color(QPalette::Active, QPalette::Text));
        QFont bold = Calendar->font();
        bold.setBold(true);
        name->setFont(bold);
        Calendar->setItem(0, column, name);
    }

    connect(PYBtn, &QToolButton::clicked, this, &TChoixD::PYBtnClick);
    connect(PMBtn, &QToolButton::clicked, this, &TChoixD::PMBtnClick);
    connect(NMBtn, &QToolButton::clicked, this, &TChoixD::NMBtnClick);
    connect(NYBtn, &QToolButton::clicked, this, &TChoixD::NYBtnClick);
    connect(NowBtn, &QToolButton::clicked, this, &TChoixD::NowBtnClick);
    connect(Calendar, &QTableWidget::currentCellChanged, this, &TChoixD::CalendarCellChosen);
    connect(Calendar, &QTableWidget::cellDoubleClicked, this, &TChoixD::CalendarDblClick);
    connect(OKBtn, &QPushButton::clicked, this, &TChoixD::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TChoixD::reject);
    CalendarChange();
}

void TChoixD::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    OKBtn->setFocus();
}

void TChoixD::SetDate(QDate date) {
    SetYmd(ToYmd(date));
}

void TChoixD::SetYmd(year_month_day date) {
    m_date = date;
    CalendarChange();
}

void TChoixD::PYBtnClick() {
    SetYmd(AddYears(m_date, -1));
}

void TChoixD::PMBtnClick() {
    SetYmd(AddMonths(m_date, -1));
}

void TChoixD::NMBtnClick() {
    SetYmd(AddMonths(m_date, 1));
}

void TChoixD::NYBtnClick() {
    SetYmd(AddYears(m_date, 1));
}

void TChoixD::NowBtnClick() {
    SetDate(m_context.clock->Now().date());
}

void TChoixD::CalendarChange() {
    FillMonth();
    Titre->setText(QLocale().toString(Date(), QStringLiteral("MMMM yyyy")));
    Titre->adjustSize();
    Titre->move((width() - Titre->width()) / 2, Titre->y());
}

void TChoixD::FillMonth() {
    QSignalBlocker quiet(Calendar);
    year_month month = m_date.year() / m_date.month();
    if (month != m_shownMonth) {
        m_shownMonth = month;
        for (int row = 1; row < kMonthGridRows; ++row) {
            for (int column = 0; column < kMonthGridColumns; ++column) {
                std::optional<unsigned> day = MonthGridDay(month, {row, column});
                Calendar->setItem(
                    row, column,
                    day ? CellItem(QString::number(*day), Qt::ItemIsEnabled | Qt::ItemIsSelectable)
                        : CellItem(QString(), Qt::NoItemFlags));
            }
        }
    }
    GridCell cell = MonthGridCell(m_date);
    Calendar->setCurrentCell(cell.row, cell.column);
}

void TChoixD::CalendarCellChosen(int row, int column) {
    if (std::optional<unsigned> day = MonthGridDay(m_shownMonth, {row, column})) {
        SetYmd(m_shownMonth / std::chrono::day{*day});
    }
}

void TChoixD::CalendarDblClick(int row, int column) {
    if (MonthGridDay(m_shownMonth, {row, column})) {
        accept();
    }
}

}  // namespace brivonce
