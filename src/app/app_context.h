#pragma once

#include <QString>
#include <functional>
#include <string>

namespace brivonce {

class Autostart;
class Clock;
class Desktop;
class MessageBoxes;
class SoundPlayer;
class TAboutBox;
class TAgend;
class TChoixD;
class TConfirm;
class THSaisie;
class TMainForm;
class TTrayForm;

// The windows created once at start-up, so each can reach the others.
struct AppWindows {
    TTrayForm* trayForm = nullptr;
    TMainForm* mainForm = nullptr;
    TAgend* agend = nullptr;
    TChoixD* choixD = nullptr;
    THSaisie* hSaisie = nullptr;
    TConfirm* confirm = nullptr;
    TAboutBox* aboutBox = nullptr;
};

// What every window is given at construction: where the data lives and the
// services that tests replace with fakes.
struct AppContext {
    std::string dataFolder;  // always ends with "/"
    QString programPath;     // full path of the running program file
    Clock* clock = nullptr;
    MessageBoxes* messageBoxes = nullptr;
    Desktop* desktop = nullptr;
    SoundPlayer* soundPlayer = nullptr;
    Autostart* autostart = nullptr;
    std::function<bool()> trayAvailable;
    int splashMilliseconds = 2000;
    AppWindows windows;
};

}  // namespace brivonce
