// The command line is read before any Qt application exists: --help,
// --version and --export-ics need no display, never take the one-copy lock and
// never start the tray program. --import-ics needs no display either.
#include <chrono>
#include <iostream>

#include "agenda/ics_export.h"
#include "app/application.h"
#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/import_command.h"
#include "platform/program_folder.h"

namespace {

using namespace brivonce;

int Fail(const Error& error, int status) {
    std::cerr << "brivonce : " << error.what() << '\n';
    return status;
}

// Reads the folder the tray program would use, and writes nothing into it.
int ExportIcs(const CommandLine& commandLine) {
    try {
        auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
        ExportAgendaAsIcs(ChooseDataFolder(RunningProgramFolder(), commandLine.dataDir),
                          *commandLine.icsFile, {commandLine.from, commandLine.to}, now, std::cout);
        return 0;
    } catch (const Error& error) {
        return Fail(error, 1);
    }
}

int ImportIcs(int& argc, char** argv, const CommandLine& commandLine) {
    try {
        std::cout << ImportCalendarFile(argc, argv, commandLine) << std::flush;
        return std::cout ? 0 : 1;
    } catch (const Error& error) {
        return Fail(error, 1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    CommandLine commandLine;
    try {
        commandLine = ParseCommandLine(std::vector<std::string>(argv + (argc > 0), argv + argc));
    } catch (const UsageError& error) {
        return Fail(error, kUsageExitStatus);
    }
    if (commandLine.help || commandLine.version) {
        std::cout << (commandLine.help ? HelpText() : VersionText()) << std::flush;
        return std::cout ? 0 : 1;  // a full disk or a closed pipe is a failure
    }
    if (commandLine.icsFile) {
        return ExportIcs(commandLine);
    }
    if (commandLine.importFile) {
        return ImportIcs(argc, argv, commandLine);
    }
    return RunBrivonce(argc, argv, commandLine);
}
