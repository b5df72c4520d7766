#include "print/print_rules.h"

#include <cstdint>

namespace brivonce {
namespace {

constexpr size_t kJobTitleLength = 31;

// value × numerator / denominator, rounded to the nearest whole number (sizes
// and resolutions are never negative); 0 for no denominator.
int Scale(int value, int numerator, int denominator) {
    if (denominator <= 0) {
        return 0;
    }
    int64_t product = int64_t{value} * numerator;
    return static_cast<int>((product + denominator / 2) / denominator);
}

DotSize FitToPage(DotSize picture, DotSize page) {
    int width = Scale(picture.width, page.height, picture.height);
    if (width < page.width) {
        return {width, page.height};
    }
    return {page.width, Scale(picture.height, page.width, picture.width)};
}

}  // namespace

PrintSize PrintSizeFromValue(int value) {
    switch (value) {
        case 1:
            return PrintSize::kFitToPage;
        case 2:
            return PrintSize::kReduced;
        default:
            return PrintSize::kReal;
    }
}

DotSize PrintedPictureSize(DotSize picture, PrintSize size, const PictureTarget& target) {
    switch (size) {
        case PrintSize::kFitToPage:
            return FitToPage(picture, target.page);
        case PrintSize::kReduced:
            return picture;
        case PrintSize::kReal:
            break;
    }
    return {Scale(picture.width, target.printerDpiX, target.screenDpi),
            Scale(picture.height, target.printerDpiY, target.screenDpi)};
}

std::string JobTitle(std::string_view title) {
    size_t characters = 0;
    for (size_t i = 0; i < title.size(); ++i) {
        bool startsCharacter = (static_cast<unsigned char>(title[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == kJobTitleLength) {
            return std::string(title.substr(0, i));
        }
    }
    return std::string(title);
}

}  // namespace brivonce
