#include "text/cp1252.h"

#include <array>
#include <optional>
#include <unordered_map>

namespace brivonce {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::optional<unsigned char> CodePointToByte(char32_t code) {
    static const auto* reverse = [] {
        auto* map = new std::unordered_map<char32_t, unsigned char>;
        for (unsigned byte = 0x80; byte < 0xA0; ++byte) {
            (*map)[kHighControls[byte - 0x80]] = static_cast<unsigned char>(byte);
        }
        return map;
    }();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<unsigned char>(code);
    }
    if (auto it = reverse->find(code); it != reverse->end()) {
        return it->second;
    }
    return std::nullopt;
}

}  // namespace

bool Cp1252Holds(char32_t code) {
    return CodePointToByte(code).has_value();
}

namespace {

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Decodes one UTF-8 character at `pos`, advancing it; nullopt when malformed.
std::optional<char32_t> NextCodePoint(std::string_view text, size_t& pos) {
    auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (extra < 0 || pos + extra > text.size()) {
        return std::nullopt;
    }
    char32_t code = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        auto next = static_cast<unsigned char>(text[pos]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = (code << 6) | (next & 0x3F);
        ++pos;
    }
    return code;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char byte : bytes) {
        auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            out += byte;
        } else {
            AppendUtf8(out, ByteToCodePoint(b));
        }
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            out += text[pos++];
            continue;
        }
        auto code = NextCodePoint(text, pos);
        auto byte = code ? CodePointToByte(*code) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

}  // namespace brivonce
