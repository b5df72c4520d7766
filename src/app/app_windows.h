#pragma once

#include <QDialog>

#include "ui/on_first_use.h"

namespace brivonce {

class ActivityEdits;
class ActivityListWindows;
class LazyAgenda;
class NotesWindows;
class TConfig;
class TConfirm;
class TMainForm;
class TTrayForm;

// The windows of the run. Only app/ (and the tests) know them all; the
// windows reach each other through AppContext's links. The tray and memo
// windows are built at start-up, the others the first time they are needed.
struct AppWindows {
    TTrayForm* trayForm = nullptr;
    TMainForm* mainForm = nullptr;
    LazyAgenda* agenda = nullptr;  // the agenda, its date picker and time dialog
    TConfig* config = nullptr;
    ActivityListWindows* activityLists = nullptr;  // the lists and the week clean-up
    OnFirstUse<TConfirm> confirm;
    OnFirstUse<QDialog> aboutBox;
    NotesWindows* notes = nullptr;  // the post-its and the shopping list
    // Repetition, deletion and search, and their dialogs.
    ActivityEdits* activityEdits = nullptr;
};

}  // namespace brivonce
