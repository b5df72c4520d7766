#include "agenda/agenda_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <optional>
#include <span>

#include "agenda/date_picker_dialog.h"
#include "agenda/feast_list.h"
#include "agenda/time_dialog.h"
#include "agenda/week_number.h"
#include "agenda/week_store.h"
#include "agenda/week_view.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "text/error.h"
#include "ui/activity_edits_link.h"
#include "ui/app_context.h"
#include "ui/clock.h"
#include "ui/cp1252_input.h"
#include "ui/dialog_frame.h"
#include "ui/drop_down.h"
#include "ui/guarded.h"
#include "ui/help.h"
#include "ui/icons.h"
#include "ui/named_widget.h"
#include "ui/print_link.h"
#include "ui/wait_cursor.h"

namespace brivonce {
namespace {

using namespace std::chrono;

constexpr int kLabelWidth = 36;
constexpr int kActivityWidth = 600;
constexpr int kRowHeight = 15;
// A slot row is 15 pixels plus the grid line under it, so that the 7 slots of
// a weekday grid and the 3 of a weekend grid exactly fill what is below the
// title row.
constexpr int kSlotRowPitch = kRowHeight + 1;
constexpr int kTitleRow = 0;
// The printed picture leaves out the column of buttons on the right and the
// row of buttons at the bottom.
constexpr int kPrintedRightStrip = 107;
constexpr int kPrintedBottomStrip = 32;

const char* const kAugustMessage =
    "C'est bien triste : Auguste n'a pas de fête cette année car %1 n'est pas bissextile...";

QColor ColourOf(DayColour colour) {
    switch (colour) {
        case DayColour::kToday:
            return QColor(160, 241, 245);
        case DayColour::kHoliday:
            return QColor(242, 191, 241);
        case DayColour::kSunday:
            return QColor(166, 249, 151);
        case DayColour::kWhite:
            break;
    }
    return QColor(Qt::white);
}

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The one-line text input box; nullopt when it is cancelled.
std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& prompt,
                               const QString& initial) {
    QInputDialog box(parent);
    box.setObjectName("InputBox");
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(initial);
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.textValue();
}

// The grids disabled for as long as the object lives; the grid that had the
// focus gets it back.
class GridsDisabled {
public:
    explicit GridsDisabled(std::span<DayGrid* const> grids) : m_grids(grids) {
        // Found before any is disabled: disabling the focused grid passes
        // the focus on to the next one.
        for (DayGrid* grid : m_grids) {
            if (grid->hasFocus()) {
                m_focused = grid;
            }
        }
        for (DayGrid* grid : m_grids) {
            grid->setEnabled(false);
        }
    }
    ~GridsDisabled() {
        for (DayGrid* grid : m_grids) {
            grid->setEnabled(true);
        }
        if (m_focused) {
            m_focused->setFocus();
        }
    }
    GridsDisabled(const GridsDisabled&) = delete;
    GridsDisabled& operator=(const GridsDisabled&) = delete;

private:
    std::span<DayGrid* const> m_grids;
    DayGrid* m_focused = nullptr;
};

QToolButton* FlatButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = Named<QToolButton>(name, parent);
    button->setText(QString::fromUtf8(caption));
    button->setAutoRaise(true);
    return button;
}

QToolButton* PictureButton(const char* name, const char* icon, const char* hint, QWidget* parent) {
    auto* button = FlatButton(name, "", parent);
    button->setIcon(BuiltInIcon(icon));
    button->setToolTip(QString::fromUtf8(hint));
    return button;
}

}  // namespace

