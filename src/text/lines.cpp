#include "text/lines.h"

namespace brivonce {
namespace {

// Length of the line break starting at `pos` (0 when there is none).
size_t BreakLength(std::string_view text, size_t pos) {
    if (text[pos] == '\r') {
        return pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
    }
    return text[pos] == '\n' ? 1 : 0;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        if (size_t length = BreakLength(text, pos)) {
            lines.emplace_back(text.substr(start, pos - start));
            pos += length;
            start = pos;
        } else {
            ++pos;
        }
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + kCrLf.size();
    }
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += kCrLf;
    }
    return text;
}

std::string NormalizeLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        if (size_t length = BreakLength(text, pos)) {
            out += kCrLf;
            pos += length;
        } else {
            out += text[pos++];
        }
    }
    return out;
}

}  // namespace brivonce
