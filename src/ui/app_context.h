#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "ui/on_first_use.h"

class QDialog;

namespace brivonce {

class ActivityEditsLink;
class ActivityListsLink;
class AgendaLink;
class Autostart;
class CalendarImportLink;
class Clock;
class Desktop;
class MessageBoxes;
class NotesLink;
class PrintLink;
class SoundPlayer;

// How one area's windows reach another's. app/ fills these in as it creates
// the windows; a null link is a part of the program that is not there.
struct AppLinks {
    AgendaLink* agenda = nullptr;
    ActivityListsLink* activityLists = nullptr;
    ActivityEditsLink* activityEdits = nullptr;
    CalendarImportLink* calendarImport = nullptr;
    NotesLink* notes = nullptr;
    PrintLink* print = nullptr;
    OnFirstUse<QDialog>* aboutBox = nullptr;
};

// What every window is given at construction: where the data lives, the
// services that tests replace with fakes, and the links to the other areas.
struct AppContext {
    std::string dataFolder;  // always ends with "/"
    QString programPath;     // full path of the running program file
    // What the session starts the program with: the data folder when the
    // command line chose it, so that the next login opens the same one.
    QStringList startArguments;
    Clock* clock = nullptr;
    MessageBoxes* messageBoxes = nullptr;
    Desktop* desktop = nullptr;
    SoundPlayer* soundPlayer = nullptr;
    Autostart* autostart = nullptr;
    std::function<bool()> trayAvailable;
    int splashMilliseconds = 2000;
    AppLinks links;
};

}  // namespace brivonce
