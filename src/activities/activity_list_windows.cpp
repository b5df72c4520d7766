#include "activities/activity_list_windows.h"

#include <QApplication>
#include <optional>

#include "activities/past_window.h"
#include "activities/week_cleanup_dialog.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "ui/agenda_link.h"
#include "ui/app_context.h"
#include "ui/clock.h"
#include "ui/message_boxes.h"
#include "ui/qt_dates.h"
#include "ui/wait_cursor.h"

namespace brivonce {
namespace {

const char* const kPastTitle = "Brivonce : liste des activités passées";
const char* const kAllTitle = "Brivonce : liste de toutes les activités";
const char* const kNoPastActivity = "Aucune activité passée.";
const char* const kNoActivity = "Aucune activité à afficher.";
const char* const kNoWeekFile = "Il n'y a aucun fichier de semaine dans le répertoire de Brivonce.";

}  // namespace

ActivityListWindows::ActivityListWindows(AppContext& context)
    : m_context(context),
      m_fontAtStart(ReadFontRecord(IniFile(context.dataFolder + std::string(kSettingsFileName)),
                                   kSectionPolicePast)),
      m_past([&context, font = m_fontAtStart] { return std::make_unique<TPast>(context, font); }),
      m_cleanup([&context] { return std::make_unique<TDelete>(context); }) {}

ActivityListWindows::~ActivityListWindows() = default;

TPast* ActivityListWindows::Past() {
    return m_past;
}

ActivityListsLink::Outcome ActivityListWindows::ShowList(ActivityList kind, bool quietWhenEmpty) {
    // The agenda may be open beside the memo window: the list must read its
    // edits, and it must not write back activities the list removed.
    AgendaLink* agenda = m_context.links.agenda;
    bool agendaOpen = agenda && agenda->IsVisible();
    if (agendaOpen) {
        agenda->SaveDisplayedWeek();
    }
    if (!FillList(kind, !quietWhenEmpty)) {
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

// Reads the week files as of now; the window is built only for a list that
// has lines. The quiet list of the memo window's first showing goes without
// the hourglass: loading the cursor theme would cost that start more than
// the walk.
bool ActivityListWindows::FillList(ActivityList kind, bool hourglass) {
    std::vector<ListedActivity> activities;
    {
        std::optional<WaitCursor> busy;
        if (hourglass) {
            busy.emplace();
        }
        QDateTime now = m_context.clock->Now();
        activities =
            kind == ActivityList::kPast
                ? ListPastActivities(m_context.dataFolder, ToYmd(now.date()), now.time().hour())
                : ListAllActivities(m_context.dataFolder);
    }
    if (activities.empty()) {
        return false;
    }
    m_past->Fill(QString::fromUtf8(kind == ActivityList::kPast ? kPastTitle : kAllTitle),
                 activities);
    return true;
}

bool ActivityListWindows::ListWindowVisible() const {
    return m_past.IsVisible();
}

FontRecord ActivityListWindows::ListFont() const {
    return m_past.Built() ? m_past.Built()->ListFontRecord() : m_fontAtStart;
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
