#include "text/error.h"

namespace brivonce {

std::string FormatMessage(std::string_view pattern, std::string_view argument) {
    std::string text(pattern);
    for (std::string_view marker : {"%s", "%d"}) {
        if (auto at = text.find(marker); at != std::string::npos) {
            return text.replace(at, marker.size(), argument);
        }
    }
    return text;
}

namespace {

// The code point of the last UTF-8 character of a non-empty text.
char32_t LastCodePoint(std::string_view text) {
    size_t start = text.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) {
        --start;
    }
    auto lead = static_cast<unsigned char>(text[start]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t code = lead & (0x3F >> extra);
    for (size_t i = start + 1; i < text.size(); ++i) {
        code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    return code;
}

}  // namespace

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && LastCodePoint(text) > U'.') {
        text += '.';
    }
    return text;
}

}  // namespace brivonce
