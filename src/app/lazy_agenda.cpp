#include "app/lazy_agenda.h"

#include "agenda/agenda_window.h"
#include "agenda/date_picker_dialog.h"
#include "agenda/time_dialog.h"
#include "agenda/week_view.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "ui/app_context.h"
#include "ui/clock.h"
#include "ui/qt_dates.h"

namespace brivonce {

LazyAgenda::LazyAgenda(AppContext& context)
    : m_context(context),
      m_firstMonday(MondayOf(ToYmd(context.clock->Now().date()))),
      m_agenda([this] {
          m_picker = std::make_unique<TChoixD>(m_context);
          m_timeDialog = std::make_unique<THSaisie>();
          auto agenda = std::make_unique<TAgend>(m_context, m_picker.get(), m_timeDialog.get());
          agenda->SetNameDayMode(m_nameDayMode);
          return agenda;
      }) {
    OptionsSection options =
        LoadOptions(IniFile(context.dataFolder + std::string(kSettingsFileName)));
    m_startHour = options.heureDeDebut;
    m_nameDayMode = NameDayModeFrom(options.fas);
}

LazyAgenda::~LazyAgenda() = default;

// Whoever shows the agenda first displays a week (DisplayedMonday() until
// then, the week of the day the program started).
TAgend* LazyAgenda::Agenda() {
    return m_agenda;
}

TChoixD* LazyAgenda::Picker() {
    Agenda();
    return m_picker.get();
}

THSaisie* LazyAgenda::TimeDialog() {
    Agenda();
    return m_timeDialog.get();
}

QDialog* LazyAgenda::Window() {
    return Agenda();
}

bool LazyAgenda::IsVisible() const {
    return m_agenda.IsVisible();
}

std::chrono::year_month_day LazyAgenda::DisplayedMonday() const {
    return m_agenda.Built() ? m_agenda.Built()->DisplayedMonday() : m_firstMonday;
}

void LazyAgenda::DisplayWeek(std::chrono::year_month_day monday) {
    Agenda()->DisplayWeek(monday);
}

void LazyAgenda::SaveDisplayedWeek() {
    if (TAgend* agenda = m_agenda.Built()) {  // never built, it holds no edits
        agenda->SaveDisplayedWeek();
    }
}

void LazyAgenda::MarkDisplayedWeekStale() {
    if (m_agenda) {
        m_agenda->MarkDisplayedWeekStale();
    }
}

Slot LazyAgenda::SlotAt(SlotRef slot) const {
    return m_agenda.Built() ? m_agenda.Built()->SlotAt(slot) : Slot{DefaultTimeLabel(slot.row), {}};
}

void LazyAgenda::SetSlot(SlotRef slot, const Slot& value) {
    Agenda()->SetSlot(slot, value);
}

void LazyAgenda::SelectSlotRow(SlotRef slot) {
    Agenda()->SelectSlotRow(slot);
}

void LazyAgenda::ShowSlot(SlotRef slot) {
    Agenda()->ShowSlot(slot);
}

int LazyAgenda::StartHourIndex() const {
    return m_agenda.Built() ? m_agenda.Built()->StartHourIndex() : m_startHour;
}

void LazyAgenda::SetNameDayMode(NameDayMode mode) {
    m_nameDayMode = mode;
    if (TAgend* agenda = m_agenda.Built()) {
        agenda->SetNameDayMode(mode);
    }
}

std::optional<std::chrono::year_month_day> LazyAgenda::PickDate(
    std::chrono::year_month_day initial) {
    return Agenda()->PickDate(initial);
}

bool LazyAgenda::DatePickerVisible() const {
    return m_picker && m_picker->isVisible();
}

}  // namespace brivonce
