#pragma once

#include <chrono>
#include <memory>

#include "ui/agenda_link.h"
#include "ui/on_first_use.h"

namespace brivonce {

struct AppContext;
class TAgend;
class TChoixD;
class THSaisie;

// The agenda, its date picker and its alarm-time dialog, built the first time
// they are needed: a run that never opens them does not pay for them at
// start-up. Until then it answers for the agenda as the agenda would have.
class LazyAgenda : public AgendaLink {
public:
    explicit LazyAgenda(AppContext& context);
    ~LazyAgenda() override;

    TAgend* Agenda();
    TChoixD* Picker();
    THSaisie* TimeDialog();

    QDialog* Window() override;
    bool IsVisible() const override;
    std::chrono::year_month_day DisplayedMonday() const override;
    void DisplayWeek(std::chrono::year_month_day monday) override;
    void SaveDisplayedWeek() override;
    void MarkDisplayedWeekStale() override;
    Slot SlotAt(SlotRef slot) const override;
    void SetSlot(SlotRef slot, const Slot& value) override;
    void SelectSlotRow(SlotRef slot) override;
    void ShowSlot(SlotRef slot) override;
    int StartHourIndex() const override;
    void SetNameDayMode(NameDayMode mode) override;
    std::optional<std::chrono::year_month_day> PickDate(
        std::chrono::year_month_day initial) override;
    bool DatePickerVisible() const override;

private:
    AppContext& m_context;
    // What the agenda would have shown and been set to, had it been built at
    // start-up.
    std::chrono::year_month_day m_firstMonday;
    int m_startHour;
    NameDayMode m_nameDayMode;
    std::unique_ptr<TChoixD> m_picker;
    std::unique_ptr<THSaisie> m_timeDialog;
    OnFirstUse<TAgend> m_agenda;  // builds the two dialogs too
};

}  // namespace brivonce
