#include "activities/calendar_import_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "activities/ics_import.h"
#include "activities/wait_dialog.h"
#include "ui/agenda_link.h"
#include "ui/app_context.h"
#include "ui/clock.h"
#include "ui/cp1252_input.h"
#include "ui/message_boxes.h"
#include "ui/qt_dates.h"
#include "ui/wait_cursor.h"

namespace brivonce {
namespace {

const char* const kDialogTitle = "Importer un calendrier";
const char* const kCalendarFiles =
    "Calendriers iCalendar (*.ics *.ical *.ifb);;Tous les fichiers (*)";
const char* const kImporting = "Importation en cours...";

// Sets a flag for the length of a command, however it ends.
class OpenFlag {
public:
    explicit OpenFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~OpenFlag() { m_flag = false; }
    OpenFlag(const OpenFlag&) = delete;
    OpenFlag& operator=(const OpenFlag&) = delete;

private:
    bool& m_flag;
};

}  // namespace

CalendarImport::CalendarImport(AppContext& context, std::function<TWait*()> wait)
    : m_context(context), m_wait(std::move(wait)), m_folder(QDir::homePath()) {}

QString CalendarImport::AskFile(QWidget* parent) {
    QFileDialog dialog(parent, QString::fromUtf8(kDialogTitle), m_folder,
                       QString::fromUtf8(kCalendarFiles));
    dialog.setObjectName("ImportFileDialog");
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    QString file = dialog.selectedFiles().first();
    m_folder = QFileInfo(file).absolutePath();
    return file;
}

void CalendarImport::ImportCalendar(QWidget* parent) {
    OpenFlag open(m_open);
    QString file = AskFile(parent);
    if (file.isEmpty()) {
        return;
    }
    ImportRange range = ResolveImportRange({}, {}, ToYmd(m_context.clock->Now().date()));
    std::vector<ImportedActivity> activities;
    {
        WaitCursor hourglass;  // a calendar that cannot be read stops here, nothing written
        activities = ReadIcsFile(file.toStdString(), range, Cp1252StorableUtf8);
    }
    // The agenda's edits reach their file first, and the imported activities
    // of its week show in it after.
    AgendaLink* agenda = m_context.links.agenda;
    if (agenda) {
        agenda->SaveDisplayedWeek();
    }
    auto redisplay = [agenda] {
        if (agenda) {
            agenda->DisplayWeek(agenda->DisplayedMonday());
        }
    };
    ImportSummary summary;
    try {
        m_wait()->Run(QString::fromUtf8(kImporting),
                      static_cast<int>(ImportWeeks(activities).size()),
                      [&](const WalkProgress& progress) {
                          summary = ImportActivities(m_context.dataFolder, activities, progress);
                      });
    } catch (...) {
        try {
            redisplay();
        } catch (...) {
            // The import's own error is the one to report.
        }
        throw;
    }
    redisplay();
    m_context.messageBoxes->Show(
        parent, MessageBoxes::Icon::Information, QStringLiteral("Information"),
        QString::fromStdString(ImportSummaryText(range, summary)), QMessageBox::Ok);
}

}  // namespace brivonce
