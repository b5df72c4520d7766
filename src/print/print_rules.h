#pragma once

#include <string>
#include <string_view>

namespace brivonce {

// The print size of window pictures, as the settings store it ("Imprime").
enum class PrintSize { kReal = 0, kFitToPage = 1, kReduced = 2 };

// The stored value as a print size; a value outside 0..2 prints at real size.
PrintSize PrintSizeFromValue(int value);

struct DotSize {
    int width = 0;
    int height = 0;

    bool operator==(const DotSize&) const = default;
};

// What picture printing knows of the printer and of the screen.
struct PictureTarget {
    int screenDpi = 96;  // pixels per inch of the window's screen
    int printerDpiX = 0;
    int printerDpiY = 0;
    DotSize page;  // printable area, in printer dots
};

// The printed size, in printer dots, of a `picture` of screen pixels: real
// size turns screen inches into paper inches, fit to page makes it as large as
// the page allows with its proportions kept, reduced prints one dot per pixel.
// Each product-and-quotient is rounded to the nearest whole number.
DotSize PrintedPictureSize(DotSize picture, PrintSize size, const PictureTarget& target);

// The name a job stands under in the print queue: its first 31 characters.
std::string JobTitle(std::string_view title);

}  // namespace brivonce
