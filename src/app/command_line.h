#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "text/error.h"

namespace brivonce {

// What the user asked for on the command line. --help wins over --version,
// which wins over --export-ics and --import-ics; with none of them the tray
// program starts.
struct CommandLine {
    bool help = false;
    bool version = false;
    std::optional<std::filesystem::path> dataDir;     // --data-dir
    std::optional<std::filesystem::path> icsFile;     // --export-ics
    std::optional<std::filesystem::path> importFile;  // --import-ics
    std::optional<std::chrono::year_month_day> from;
    std::optional<std::chrono::year_month_day> to;
    bool exitAfterStart = false;  // start-up measurement: leave once running
    bool operator==(const CommandLine&) const = default;
};

// A command line the program cannot follow; its message is one French line.
class UsageError : public Error {
public:
    using Error::Error;
};

// The exit status of a wrong command line, as GNU programs use it.
inline constexpr int kUsageExitStatus = 2;

// Reads the arguments that follow the program name: "--name value" or
// "--name=value" for the options that take a value, dates as yyyy-mm-dd. The
// few Qt options a desktop session may pass (-session, -display...) are left
// to Qt. Raises UsageError for an unknown option, a missing or empty value, a
// wrong date, --from/--to without --export-ics or --import-ics or in the wrong
// order, or both --export-ics and --import-ics.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What --help and --version print.
std::string HelpText();
std::string VersionText();

}  // namespace brivonce
