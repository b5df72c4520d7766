#pragma once

#include <QDialog>
#include <QTableWidget>
#include <array>
#include <chrono>
#include <functional>
#include <optional>

#include "agenda/french_calendar.h"
#include "agenda/week_store.h"
#include "ui/activity_lists_link.h"
#include "ui/agenda_link.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

namespace brivonce {

struct AppContext;
class TChoixD;
class THSaisie;

// One day of the displayed week, addressed as (column, row): row 0 is the
// title row, rows 1..24 are slots 1..24; column 0 holds the time labels and
// column 1 the activities. The title row and the label column are the
// table's headers, so they stay in place while the activities scroll.
class DayGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit DayGrid(QWidget* parent = nullptr);

    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);

    // The first visible slot row. The row set is held against the layout
    // passes that follow (the scrolling range is only known once the grid has
    // been laid out on screen) until the user scrolls.
    int TopRow() const;
    void SetTopRow(int row);

    // Background of the activity cells; the headers keep their own colour.
    QColor Background() const;
    void SetBackground(const QColor& colour);

    // No current cell and no selection.
    void ClearCurrent();
    // True while a cell's in-place editor is open.
    bool Editing() const { return state() == EditingState; }
    // Ends in-place editing, keeping the typed text or dropping it.
    void EndEditing(bool keep);
    // Makes slot `row`'s activity the current cell and opens its editor.
    void EditActivity(int row);

signals:
    // A mouse button went down on (column, row).
    void MouseDown(Qt::MouseButton button, int column, int row);
    // The Delete key while no cell is being edited.
    void DeletePressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void updateGeometries() override;

private:
    void ApplyTopRow();

    int m_topRow = 1;
    bool m_topRowHeld = false;
};

// The agenda: one week, Monday to Sunday, in seven day grids. The grids are
// the working copy of the week between save points; every action that leaves
// the week, opens another window or closes the agenda writes it first.
class TAgend : public QDialog, public AgendaLink {
    Q_OBJECT
public:
    // `picker` and `timeDialog` are the agenda's own date picker and
    // alarm-time dialog.
    TAgend(AppContext& context, TChoixD* picker, THSaisie* timeDialog, QWidget* parent = nullptr);

    QDialog* Window() override { return this; }
    bool IsVisible() const override { return isVisible(); }
    std::chrono::year_month_day DisplayedMonday() const override { return m_displayedMonday; }
    // Shows the week holding `monday`, read from its file, and makes it the
    // displayed week. Raises Error when the file cannot be read; the week on
    // screen is then left as it was.
    void DisplayWeek(std::chrono::year_month_day monday) override;
    // Writes the grids, text still being typed included, as the displayed
    // week (SaveWeek: a week without activity leaves no file). Raises Error.
    void SaveDisplayedWeek() override;
    void MarkDisplayedWeekStale() override { m_weekStale = true; }
    Slot SlotAt(SlotRef slot) const override;
    void SetSlot(SlotRef slot, const Slot& value) override;
    void SelectSlotRow(SlotRef slot) override { SelectSlotRow(Grid(slot.day), slot.row); }
    void ShowSlot(SlotRef slot) override;
    // Makes the activity cell of slot `row` (1..24) the grid's current,
    // selected cell.
    void SelectSlotRow(DayGrid* grid, int row);
    // Day grid 1 = Monday .. 7 = Sunday.
    DayGrid* Grid(int dayNumber) const { return m_grids.at(dayNumber - 1); }

    // The start hour as the settings store it ("Heure de début").
    int StartHourIndex() const override { return m_startHour; }
    // Which name days the day titles and the caption report.
    void SetNameDayMode(NameDayMode mode) override { m_nameDayMode = mode; }

    std::optional<std::chrono::year_month_day> PickDate(
        std::chrono::year_month_day initial) override;
    bool DatePickerVisible() const override;

    QFrame* Panel1;
    DayGrid* StringGrid1;
    DayGrid* StringGrid2;
    DayGrid* StringGrid3;
    DayGrid* StringGrid4;
    DayGrid* StringGrid5;
    DayGrid* StringGrid6;
    DayGrid* StringGrid7;
    QToolButton* WeekBtn;
    QToolButton* PYBtn;
    QToolButton* NYBtn;
    QToolButton* NowBtn;
    QToolButton* CalendBtn;
    QToolButton* FindBtn;
    QToolButton* SupprBtn;
    QToolButton* RepetBtn;
    QToolButton* ConfigBtn;
    QToolButton* PrintBtn;
    QLabel* Label1;
    QComboBox* ComboBox;
    QToolButton* ClearBtn;
    QPushButton* OKBtn;
    QToolButton* PastBtn;
    QLabel* Label2;
    QComboBox* ComboBox1;
    QToolButton* AllBtn;
    QTimer* Timer;

public slots:
    // Every way of closing ends here, and saves first.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void BuildGrids();
    void FormCreate();
    void FormShow();
    void FormClose();
    void TimerTimer();
    void PYBtnClick();
    void NYBtnClick();
    void NowBtnClick();
    void CalendBtnClick();
    void WeekBtnClick();
    void ComboBoxClick(int index);
    void ComboBox1Click(int index);
    void StringGrid1MouseDown(DayGrid* grid, Qt::MouseButton button, int column, int row);
    void FindBtnClick();
    void SupprBtnClick();
    void RepetBtnClick();
    void PastBtnClick();
    void AllBtnClick();
    void ClearBtnClick();
    void ConfigBtnClick();
    void PrintBtnClick();
    // A list of activities; the week is shown again afterwards unless the
    // list moved the agenda to an activity itself.
    void ShowActivityList(ActivityList kind);
    // The focused day grid's current slot, its cell editing ended (the typed
    // text kept); nullopt when no day grid has the focus.
    std::optional<SlotRef> FocusedSlot();
    int DayOf(const DayGrid* grid) const;

    void ShowDay(int dayNumber, std::chrono::year_month_day date, std::chrono::year_month_day today,
                 int currentHour);
    // The save point, then the week holding `date`.
    void GoToWeek(std::chrono::year_month_day date);
    // After a move: the start-hour row, unless the week is the current one.
    void SelectStartRowIfNotCurrent(DayGrid* grid);
    void ShowCaptionClock();
    void StartTimer();
    std::chrono::year_month_day Today() const;
    // Runs an event handler; an Error ends it with the error box.
    void Guarded(const std::function<void()>& handler);

    AppContext& m_context;
    TChoixD* m_picker;
    THSaisie* m_timeDialog;
    std::chrono::year_month_day m_displayedMonday;
    bool m_weekStale = false;  // the grids hold what a walk has since changed
    int m_startHour;
    NameDayMode m_nameDayMode;
    std::array<DayGrid*, kDaysPerWeek> m_grids;
};

}  // namespace brivonce
