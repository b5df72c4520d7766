#pragma once

#include <string>
#include <string_view>

namespace brivonce {

// Data files are Windows-1252; the program works in UTF-8. Every one of the 256
// bytes has a character (the five bytes Windows-1252 leaves undefined map to the
// C1 controls of the same number), so any file survives a read and a write.
std::string Cp1252ToUtf8(std::string_view bytes);

// True when Windows-1252 has a byte for the character.
bool Cp1252Holds(char32_t code);

// Characters Windows-1252 cannot hold, and malformed UTF-8, become "?".
std::string Utf8ToCp1252(std::string_view text);

}  // namespace brivonce
