#pragma once

#include <chrono>
#include <optional>

#include "agenda/french_calendar.h"
#include "agenda/week_store.h"

class QDialog;

namespace brivonce {

// A slot of the agenda's displayed week: day grid 1 (Monday) .. 7 (Sunday) and
// row 1..24.
struct SlotRef {
    int day = 1;
    int row = 1;
    bool operator==(const SlotRef&) const = default;
};

// What the other areas' windows may ask of the agenda window and of its date
// picker. The agenda implements it; app/ hands it out.
class AgendaLink {
public:
    virtual ~AgendaLink() = default;

    // The agenda window itself: showing it, parent of boxes.
    virtual QDialog* Window() = 0;
    virtual bool IsVisible() const = 0;

    virtual std::chrono::year_month_day DisplayedMonday() const = 0;
    // Makes the week holding `monday` the displayed one, read from its file.
    // Raises Error when the file cannot be read.
    virtual void DisplayWeek(std::chrono::year_month_day monday) = 0;
    // Writes the grids, text still being typed included, as the displayed week.
    // Raises Error.
    virtual void SaveDisplayedWeek() = 0;
    // The week files are about to change behind the grids (a walk): no save
    // writes the displayed week until DisplayWeek has read it again.
    virtual void MarkDisplayedWeekStale() = 0;

    // The slot as the grid holds it, and its replacement in the grid only.
    virtual Slot SlotAt(SlotRef slot) const = 0;
    virtual void SetSlot(SlotRef slot, const Slot& value) = 0;
    // Makes the slot's activity the current, selected cell of its grid.
    virtual void SelectSlotRow(SlotRef slot) = 0;
    // The same, after scrolling the slot to the top of its grid as far as the
    // grid allows (a weekday grid stops at row 18, a weekend grid at row 22),
    // and the focus to that grid.
    virtual void ShowSlot(SlotRef slot) = 0;

    // The start hour as the settings store it ("Heure de début").
    virtual int StartHourIndex() const = 0;
    virtual void SetNameDayMode(NameDayMode mode) = 0;

    // The date picker, preset to `initial` and shown modally; nullopt when it
    // is cancelled.
    virtual std::optional<std::chrono::year_month_day> PickDate(
        std::chrono::year_month_day initial) = 0;
    virtual bool DatePickerVisible() const = 0;
};

}  // namespace brivonce
