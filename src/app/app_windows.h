#pragma once

namespace brivonce {

class ActivityEdits;
class LazyAgenda;
class NotesWindows;
class TAboutBox;
class TConfig;
class TConfirm;
class TCourses;
class TDelete;
class TFind;
class TMainForm;
class TPast;
class TPer;
class TRepet;
class TSuppr;
class TTrayForm;
class TWait;

// The windows created once at start-up. Only app/ (and the tests) know them
// all; the windows reach each other through AppContext's links.
struct AppWindows {
    TTrayForm* trayForm = nullptr;
    TMainForm* mainForm = nullptr;
    LazyAgenda* agenda = nullptr;  // the agenda, its date picker and time dialog
    TConfig* config = nullptr;
    TDelete* deleteWeeks = nullptr;
    TPast* past = nullptr;
    TConfirm* confirm = nullptr;
    TAboutBox* aboutBox = nullptr;
    TCourses* courses = nullptr;
    NotesWindows* notes = nullptr;  // and the post-its
    // Repetition, deletion and search: the dialogs ActivityEdits owns.
    ActivityEdits* activityEdits = nullptr;
    TRepet* repet = nullptr;
    TWait* wait = nullptr;
    TSuppr* suppr = nullptr;
    TPer* per = nullptr;
    TFind* find = nullptr;
};

}  // namespace brivonce
