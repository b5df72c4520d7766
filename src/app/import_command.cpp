#include "app/import_command.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <string_view>

#include "activities/ics_import.h"
#include "app/command_line.h"
#include "app/data_folder.h"
#include "platform/program_folder.h"
#include "platform/single_instance.h"
#include "text/error.h"
#include "ui/cp1252_input.h"
#include "ui/qt_dates.h"

namespace brivonce {
namespace {

constexpr std::string_view kProgramRunning =
    "Brivonce est ouvert : importez le calendrier par son menu « Importer un calendrier… »";

}  // namespace

std::string ImportCalendarFile(int& argc, char** argv, const CommandLine& commandLine) {
    QCoreApplication application(argc, argv);  // names the one-copy lock
    SingleInstanceGuard guard(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    switch (guard.Acquire()) {
        case SingleInstanceGuard::Result::kAcquired:
            break;
        case SingleInstanceGuard::Result::kHeldElsewhere:
            throw Error(std::string(kProgramRunning));
        case SingleInstanceGuard::Result::kFailed:
            throw Error(FormatMessage(kCannotCreate, guard.lockPath().toStdString()));
    }
    std::string folder = ChooseDataFolder(RunningProgramFolder(), commandLine.dataDir);
    ImportRange range =
        ResolveImportRange(commandLine.from, commandLine.to, ToYmd(QDate::currentDate()));
    std::vector<ImportedActivity> activities =
        ReadIcsFile(*commandLine.importFile, range, Cp1252StorableUtf8);
    EnsureDataFolder(folder);
    ImportSummary summary = ImportActivities(folder, activities, [](int) { return true; });
    return ImportSummaryText(range, summary);
}

}  // namespace brivonce
