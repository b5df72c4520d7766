#include "print/printer_device.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>

#include "platform/printers.h"
#include "print/text_layout.h"
#include "text/error.h"

namespace brivonce {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One print job on the printer, from its first page to its end. A job left
// without End() (an error on the way) is abandoned.
class PrinterJob {
public:
    PrinterJob(QPrinter& printer, const QString& title) : m_printer(printer) {
        if (printer.outputFormat() != QPrinter::NativeFormat) {
            throw Error(std::string(kNoPrinter));
        }
        if (!printer.isValid()) {
            Fail();
        }
        printer.setDocName(FromUtf8(JobTitle(title.toStdString())));
        printer.setCopyCount(1);  // each copy is a job of its own
        if (!m_painter.begin(&printer)) {
            Fail();
        }
        // The printer's engine outlives the painter and keeps the previous
        // job's pen and brush, and a painter passes on only what differs from
        // its own defaults: without this, black text after a blue job came
        // out blue.
        m_painter.paintEngine()->setDirty(QPaintEngine::DirtyPen | QPaintEngine::DirtyBrush);
    }
    ~PrinterJob() {
        if (m_painter.isActive()) {
            m_printer.abort();
            m_painter.end();
        }
    }
    PrinterJob(const PrinterJob&) = delete;
    PrinterJob& operator=(const PrinterJob&) = delete;

    QPainter& Painter() { return m_painter; }

    void NewPage() {
        if (!m_printer.newPage()) {
            Fail();
        }
    }

    void End() {
        if (!m_painter.end() || m_printer.printerState() == QPrinter::Error || !LastJobAccepted()) {
            Fail();
        }
    }

private:
    [[noreturn]] void Fail() {
        throw Error(FormatMessage(kCannotPrint, m_printer.printerName().toStdString()));
    }

    QPrinter& m_printer;
    QPainter m_painter;
};

// The printer and the painter's font, measured in printer dots.
class PainterTextDevice : public TextDevice {
public:
    PainterTextDevice(const QPrinter& printer, const QPainter& painter)
        : m_width(printer.width()), m_height(printer.height()), m_metrics(painter.fontMetrics()) {}

    int PageWidth() const override { return m_width; }
    int PageHeight() const override { return m_height; }
    int AverageCharWidth() const override { return m_metrics.averageCharWidth(); }
    int CellHeight() const override { return m_metrics.height(); }
    int TextHeight(std::string_view) const override { return m_metrics.height(); }
    int TextWidth(std::string_view piece) const override {
        return m_metrics.horizontalAdvance(FromUtf8(piece));
    }
    int Ascent() const { return m_metrics.ascent(); }

private:
    int m_width;
    int m_height;
    QFontMetrics m_metrics;
};

std::vector<std::string> Utf8Lines(const QStringList& lines) {
    std::vector<std::string> result;
    result.reserve(static_cast<size_t>(lines.size()));
    for (const QString& line : lines) {
        result.push_back(line.toStdString());
    }
    return result;
}

}  // namespace

void PrintTextJob(QPrinter& printer, const QString& title, const QFont& font, const QColor& colour,
                  const QStringList& lines) {
    PrinterJob job(printer, title);
    QPainter& painter = job.Painter();
    // The point size makes the height in dots follow the printer's resolution.
    painter.setFont(font);
    painter.setPen(colour);
    PainterTextDevice device(printer, painter);
    std::vector<PrintedPage> pages = LayOutText(Utf8Lines(lines), device);
    for (size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) {
            job.NewPage();
        }
        for (const PlacedText& piece : pages[page]) {
            painter.drawText(piece.x, piece.y + device.Ascent(), FromUtf8(piece.text));
        }
    }
    job.End();
}

void PrintPictureJob(QPrinter& printer, const QString& title, const QPixmap& picture, int screenDpi,
                     PrintSize size) {
    PrinterJob job(printer, title);
    QSizeF pixels = picture.deviceIndependentSize();
    PictureTarget target{screenDpi,
                         printer.logicalDpiX(),
                         printer.logicalDpiY(),
                         {printer.width(), printer.height()}};
    DotSize printed =
        PrintedPictureSize({qRound(pixels.width()), qRound(pixels.height())}, size, target);
    job.Painter().drawPixmap(QRect(0, 0, printed.width, printed.height), picture);
    job.End();
}

}  // namespace brivonce
