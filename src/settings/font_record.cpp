#include "settings/font_record.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace brivonce {

int32_t HeightForSize(int32_t points) {
    constexpr int64_t kPixelsPerInch = 96;
    constexpr int64_t kPointsPerInch = 72;
    // Rounded half away from zero, like the system's MulDiv; exact halves
    // cannot occur at 96/72 anyway.
    int64_t scaled = std::abs(int64_t{points}) * kPixelsPerInch;
    int64_t rounded = (scaled + kPointsPerInch / 2) / kPointsPerInch;
    int64_t height = points < 0 ? rounded : -rounded;
    return static_cast<int32_t>(std::clamp<int64_t>(height, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

FontRecord ReadFontRecord(const IniFile& ini, std::string_view section) {
    const FontRecord defaults;
    FontRecord font;
    font.colour = ini.ReadInteger(section, kKeyCouleur, defaults.colour);
    font.name = ini.ReadString(section, kKeyNom, defaults.name);
    font.size = ini.ReadInteger(section, kKeyTaille, defaults.size);
    // The size alone decides the height, so the stored `hauteur` is not read.
    font.height = HeightForSize(font.size);
    font.bold = ini.ReadBool(section, kKeyGras, defaults.bold);
    font.italic = ini.ReadBool(section, kKeyItalique, defaults.italic);
    font.underline = ini.ReadBool(section, kKeySouligne, defaults.underline);
    font.strikeOut = ini.ReadBool(section, kKeyBarre, defaults.strikeOut);
    return font;
}

void WriteFontRecord(IniSection& keys, const FontRecord& font) {
    keys.WriteInteger(kKeyCouleur, font.colour);
    keys.WriteInteger(kKeyHauteur, font.height);
    keys.WriteString(kKeyNom, font.name);
    keys.WriteInteger(kKeyTaille, font.size);
    keys.WriteBool(kKeyGras, font.bold);
    keys.WriteBool(kKeyItalique, font.italic);
    keys.WriteBool(kKeySouligne, font.underline);
    keys.WriteBool(kKeyBarre, font.strikeOut);
}

void WriteFontRecord(IniFile& ini, std::string_view section, const FontRecord& font) {
    IniSection keys{std::string(section)};
    WriteFontRecord(keys, font);
    ini.Write(keys);
}

}  // namespace brivonce
