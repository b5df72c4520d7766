#include "activities/activity_edits.h"

#include <algorithm>
#include <climits>
#include <exception>

#include "activities/delete_choice_dialog.h"
#include "activities/period_dialog.h"
#include "activities/repeat_dialog.h"
#include "activities/repetition.h"
#include "activities/wait_dialog.h"
#include "ui/app_context.h"
#include "ui/message_boxes.h"

namespace brivonce {
namespace {

using namespace std::chrono;

const char* const kNothingSelected = "Aucune activité n'est sélectionnée.";
const char* const kCannotRepeatEmpty = "Il n'est pas possible de répéter une activité vide !";
const char* const kCannotDeleteEmpty = "Il n'est pas possible de supprimer une activité vide !";
const char* const kRepeating = "Répétition en cours...";
const char* const kDeleting = "Suppression en cours...";

}  // namespace

ActivityEdits::ActivityEdits(AppContext& context)
    : m_context(context),
      m_wait([] { return std::make_unique<TWait>(); }),
      m_repet([&context] { return std::make_unique<TRepet>(context); }),
      m_suppr([] { return std::make_unique<TSuppr>(); }),
      m_per([&context] { return std::make_unique<TPer>(context); }),
      m_find([this] { return std::make_unique<TFind>(m_context, *this); }) {}

ActivityEdits::~ActivityEdits() = default;

TWait* ActivityEdits::Wait() {
    return m_wait;
}

AgendaLink& ActivityEdits::Agenda() const {
    return *m_context.links.agenda;
}

year_month_day ActivityEdits::DateOf(SlotRef slot) const {
    return sys_days{Agenda().DisplayedMonday()} + days{slot.day - 1};
}

void ActivityEdits::Warn(const char* text) const {
    m_context.messageBoxes->Show(Agenda().Window(), MessageBoxes::Icon::Warning,
                                 QStringLiteral("Information"), QString::fromUtf8(text),
                                 QMessageBox::Ok);
}

void ActivityEdits::RepeatSelected(std::optional<SlotRef> focused) {
    if (!focused) {
        Warn(kNothingSelected);
        return;
    }
    RepeatSlot(*focused);
}

void ActivityEdits::RepeatSlot(SlotRef slot) {
    AgendaLink& agenda = Agenda();
    Slot source = agenda.SlotAt(slot);
    if (source.text.empty()) {
        Warn(kCannotRepeatEmpty);
        return;
    }
    year_month_day date = DateOf(slot);
    agenda.SelectSlotRow(slot);
    if (!m_repet->Open(date)) {
        return;
    }
    // The copies are made over the saved week, so one landing in it survives.
    agenda.SaveDisplayedWeek();
    std::vector<WeekDays> weeks = GroupByWeek(RepetitionDates(m_repet->Choice()));
    RunWalk(
        QString::fromUtf8(kRepeating), weeks.size(),
        [&](const WalkProgress& progress) {
            ApplyRepetition(m_context.dataFolder, weeks, slot.row, source, progress);
        },
        [&] {
            agenda.DisplayWeek(MondayOf(date));
            agenda.SelectSlotRow(slot);
        });
}

void ActivityEdits::DeleteSelected(std::optional<SlotRef> focused) {
    if (!focused) {
        Warn(kNothingSelected);
        return;
    }
    // Typing elsewhere in the week survives a deletion over all weeks.
    Agenda().SaveDisplayedWeek();
    if (Agenda().SlotAt(*focused).text.empty()) {
        Warn(kCannotDeleteEmpty);
        return;
    }
    switch (m_suppr->Ask()) {
        case DeleteChoice::kOne:
            DeleteSlot(*focused);
            break;
        case DeleteChoice::kInPeriod:
            if (std::optional<DatePeriod> period = AskPeriod(*focused)) {
                DeleteOccurrences(*focused, period);
            }
            break;
        case DeleteChoice::kAll:
            DeleteOccurrences(*focused, std::nullopt);
            break;
        case DeleteChoice::kNone:
            break;
    }
}

void ActivityEdits::OpenSearch() {
    m_find->Open();
}

void ActivityEdits::DeleteSlot(SlotRef slot) {
    Agenda().SetSlot(slot, {DefaultTimeLabel(slot.row), ""});
    Agenda().SaveDisplayedWeek();
}

std::optional<DatePeriod> ActivityEdits::AskPeriod(SlotRef slot) {
    return m_per->AskPeriod(DateOf(slot));
}

void ActivityEdits::DeleteOccurrences(SlotRef slot, std::optional<DatePeriod> period) {
    AgendaLink& agenda = Agenda();
    Slot reference = agenda.SlotAt(slot);
    std::vector<std::string> weekFiles = ListWeekFiles(m_context.dataFolder);
    RunWalk(
        QString::fromUtf8(kDeleting), weekFiles.size(),
        [&](const WalkProgress& progress) {
            brivonce::DeleteOccurrences(m_context.dataFolder, weekFiles, reference, period,
                                        progress);
        },
        [&] { agenda.DisplayWeek(agenda.DisplayedMonday()); });
}

void ActivityEdits::RunWalk(const QString& title, std::size_t maximum,
                            const std::function<void(const WalkProgress&)>& walk,
                            const std::function<void()>& redisplay) {
    Agenda().MarkDisplayedWeekStale();
    std::exception_ptr failure;
    try {
        m_wait->Run(title, static_cast<int>(std::min<std::size_t>(maximum, INT_MAX)), walk);
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        redisplay();
    } catch (...) {
        if (!failure) {
            throw;
        }
        // The walk's own error is the one to report; the week stays on screen.
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

}  // namespace brivonce
