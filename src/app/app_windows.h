#pragma once

namespace brivonce {

class TAboutBox;
class TAgend;
class TChoixD;
class TConfig;
class TConfirm;
class THSaisie;
class TMainForm;
class TTrayForm;

// The windows created once at start-up. Only app/ (and the tests) know them
// all; the windows reach each other through AppContext's links.
struct AppWindows {
    TTrayForm* trayForm = nullptr;
    TMainForm* mainForm = nullptr;
    TAgend* agend = nullptr;
    TChoixD* choixD = nullptr;
    THSaisie* hSaisie = nullptr;
    TConfig* config = nullptr;
    TConfirm* confirm = nullptr;
    TAboutBox* aboutBox = nullptr;
};

}  // namespace brivonce
