#pragma once

#include <cstdint>
#include <string_view>

#include "settings/colour_value.h"
#include "settings/font_record.h"
#include "settings/ini_file.h"

namespace brivonce {

inline constexpr std::string_view kSettingsFileName = "brivonce.ini";

// Sections of the program's own settings, in the order a save leaves them.
inline constexpr std::string_view kSectionMainW = "MainW";
inline constexpr std::string_view kSectionOptions = "Options";
inline constexpr std::string_view kSectionPolice = "Police";
inline constexpr std::string_view kSectionPolicePast = "PolicePast";
inline constexpr std::string_view kSectionConfig = "Config";

// "MainW": the memo window's rectangle.
inline constexpr std::string_view kKeyX = "x";
inline constexpr std::string_view kKeyY = "y";
inline constexpr std::string_view kKeyW = "w";
inline constexpr std::string_view kKeyH = "h";
inline constexpr std::string_view kKeyMaxi = "Maxi";

// "Options" (its `couleur` is kKeyCouleur of the font record).
inline constexpr std::string_view kKeyVisible = "Visible";
inline constexpr std::string_view kKeyAlarme = "Alarme";
inline constexpr std::string_view kKeyAscenseurs = "Ascenseurs";
inline constexpr std::string_view kKeyFas = "fas";
inline constexpr std::string_view kKeyHeureDeDebut = "Heure de début";

// "Config".
inline constexpr std::string_view kKeyImprime = "Imprime";
inline constexpr std::string_view kKeyPromptOnClose = "PromptOnClose";
inline constexpr std::string_view kKeyWinStart = "WinStart";
inline constexpr std::string_view kKeyShowOnStart = "ShowOnStart";

// The memo window's default place is measured from the screen's bottom right.
inline constexpr int32_t kMainWindowRightMargin = 230;
inline constexpr int32_t kMainWindowBottomMargin = 300;

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// "MainW". When `maxi` is set the rectangle is kept but not applied.
struct MainWindowPlacement {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 205;
    int32_t h = 200;
    bool maxi = false;

    bool operator==(const MainWindowPlacement&) const = default;
};

// The rectangle moved and cut so that it lies inside `area` (the screen less
// its panels): a size larger than the area is cut to it, then the rectangle is
// moved in. A rectangle saved on a larger screen or an unplugged monitor would
// otherwise leave the window out of reach.
struct ScreenArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
MainWindowPlacement FitInside(MainWindowPlacement place, ScreenArea area);

// "Options". Values outside their menus' ranges are kept as read: they tick
// no menu item, and writing them back unchanged keeps the user's file as it was.
struct OptionsSection {
    bool visible = false;      // memo window stays on top
    bool alarme = true;        // alarms sound
    int32_t ascenseurs = 0;    // scroll bars: 0 none, 1 vertical, 2 horizontal, 3 both
    int32_t fas = 2;           // name days: 0 none, 1 today's, 2 every day's
    int32_t heureDeDebut = 7;  // item index of the agenda's start hour
    ColourValue couleur = kTooltipBackground;  // memo background

    bool operator==(const OptionsSection&) const = default;
};

// "Config".
struct ConfigSection {
    int32_t imprime = 0;         // print size: 0 real, 1 fit to the page, 2 reduced
    bool promptOnClose = false;  // true: quitting no longer asks
    bool winStart = true;
    bool showOnStart = true;

    bool operator==(const ConfigSection&) const = default;
};

// Everything the program's own sections hold (the post-it sections are kept
// by the post-its themselves).
struct Settings {
    MainWindowPlacement mainW;
    OptionsSection options;
    FontRecord police;      // memo font
    FontRecord policePast;  // font of the activity lists
    ConfigSection config;

    bool operator==(const Settings&) const = default;
};

// What a missing file gives.
Settings DefaultSettings(ScreenSize screen);

MainWindowPlacement LoadMainWindowPlacement(const IniFile& ini, ScreenSize screen);
OptionsSection LoadOptions(const IniFile& ini);
ConfigSection LoadConfig(const IniFile& ini);
// All five sections; each missing or malformed key gives its default.
Settings LoadSettings(const IniFile& ini, ScreenSize screen);

// Erases and writes again the five sections, in the order that leaves them at
// the end of the file as "MainW", "Options", "Police", "PolicePast", "Config",
// with "Options" `couleur` last in its section. Other sections are untouched.
void WriteSettings(IniFile& ini, const Settings& settings);

}  // namespace brivonce
