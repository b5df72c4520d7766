#pragma once

#include <algorithm>
#include <cstdint>

namespace brivonce {

// A colour as the settings file stores it: red + 256 * green + 65536 * blue,
// or, with the top bit set, the number of one of the system's display colours
// (so the colour follows whatever the user chose for it in the system).
using ColourValue = int32_t;

constexpr ColourValue SystemColour(int number) {
    return static_cast<ColourValue>(0x80000000u | static_cast<uint32_t>(number));
}

// Written -2147483624: the background of tooltips, the memo's default.
inline constexpr ColourValue kTooltipBackground = SystemColour(24);

constexpr bool IsSystemColour(ColourValue colour) {
    return colour < 0;
}

constexpr int SystemColourNumber(ColourValue colour) {
    return static_cast<int>(static_cast<uint32_t>(colour) & 0x7FFFFFFFu);
}

// Components outside 0..255 are clamped.
constexpr ColourValue RgbColour(int red, int green, int blue) {
    return std::clamp(red, 0, 255) + 256 * std::clamp(green, 0, 255) +
           65536 * std::clamp(blue, 0, 255);
}

constexpr int RedOf(ColourValue colour) {
    return colour & 0xFF;
}
constexpr int GreenOf(ColourValue colour) {
    return (colour >> 8) & 0xFF;
}
constexpr int BlueOf(ColourValue colour) {
    return (colour >> 16) & 0xFF;
}

}  // namespace brivonce