DayGrid::DayGrid(QWidget* parent) : QTableWidget(kSlotsPerDay, 1, parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    // The activity column is wider than the grid: a long activity is read by
    // scrolling, or whole in the cell's tooltip.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setWordWrap(false);

    QHeaderView* titles = horizontalHeader();
    titles->setSectionsClickable(false);
    titles->setHighlightSections(false);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titles->setMinimumSectionSize(kLabelWidth);
    titles->setSectionResizeMode(QHeaderView::Fixed);
    titles->resizeSection(0, kActivityWidth);
    titles->setFixedHeight(kRowHeight);
    QHeaderView* labels = verticalHeader();
    labels->setSectionsClickable(false);
    labels->setHighlightSections(false);
    labels->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    labels->setMinimumSectionSize(kSlotRowPitch);
    labels->setSectionResizeMode(QHeaderView::Fixed);
    labels->setDefaultSectionSize(kSlotRowPitch);
    labels->setFixedWidth(kLabelWidth);
    labels->viewport()->installEventFilter(this);
    viewport()->installEventFilter(this);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { m_topRowHeld = false; });
    connect(this, &QTableWidget::itemChanged, this,
            [](QTableWidgetItem* cell) { cell->setToolTip(cell->text()); });

    auto* title = new QTableWidgetItem;
    title->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalHeaderItem(0, title);
    for (int slot = 1; slot <= kSlotsPerDay; ++slot) {
        setVerticalHeaderItem(slot - 1, new QTableWidgetItem(Utf8(DefaultTimeLabel(slot))));
        setItem(slot - 1, 0, new QTableWidgetItem);
    }
}

QString DayGrid::Cell(int column, int row) const {
    if (row == kTitleRow) {
        return column == 0 ? QString() : horizontalHeaderItem(0)->text();
    }
    return column == 0 ? verticalHeaderItem(row - 1)->text() : item(row - 1, 0)->text();
}

void DayGrid::SetCell(int column, int row, const QString& text) {
    if (row == kTitleRow) {
        if (column == 1) {
            horizontalHeaderItem(0)->setText(text);
            horizontalHeaderItem(0)->setToolTip(text.trimmed());
        }
    } else if (column == 0) {
        verticalHeaderItem(row - 1)->setText(text);
    } else {
        item(row - 1, 0)->setText(text);
    }
}

int DayGrid::TopRow() const {
    return isVisible() ? verticalScrollBar()->value() + 1 : m_topRow;
}

void DayGrid::SetTopRow(int row) {
    m_topRow = row;
    m_topRowHeld = true;
    ApplyTopRow();
}

void DayGrid::ApplyTopRow() {
    verticalScrollBar()->setValue(m_topRow - 1);
}

void DayGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    if (m_topRowHeld) {
        ApplyTopRow();
    }
}

void DayGrid::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // Qt does not pass a table's font on to its title row.
        horizontalHeader()->setFont(font());
    }
}

QColor DayGrid::Background() const {
    return palette().color(QPalette::Base);
}

void DayGrid::SetBackground(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colour);
    setPalette(colours);
}

void DayGrid::ClearCurrent() {
    setCurrentIndex(QModelIndex());
    clearSelection();
}

void DayGrid::EndEditing(bool keep) {
    QWidget* editor = Editing() ? indexWidget(currentIndex()) : nullptr;
    if (!editor) {
        return;
    }
    if (keep) {
        commitData(editor);
    }
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void DayGrid::EditActivity(int row) {
    setCurrentCell(row - 1, 0);
    editItem(item(row - 1, 0));
}

bool DayGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) {
        return QTableWidget::eventFilter(watched, event);
    }
    auto* press = static_cast<QMouseEvent*>(event);
    int y = press->position().toPoint().y();
    if (watched == verticalHeader()->viewport()) {
        int index = verticalHeader()->logicalIndexAt(y);
        if (index >= 0) {
            emit MouseDown(press->button(), 0, index + 1);
        }
        return true;  // the labels are no buttons
    }
    if (watched == viewport() && rowAt(y) >= 0) {
        emit MouseDown(press->button(), 1, rowAt(y) + 1);
        // The right button repeats the activity, which selects its row
        // itself; the grid's own selection would land on whatever row is
        // under the pointer once the week is shown again.
        return press->button() == Qt::RightButton;
    }
    return QTableWidget::eventFilter(watched, event);
}

void DayGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && !Editing()) {
        emit DeletePressed();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

TAgend::TAgend(AppContext& context, TChoixD* picker, THSaisie* timeDialog, QWidget* parent)
    : QDialog(parent),
      m_context(context),
      m_picker(picker),
      m_timeDialog(timeDialog),
      m_displayedMonday(MondayOf(Today())),
      m_startHour(0),
      m_nameDayMode(NameDayMode::kNone),
      m_grids{} {
    setObjectName("Agend");
    setWindowTitle(QStringLiteral("Agenda"));
    MakeFixedDialog(this, 632, 446);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    BuildGrids();
    BuildControls();
    FormCreate();
}

void TAgend::BuildGrids() {
    Panel1 = Named<QFrame>("Panel1", this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(4, 4, 513, 401);
    QFont regular = font();
    regular.setBold(false);
    // Monday to Wednesday on the left; Thursday, Friday and the half-height
    // weekend on the right.
    const QRect places[] = {{3, 3, 249, 129},   {3, 135, 249, 129},   {3, 267, 249, 129},
                            {261, 3, 249, 129}, {261, 135, 249, 129}, {261, 267, 249, 65},
                            {261, 334, 249, 65}};
    const char* names[] = {"StringGrid1", "StringGrid2", "StringGrid3", "StringGrid4",
                           "StringGrid5", "StringGrid6", "StringGrid7"};
    for (int n = 0; n < kDaysPerWeek; ++n) {
        DayGrid* grid = Named<DayGrid>(names[n], Panel1);
        grid->setGeometry(places[n]);
        grid->setFont(regular);
        grid->setItemDelegate(new StorableItemDelegate(*m_context.messageBoxes, grid));
        connect(grid, &DayGrid::MouseDown, this,
                [this, grid](Qt::MouseButton button, int column, int row) {
                    Guarded([&] { StringGrid1MouseDown(grid, button, column, row); });
                });
        connect(grid, &DayGrid::DeletePressed, this, [this, grid] {
            Guarded([&] {
                if (ActivityEditsLink* edits = m_context.links.activityEdits) {
                    edits->DeleteSelected(SlotRef{DayOf(grid), grid->currentRow() + 1});
                }
            });
        });
        m_grids[n] = grid;
    }
    StringGrid1 = m_grids[0];
    StringGrid2 = m_grids[1];
    StringGrid3 = m_grids[2];
    StringGrid4 = m_grids[3];
    StringGrid5 = m_grids[4];
    StringGrid6 = m_grids[5];
    StringGrid7 = m_grids[6];
}

void TAgend::BuildControls() {
    WeekBtn = FlatButton("WeekBtn", "Semaine 52", this);
    WeekBtn->setGeometry(523, 4, 106, 24);
    QPalette blue = WeekBtn->palette();
    blue.setColor(QPalette::ButtonText, Qt::blue);
    WeekBtn->setPalette(blue);
    PYBtn = PictureButton("PYBtn", "arrow_left", "Semaine précédente", this);
    PYBtn->setGeometry(523, 30, 52, 24);
    NYBtn = PictureButton("NYBtn", "arrow_right", "Semaine suivante", this);
    NYBtn->setGeometry(577, 30, 52, 24);
    NowBtn = FlatButton("NowBtn", "Aujourd'hui", this);
    NowBtn->setGeometry(523, 58, 106, 24);
    CalendBtn = FlatButton("CalendBtn", "Calendrier", this);
    CalendBtn->setIcon(BuiltInIcon("calendar"));
    CalendBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    CalendBtn->setGeometry(523, 84, 106, 24);

    FindBtn = FlatButton("FindBtn", "Chercher...", this);
    FindBtn->setGeometry(523, 120, 106, 24);
    SupprBtn = FlatButton("SupprBtn", "Supprimer...", this);
    SupprBtn->setGeometry(523, 146, 106, 24);
    RepetBtn = FlatButton("RepetBtn", "Répéter...", this);
    RepetBtn->setGeometry(523, 172, 106, 24);
    ConfigBtn = PictureButton("ConfigBtn", "printer_setup", "Configuration de l'impression", this);
    ConfigBtn->setGeometry(523, 208, 26, 24);
    PrintBtn = FlatButton("PrintBtn", "Imprimer", this);
    PrintBtn->setGeometry(551, 208, 78, 24);

    Label1 = Named<QLabel>("Label1", QString::fromUtf8("Heure de début :"), this);
    Label1->setGeometry(525, 244, 104, 16);
    ComboBox = Named<QComboBox>("ComboBox", this);
    ComboBox->setGeometry(523, 261, 106, 22);
    ClearBtn = FlatButton("ClearBtn", "Nettoyer", this);
    ClearBtn->setGeometry(523, 296, 106, 24);
    OKBtn = Named<QPushButton>("OKBtn", QStringLiteral("Fermer"), this);
    OKBtn->setGeometry(531, 376, 90, 27);
    OKBtn->setDefault(true);

    PastBtn = FlatButton("PastBtn", "Liste des activités passées", this);
    PastBtn->setGeometry(4, 412, 176, 28);
    Label2 = Named<QLabel>("Label2", QString::fromUtf8("Atteindre une fête :"), this);
    Label2->setGeometry(186, 418, 128, 16);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ComboBox1 = Named<QComboBox>("ComboBox1", this);
    ComboBox1->setGeometry(318, 415, 122, 22);
    AllBtn = FlatButton("AllBtn", "Liste de toutes les activités", this);
    AllBtn->setGeometry(446, 412, 183, 28);

    Timer = Named<QTimer>("Timer", this);
    Timer->setTimerType(Qt::PreciseTimer);
    Timer->setSingleShot(true);
}

void TAgend::FormCreate() {
    IniFile ini(m_context.dataFolder + std::string(kSettingsFileName));
    OptionsSection options = LoadOptions(ini);
    m_startHour = options.heureDeDebut;
    m_nameDayMode = NameDayModeFrom(options.fas);
    for (int hour = 0; hour < kStartHourCount; ++hour) {
        ComboBox->addItem(Utf8(DefaultTimeLabel(hour + 1)));
    }
    LimitDropDown(ComboBox, 7);
    // A stored hour outside the list selects nothing; it is written back as read.
    bool listed = m_startHour >= 0 && m_startHour < kStartHourCount;
    ComboBox->setCurrentIndex(listed ? m_startHour : -1);
    for (std::string_view entry : kFeastList) {
        ComboBox1->addItem(Utf8(FeastDisplayName(entry)));
    }
    LimitDropDown(ComboBox1, 23);
    ComboBox1->view()->setMinimumWidth(ComboBox1->view()->sizeHintForColumn(0) + 24);
    ComboBox1->setCurrentIndex(-1);

    auto on = [this](QToolButton* button, void (TAgend::*handler)()) {
        connect(button, &QToolButton::clicked, this,
                [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    on(PYBtn, &TAgend::PYBtnClick);
    on(NYBtn, &TAgend::NYBtnClick);
    on(NowBtn, &TAgend::NowBtnClick);
    on(CalendBtn, &TAgend::CalendBtnClick);
    on(WeekBtn, &TAgend::WeekBtnClick);
    on(FindBtn, &TAgend::FindBtnClick);
    on(SupprBtn, &TAgend::SupprBtnClick);
    on(RepetBtn, &TAgend::RepetBtnClick);
    on(PastBtn, &TAgend::PastBtnClick);
    on(AllBtn, &TAgend::AllBtnClick);
    on(ClearBtn, &TAgend::ClearBtnClick);
    on(ConfigBtn, &TAgend::ConfigBtnClick);
    on(PrintBtn, &TAgend::PrintBtnClick);
    connect(ComboBox, &QComboBox::activated, this,
            [this](int index) { Guarded([&] { ComboBoxClick(index); }); });
    connect(ComboBox1, &QComboBox::activated, this,
            [this](int index) { Guarded([&] { ComboBox1Click(index); }); });
    connect(OKBtn, &QPushButton::clicked, this, &TAgend::accept);
    InstallHelpKey(this, m_context);
    connect(Timer, &QTimer::timeout, this, &TAgend::TimerTimer);
    StartTimer();
}

year_month_day TAgend::Today() const {
    return ToYmd(m_context.clock->Now().date());
}

void TAgend::Guarded(const std::function<void()>& handler) {
    brivonce::Guarded(*m_context.messageBoxes, this, handler);
}

void TAgend::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TAgend::FormShow() {
    ShowCaptionClock();
    StartTimer();
    year_month_day today = Today();
    bool currentWeek = m_displayedMonday == MondayOf(today);
    Grid(currentWeek ? DayNumber(today) : 1)->setFocus();
    ActivityListsLink* lists = m_context.links.activityLists;
    bool listsAvailable = lists && !lists->ListWindowVisible();
    PastBtn->setEnabled(listsAvailable);
    AllBtn->setEnabled(listsAvailable);
    ClearBtn->setEnabled(lists != nullptr);
    bool editsAvailable = m_context.links.activityEdits != nullptr;
    for (QToolButton* button : {FindBtn, SupprBtn, RepetBtn}) {
        button->setEnabled(editsAvailable);
    }
    PrintLink* print = m_context.links.print;
    ConfigBtn->setEnabled(print != nullptr);
    PrintBtn->setEnabled(print && print->PrinterInstalled());
}

void TAgend::StartTimer() {
    QTime now = m_context.clock->Now().time();
    Timer->start(MillisecondsToNextMinute(now.second(), now.msec()));
}

void TAgend::TimerTimer() {
    StartTimer();
    ShowCaptionClock();
}

void TAgend::ShowCaptionClock() {
    QDateTime now = m_context.clock->Now();
    QString caption = " " + QLocale().toString(now, QStringLiteral("dddd d MMMM yyyy - hh:mm"));
    if (m_nameDayMode != NameDayMode::kNone) {
        year_month_day today = ToYmd(now.date());
        caption += " - " + Utf8(DayNames(today, m_nameDayMode, today).text);
    }
    setWindowTitle(caption);
}

void TAgend::done(int result) {
    // A week that cannot be saved keeps the window open with its edits: closing
    // would lose them, since the next opening reads the file again.
    bool saved = false;
    Guarded([this, &saved] {
        FormClose();
        saved = true;
    });
    if (saved) {
        QDialog::done(result);
    }
}

void TAgend::FormClose() {
    SaveDisplayedWeek();
}

void TAgend::DisplayWeek(year_month_day monday) {
    WaitCursor hourglass;
    monday = MondayOf(monday);
    Week week = LoadWeek(m_context.dataFolder, monday);
    m_displayedMonday = monday;
    WeekBtn->setText(QString("Semaine %1").arg(WeekNumber(monday)));
    year_month_day today = Today();
    int currentHour = m_context.clock->Now().time().hour();
    for (int n = 1; n <= kDaysPerWeek; ++n) {
        ShowDay(n, sys_days{monday} + days{n - 1}, today, currentHour);
    }
    for (int n = 1; n <= kDaysPerWeek; ++n) {
        for (int slot = 1; slot <= kSlotsPerDay; ++slot) {
            const Slot& stored = week.At(n, slot);
            Grid(n)->SetCell(0, slot, QString::fromStdString(stored.label));
            Grid(n)->SetCell(1, slot, QString::fromStdString(stored.text));
        }
    }
    m_weekStale = false;
}

void TAgend::ShowDay(int dayNumber, year_month_day date, year_month_day today, int currentHour) {
    DayGrid* grid = Grid(dayNumber);
    grid->EndEditing(false);
    GridsDisabled busy({&grid, 1});
    grid->ClearCurrent();
    bool isToday = date == today;
    grid->SetTopRow(TopSlotRow(dayNumber, isToday ? currentHour : m_startHour));
    QString title = " " + QLocale().toString(ToQDate(date), QStringLiteral("ddd d MMM yy")) + " ";
    DayName name = DayNames(date, m_nameDayMode, today);
    if (!name.text.empty()) {
        title += " -  " + Utf8(name.text);
    }
    grid->SetCell(1, kTitleRow, title);
    grid->SetBackground(ColourOf(DayColourOf(dayNumber, name.publicHoliday, isToday)));
    if (isToday) {
        SelectSlotRow(grid, currentHour + 1);
    }
}

void TAgend::SaveDisplayedWeek() {
    if (m_weekStale) {
        return;  // writing it would bring back what the walk changed
    }
    Week week;
    for (int n = 1; n <= kDaysPerWeek; ++n) {
        Grid(n)->EndEditing(true);
        for (int slot = 1; slot <= kSlotsPerDay; ++slot) {
            week.At(n, slot) = {Grid(n)->Cell(0, slot).toStdString(),
                                Grid(n)->Cell(1, slot).toStdString()};
        }
    }
    GridsDisabled saving(m_grids);
    SaveWeek(m_context.dataFolder, m_displayedMonday, week);
}

void TAgend::SelectSlotRow(DayGrid* grid, int row) {
    grid->setCurrentCell(row - 1, 0);
}

Slot TAgend::SlotAt(SlotRef slot) const {
    DayGrid* grid = Grid(slot.day);
    return {grid->Cell(0, slot.row).toStdString(), grid->Cell(1, slot.row).toStdString()};
}

void TAgend::SetSlot(SlotRef slot, const Slot& value) {
    DayGrid* grid = Grid(slot.day);
    grid->SetCell(0, slot.row, QString::fromStdString(value.label));
    grid->SetCell(1, slot.row, QString::fromStdString(value.text));
}

void TAgend::ShowSlot(SlotRef slot) {
    DayGrid* grid = Grid(slot.day);
    grid->SetTopRow(TopSlotRow(slot.day, slot.row - 1));
    SelectSlotRow(slot);
    grid->setFocus();
}

std::optional<year_month_day> TAgend::PickDate(year_month_day initial) {
    m_picker->SetDate(ToQDate(initial));
    if (m_picker->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return ToYmd(m_picker->Date());
}

bool TAgend::DatePickerVisible() const {
    return m_picker->isVisible();
}

int TAgend::DayOf(const DayGrid* grid) const {
    auto found = std::find(m_grids.begin(), m_grids.end(), grid);
    return static_cast<int>(found - m_grids.begin()) + 1;
}

std::optional<SlotRef> TAgend::FocusedSlot() {
    QWidget* focused = focusWidget();
    for (DayGrid* grid : m_grids) {
        if (focused && (focused == grid || grid->isAncestorOf(focused)) &&
            grid->currentRow() >= 0) {
            grid->EndEditing(true);
            return SlotRef{DayOf(grid), grid->currentRow() + 1};
        }
    }
    return std::nullopt;
}

void TAgend::GoToWeek(year_month_day date) {
    SaveDisplayedWeek();
    DisplayWeek(MondayOf(date));
}

void TAgend::SelectStartRowIfNotCurrent(DayGrid* grid) {
    if (m_displayedMonday != MondayOf(Today())) {
        SelectSlotRow(grid, std::clamp(m_startHour + 1, 1, kSlotsPerDay));
    }
}

void TAgend::PYBtnClick() {
    GoToWeek(sys_days{m_displayedMonday} - weeks{1});
    SelectStartRowIfNotCurrent(StringGrid1);
}

void TAgend::NYBtnClick() {
    GoToWeek(sys_days{m_displayedMonday} + weeks{1});
    SelectStartRowIfNotCurrent(StringGrid1);
}

void TAgend::NowBtnClick() {
    GoToWeek(Today());
}

void TAgend::CalendBtnClick() {
    std::optional<year_month_day> chosen = PickDate(m_displayedMonday);
    if (!chosen) {
        return;
    }
    year_month_day picked = *chosen;
    GoToWeek(picked);
    SelectStartRowIfNotCurrent(Grid(DayNumber(picked)));
}

void TAgend::WeekBtnClick() {
    int current = WeekNumber(m_displayedMonday);
    std::optional<QString> answer =
        AskText(this, QStringLiteral("Atteindre une semaine"),
                QString::fromUtf8("Semaine numéro :"), QString::number(current));
    if (!answer) {
        return;
    }
    // The weeks are counted in the year the displayed week belongs to, which
    // is not always its Monday's year (Monday 29 December 2025 is in 2026).
    int weekYear = WeekYear(m_displayedMonday);
    int number = WeekNumberFromInput(answer->toStdString(), current, WeeksInYear(weekYear));
    GoToWeek(MondayOfWeek(weekYear, number));
    SelectStartRowIfNotCurrent(StringGrid1);
}

void TAgend::ComboBoxClick(int index) {
    SaveDisplayedWeek();
    m_startHour = index;
    DisplayWeek(m_displayedMonday);
}

void TAgend::ComboBox1Click(int index) {
    if (index < 0 || index >= static_cast<int>(kFeastList.size())) {
        return;
    }
    int displayedYear = static_cast<int>(m_displayedMonday.year());
    std::optional<year_month_day> target = FeastDate(kFeastList[index], displayedYear);
    if (!target) {
        m_context.messageBoxes->Show(
            this, MessageBoxes::Icon::Information, QStringLiteral("Information"),
            QString::fromUtf8(kAugustMessage).arg(displayedYear), QMessageBox::Ok);
        target = m_displayedMonday;
    }
    GoToWeek(*target);
    DayGrid* grid = Grid(DayNumber(*target));
    SelectSlotRow(grid, grid->TopRow());
}

void TAgend::StringGrid1MouseDown(DayGrid* grid, Qt::MouseButton button, int column, int row) {
    if (row == kTitleRow) {
        return;
    }
    if (button == Qt::RightButton && m_context.links.activityEdits) {
        grid->EndEditing(true);
        m_context.links.activityEdits->RepeatSlot(SlotRef{DayOf(grid), row});
        return;
    }
    if (button != Qt::LeftButton || column != 0) {
        return;
    }
    SelectSlotRow(grid, row);
    grid->setFocus();
    THSaisie* timeDialog = m_timeDialog;
    timeDialog->SetTime(grid->Cell(0, row));
    int answer = timeDialog->exec();
    // Back to the agenda, so that the activity can be typed at once.
    activateWindow();
    if (answer != QDialog::Accepted) {
        return;
    }
    grid->SetCell(0, row, timeDialog->Time());
    grid->setFocus();
    grid->EditActivity(row);
}

void TAgend::FindBtnClick() {
    SaveDisplayedWeek();
    m_context.links.activityEdits->OpenSearch();
}

void TAgend::SupprBtnClick() {
    m_context.links.activityEdits->DeleteSelected(FocusedSlot());
}

void TAgend::RepetBtnClick() {
    m_context.links.activityEdits->RepeatSelected(FocusedSlot());
}

void TAgend::PastBtnClick() {
    ShowActivityList(ActivityList::kPast);
}

void TAgend::AllBtnClick() {
    ShowActivityList(ActivityList::kAll);
}

void TAgend::ShowActivityList(ActivityList kind) {
    SaveDisplayedWeek();
    ActivityListsLink::Outcome outcome = m_context.links.activityLists->ShowList(kind, false);
    if (outcome.shown && !outcome.openedEntry) {
        DisplayWeek(m_displayedMonday);  // deletions made in the list show
    }
}

void TAgend::ClearBtnClick() {
    SaveDisplayedWeek();
    if (m_context.links.activityLists->OpenWeekCleanup()) {
        DisplayWeek(m_displayedMonday);  // its file may be gone
    }
}

void TAgend::ConfigBtnClick() {
    m_context.links.print->ChoosePrintSize();
}

void TAgend::PrintBtnClick() {
    m_context.links.print->PrintWindowPicture(this, kAgendaJobTitle, kPrintedRightStrip,
                                              kPrintedBottomStrip);
}

}  // namespace brivonce
