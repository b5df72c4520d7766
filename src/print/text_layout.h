#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brivonce {

// What plain-text printing needs to know of the printer and its font, in
// printer dots. Text is UTF-8.
class TextDevice {
public:
    virtual ~TextDevice() = default;
    // The printable area of a page.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual int AverageCharWidth() const = 0;
    // The font's character cell height: what an empty line takes.
    virtual int CellHeight() const = 0;
    virtual int TextHeight(std::string_view piece) const = 0;
    virtual int TextWidth(std::string_view piece) const = 0;
};

// A piece of text with its top-left corner on the page.
struct PlacedText {
    std::string text;
    int x = 0;
    int y = 0;

    bool operator==(const PlacedText&) const = default;
};

using PrintedPage = std::vector<PlacedText>;

// Lays out `lines` one under the other from the top-left corner of the first
// page. Tabs stop every 8 average character widths; a carriage return does
// nothing, a line feed starts a new line and a form feed a new page. A line
// wider than the page goes on at the left of the next line, cut after the last
// character that fits (a word may be split). A line with text advances by its
// text height + 2, an empty line by the cell height; a new page starts once
// the position passes the page height less twice the last line's height.
// There is always at least one page, blank for no lines.
std::vector<PrintedPage> LayOutText(const std::vector<std::string>& lines,
                                    const TextDevice& device);

}  // namespace brivonce
