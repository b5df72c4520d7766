#pragma once

#include <string>

namespace brivonce {

struct CommandLine;

// brivonce --import-ics: reads the calendar into the folder the tray program
// would use and returns the summary to print. It needs no display, and runs
// only while no copy of the program does: a running copy may hold the
// agenda's displayed week unsaved, and its menu imports without that risk.
// Raises Error when a copy runs, when the calendar cannot be read (nothing
// is written then) or when a week file cannot be written.
std::string ImportCalendarFile(int& argc, char** argv, const CommandLine& commandLine);

}  // namespace brivonce
