#include "activities/activity_list_windows.h"

#include <QApplication>

#include "activities/past_window.h"
#include "activities/week_cleanup_dialog.h"
#include "ui/agenda_link.h"
#include "ui/app_context.h"
#include "ui/clock.h"
#include "ui/message_boxes.h"
#include "ui/qt_dates.h"

namespace brivonce {
namespace {

const char* const kPastTitle = "Brivonce : liste des activités passées";
const char* const kAllTitle = "Brivonce : liste de toutes les activités";
const char* const kNoPastActivity = "Aucune activité passée.";
const char* const kNoActivity = "Aucune activité à afficher.";
const char* const kNoWeekFile = "Il n'y a aucun fichier de semaine dans le répertoire de Brivonce.";

}  // namespace

ActivityListWindows::ActivityListWindows(AppContext& context, TPast* past, TDelete* cleanup)
    : QObject(past), m_context(context), m_past(past), m_cleanup(cleanup) {}

ActivityListsLink::Outcome ActivityListWindows::ShowList(ActivityList kind, bool quietWhenEmpty) {
    // The agenda may be open beside the memo window: the list must read its
    // edits, and it must not write back activities the list removed.
    AgendaLink* agenda = m_context.links.agenda;
    bool agendaOpen = agenda && agenda->IsVisible();
    if (agendaOpen) {
        agenda->SaveDisplayedWeek();
    }
    if (!FillList(kind)) {
        if (!quietWhenEmpty) {
            Inform(kind == ActivityList::kPast ? kNoPastActivity : kNoActivity);
        }
        return {};
    }
    m_past->ClearOpenedEntry();
    m_past->exec();
    Outcome outcome{true, m_past->OpenedEntry()};
    if (agendaOpen && !outcome.openedEntry) {
        agenda->DisplayWeek(agenda->DisplayedMonday());
    }
    return outcome;
}

bool ActivityListWindows::FillList(ActivityList kind) {
    if (kind == ActivityList::kPast) {
        return m_past->ListPastActivities(QString::fromUtf8(kPastTitle));
    }
    return m_past->ListAllActivities(QString::fromUtf8(kAllTitle));
}

bool ActivityListWindows::ListWindowVisible() const {
    return m_past->isVisible();
}

FontRecord ActivityListWindows::ListFont() const {
    return m_past->ListFontRecord();
}

bool ActivityListWindows::OpenWeekCleanup() {
    std::vector<WeekFileEntry> entries =
        CleanupEntries(m_context.dataFolder, ToYmd(m_context.clock->Now().date()));
    if (entries.empty()) {
        Inform(kNoWeekFile);
        return false;
    }
    m_cleanup->SetEntries(entries);
    m_cleanup->exec();
    return true;
}

void ActivityListWindows::Inform(const char* message) {
    m_context.messageBoxes->Show(QApplication::activeWindow(), MessageBoxes::Icon::Information,
                                 QStringLiteral("Information"), QString::fromUtf8(message),
                                 QMessageBox::Ok);
}

}  // namespace brivonce
