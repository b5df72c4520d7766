#include "print/text_layout.h"

#include <algorithm>

namespace brivonce {
namespace {

constexpr int kCharsPerTab = 8;

// The byte offset of every character of `text` (UTF-8), and its size last.
std::vector<size_t> CharStarts(std::string_view text) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            starts.push_back(i);
        }
    }
    starts.push_back(text.size());
    return starts;
}

// The position of the text on the pages while it is laid out.
class Layout {
public:
    explicit Layout(const TextDevice& device)
        : m_device(device),
          m_pageWidth(device.PageWidth()),
          m_pageHeight(device.PageHeight()),
          m_tab(std::max(1, kCharsPerTab * device.AverageCharWidth())),
          m_pages(1) {}

    void Line(std::string_view line) {
        size_t runStart = 0;
        for (size_t i = 0; i < line.size(); ++i) {
            char c = line[i];
            if (c == '\t' || c == '\r' || c == '\n' || c == '\f') {
                Run(line.substr(runStart, i - runStart));
                Control(c);
                runStart = i + 1;
            }
        }
        Run(line.substr(runStart));
        NewLine();
    }

    std::vector<PrintedPage> Pages() && {
        // A last line that ends right at the foot of a page would otherwise
        // send a blank sheet after the text.
        if (m_pages.size() > 1 && m_pages.back().empty()) {
            m_pages.pop_back();
        }
        return std::move(m_pages);
    }

private:
    struct Piece {
        size_t end = 0;  // character index after the piece
        int width = 0;
    };

    void Control(char c) {
        switch (c) {
            case '\t':
                m_x = m_x + m_tab - ((m_x + m_tab + 1) % m_tab) + 1;
                if (m_x > m_pageWidth) {
                    NewLine();
                }
                break;
            case '\n':
                NewLine();
                break;
            case '\f':
                NewPage();
                break;
            default:  // carriage return: the position stays
                break;
        }
    }

    // A run of ordinary characters, broken where the page ends.
    void Run(std::string_view run) {
        std::vector<size_t> starts = CharStarts(run);
        size_t count = starts.size() - 1;
        size_t first = 0;
        while (first < count) {
            Piece piece = Fitting(run, starts, first);
            if (piece.end == first && m_x == 0) {
                // A character wider than the page: printed cut rather than
                // starting new lines for ever.
                piece = {first + 1, Width(run, starts, first, first + 1)};
            }
            if (piece.end > first) {
                Place(run.substr(starts[first], starts[piece.end] - starts[first]));
            }
            first = piece.end;
            if (first < count) {
                NewLine();
            } else {
                m_x += piece.width;
            }
        }
    }

    int Width(std::string_view run, const std::vector<size_t>& starts, size_t first,
              size_t end) const {
        return m_device.TextWidth(run.substr(starts[first], starts[end] - starts[first]));
    }

    // The most characters from `first` on that fit between X and the page's
    // right edge. Widths grow with the text, so the search doubles the length
    // until it no longer fits, then halves the gap: a long line costs a few
    // measures per piece, not one per character.
    Piece Fitting(std::string_view run, const std::vector<size_t>& starts, size_t first) const {
        size_t count = starts.size() - 1;
        auto fits = [&](size_t end, int& width) {
            width = Width(run, starts, first, end);
            return m_x + width <= m_pageWidth;
        };
        Piece best{first, 0};
        size_t tooLong = count + 1;
        int width = 0;
        for (size_t step = 1; first + step <= count; step *= 2) {
            if (!fits(first + step, width)) {
                tooLong = first + step;
                break;
            }
            best = {first + step, width};
        }
        while (tooLong - best.end > 1) {
            size_t middle = best.end + (tooLong - best.end) / 2;
            if (fits(middle, width)) {
                best = {middle, width};
            } else {
                tooLong = middle;
            }
        }
        return best;
    }

    void Place(std::string_view piece) {
        int height = m_device.TextHeight(piece);
        if (height > m_lineHeight) {
            m_lineHeight = height + 2;
        }
        m_pages.back().push_back({std::string(piece), m_x, m_y});
    }

    void NewLine() {
        m_x = 0;
        m_y += m_lineHeight > 0 ? m_lineHeight : m_device.CellHeight();
        if (m_y > m_pageHeight - 2 * m_lineHeight) {
            NewPage();
        }
        m_lineHeight = 0;
    }

    void NewPage() {
        m_x = 0;
        m_y = 0;
        m_pages.emplace_back();
    }

    const TextDevice& m_device;
    const int m_pageWidth;
    const int m_pageHeight;
    const int m_tab;
    int m_x = 0;
    int m_y = 0;
    int m_lineHeight = 0;
    std::vector<PrintedPage> m_pages;
};

}  // namespace

std::vector<PrintedPage> LayOutText(const std::vector<std::string>& lines,
                                    const TextDevice& device) {
    Layout layout(device);
    for (const std::string& line : lines) {
        layout.Line(line);
    }
    return std::move(layout).Pages();
}

}  // namespace brivonce
