#pragma once

namespace brivonce {

class ActivityEdits;
class TAboutBox;
class TAgend;
class TChoixD;
class TConfirm;
class TFind;
class THSaisie;
class TMainForm;
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
    TAgend* agend = nullptr;
    TChoixD* choixD = nullptr;
    THSaisie* hSaisie = nullptr;
    TConfirm* confirm = nullptr;
    TAboutBox* aboutBox = nullptr;
    // Repetition, deletion and search: the dialogs ActivityEdits owns.
    ActivityEdits* activityEdits = nullptr;
    TRepet* repet = nullptr;
    TWait* wait = nullptr;
    TSuppr* suppr = nullptr;
    TPer* per = nullptr;
    TFind* find = nullptr;
};

}  // namespace brivonce
