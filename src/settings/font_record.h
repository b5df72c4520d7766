#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/colour_value.h"
#include "settings/ini_file.h"

namespace brivonce {

// The eight keys of a stored font, in the order they are written.
inline constexpr std::string_view kKeyCouleur = "couleur";
inline constexpr std::string_view kKeyHauteur = "hauteur";
inline constexpr std::string_view kKeyNom = "nom";
inline constexpr std::string_view kKeyTaille = "taille";
inline constexpr std::string_view kKeyGras = "gras";
inline constexpr std::string_view kKeyItalique = "italique";
inline constexpr std::string_view kKeySouligne = "souligné";
inline constexpr std::string_view kKeyBarre = "barré";

// The font of an edit area or a list, as stored in a settings section.
struct FontRecord {
    ColourValue colour = 0;
    int32_t height = -13;  // pixels; negative: the character height
    std::string name = "arial";
    int32_t size = 10;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontRecord&) const = default;
};

// The height that goes with a size at 96 pixels per inch: 10 -> -13, 12 -> -16.
int32_t HeightForSize(int32_t points);

// The stored size decides the height (`hauteur` is written but never read),
// so a height that disagrees with the size never changes what is shown.
// Missing or malformed keys give the defaults of FontRecord.
FontRecord ReadFontRecord(const IniFile& ini, std::string_view section);

// The eight keys in their order, each style "1" or "0".
void WriteFontRecord(IniFile& ini, std::string_view section, const FontRecord& font);
void WriteFontRecord(IniSection& keys, const FontRecord& font);

}  // namespace brivonce
