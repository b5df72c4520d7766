#include "settings/settings.h"

#include <algorithm>

namespace brivonce {

Settings DefaultSettings(ScreenSize screen) {
    Settings settings;
    settings.mainW.x = screen.width - kMainWindowRightMargin;
    settings.mainW.y = screen.height - kMainWindowBottomMargin;
    return settings;
}

MainWindowPlacement LoadMainWindowPlacement(const IniFile& ini, ScreenSize screen) {
    const MainWindowPlacement defaults = DefaultSettings(screen).mainW;
    MainWindowPlacement placement;
    placement.x = ini.ReadInteger(kSectionMainW, kKeyX, defaults.x);
    placement.y = ini.ReadInteger(kSectionMainW, kKeyY, defaults.y);
    placement.w = ini.ReadInteger(kSectionMainW, kKeyW, defaults.w);
    placement.h = ini.ReadInteger(kSectionMainW, kKeyH, defaults.h);
    placement.maxi = ini.ReadBool(kSectionMainW, kKeyMaxi, defaults.maxi);
    return placement;
}

OptionsSection LoadOptions(const IniFile& ini) {
    const OptionsSection defaults;
    OptionsSection options;
    options.visible = ini.ReadBool(kSectionOptions, kKeyVisible, defaults.visible);
    options.alarme = ini.ReadBool(kSectionOptions, kKeyAlarme, defaults.alarme);
    options.ascenseurs = ini.ReadInteger(kSectionOptions, kKeyAscenseurs, defaults.ascenseurs);
    options.fas = ini.ReadInteger(kSectionOptions, kKeyFas, defaults.fas);
    options.heureDeDebut =
        ini.ReadInteger(kSectionOptions, kKeyHeureDeDebut, defaults.heureDeDebut);
    options.couleur = ini.ReadInteger(kSectionOptions, kKeyCouleur, defaults.couleur);
    return options;
}

ConfigSection LoadConfig(const IniFile& ini) {
    const ConfigSection defaults;
    ConfigSection config;
    config.imprime = ini.ReadInteger(kSectionConfig, kKeyImprime, defaults.imprime);
    config.promptOnClose = ini.ReadBool(kSectionConfig, kKeyPromptOnClose, defaults.promptOnClose);
    config.winStart = ini.ReadBool(kSectionConfig, kKeyWinStart, defaults.winStart);
    config.showOnStart = ini.ReadBool(kSectionConfig, kKeyShowOnStart, defaults.showOnStart);
    return config;
}

Settings LoadSettings(const IniFile& ini, ScreenSize screen) {
    Settings settings;
    settings.mainW = LoadMainWindowPlacement(ini, screen);
    settings.options = LoadOptions(ini);
    settings.police = ReadFontRecord(ini, kSectionPolice);
    settings.policePast = ReadFontRecord(ini, kSectionPolicePast);
    settings.config = LoadConfig(ini);
    return settings;
}

void WriteSettings(IniFile& ini, const Settings& settings) {
    const MainWindowPlacement& mainW = settings.mainW;
    ini.EraseSection(kSectionMainW);
    ini.WriteInteger(kSectionMainW, kKeyX, mainW.x);
    ini.WriteInteger(kSectionMainW, kKeyY, mainW.y);
    ini.WriteInteger(kSectionMainW, kKeyW, mainW.w);
    ini.WriteInteger(kSectionMainW, kKeyH, mainW.h);
    ini.WriteBool(kSectionMainW, kKeyMaxi, mainW.maxi);

    const OptionsSection& options = settings.options;
    ini.EraseSection(kSectionOptions);
    ini.WriteBool(kSectionOptions, kKeyVisible, options.visible);
    ini.WriteBool(kSectionOptions, kKeyAlarme, options.alarme);
    ini.WriteInteger(kSectionOptions, kKeyAscenseurs, options.ascenseurs);
    ini.WriteInteger(kSectionOptions, kKeyFas, options.fas);
    ini.WriteInteger(kSectionOptions, kKeyHeureDeDebut, options.heureDeDebut);

    ini.EraseSection(kSectionPolice);
    WriteFontRecord(ini, kSectionPolice, settings.police);

    // Written after "Police" exists, yet it lands at the end of "Options".
    ini.WriteInteger(kSectionOptions, kKeyCouleur, options.couleur);

    ini.EraseSection(kSectionPolicePast);
    WriteFontRecord(ini, kSectionPolicePast, settings.policePast);

    const ConfigSection& config = settings.config;
    ini.EraseSection(kSectionConfig);
    ini.WriteInteger(kSectionConfig, kKeyImprime, config.imprime);
    ini.WriteBool(kSectionConfig, kKeyPromptOnClose, config.promptOnClose);
    ini.WriteBool(kSectionConfig, kKeyWinStart, config.winStart);
    ini.WriteBool(kSectionConfig, kKeyShowOnStart, config.showOnStart);
}

MainWindowPlacement FitInside(MainWindowPlacement place, ScreenArea area) {
    place.w = std::clamp(place.w, 1, std::max(area.width, 1));
    place.h = std::clamp(place.h, 1, std::max(area.height, 1));
    place.x = std::clamp(place.x, area.x, area.x + area.width - place.w);
    place.y = std::clamp(place.y, area.y, area.y + area.height - place.h);
    return place;
}

}  // namespace brivonce
