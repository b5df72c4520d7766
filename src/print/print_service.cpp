#include "print/print_service.h"

#include <QDialogButtonBox>
#include <QPixmap>
#include <QPrintDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QWidget>

#include "platform/printers.h"
#include "print/print_size_dialog.h"
#include "print/printer_device.h"
#include "ui/wait_cursor.h"

namespace brivonce {

PrintService::PrintService(const Printers& printers, TConfig& printSizeDialog)
    : m_printers(printers), m_printSizeDialog(printSizeDialog) {}

PrintService::~PrintService() = default;

bool PrintService::PrinterInstalled() const {
    return !m_printers.Names().isEmpty();
}

QPrinter& PrintService::Printer() {
    // Without any printer Qt falls back to a PDF file; a printer installed
    // since then is taken up at the next print.
    if (!m_printer || m_printer->outputFormat() != QPrinter::NativeFormat) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Positions count from the printable area's corner, with no margin of
        // our own.
        QPageLayout layout = m_printer->pageLayout();
        m_printer->setPageMargins(layout.minimumMargins(), layout.units());
    }
    return *m_printer;
}

void PrintService::PrintText(const QString& title, const QFont& font, const QColor& colour,
                             const QStringList& lines) {
    WaitCursor wait;
    PrintTextJob(Printer(), title, font, colour, lines);
}

std::optional<PrintService::PrintChoice> PrintService::AskPrintDialog(QWidget* parent,
                                                                      bool offerSelection) {
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, parent);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
    if (offerSelection) {
        options |= QAbstractPrintDialog::PrintSelection;
    } else {
        printer.setPrintRange(QPrinter::AllPages);
    }
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    PrintChoice choice{printer.copyCount(), printer.printRange() == QPrinter::Selection};
    printer.setCopyCount(1);
    return choice;
}

void PrintService::PrintList(QWidget* parent, const QString& title, const QFont& font,
                             const QColor& colour, const QStringList& all,
                             const QStringList& selected) {
    std::optional<PrintChoice> choice = AskPrintDialog(parent, !selected.isEmpty());
    if (!choice) {
        return;
    }
    WaitCursor wait;
    for (int copy = 0; copy < choice->copies; ++copy) {
        PrintTextJob(Printer(), title, font, colour, choice->selection ? selected : all);
    }
}

void PrintService::PrintWindowPicture(QWidget* window, const QString& title, int rightStrip,
                                      int bottomStrip) {
    std::optional<PrintChoice> choice = AskPrintDialog(window, false);
    if (!choice) {
        return;
    }
    WaitCursor wait;
    // The window's own rendering of the part kept: the window on screen keeps
    // its size.
    QPixmap picture =
        window->grab(QRect(0, 0, window->width() - rightStrip, window->height() - bottomStrip));
    PrintSize size = PrintSizeFromValue(m_printSizeDialog.PrintSizeValue());
    for (int copy = 0; copy < choice->copies; ++copy) {
        PrintPictureJob(Printer(), title, picture, window->logicalDpiY(), size);
    }
}

void PrintService::SetUpPrinter(QWidget* parent) {
    m_setupOpen = true;
    auto closed = qScopeGuard([this] { m_setupOpen = false; });
    QPrinter& printer = Printer();
    // The print dialog is where Qt chooses a printer and its options; here it
    // only chooses them, for every later job.
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Configuration de l'impression"));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    }
    dialog.exec();
    printer.setCopyCount(1);
}

void PrintService::ChoosePrintSize() {
    m_printSizeDialog.Choose();
}

int PrintService::PrintSizeValue() const {
    return m_printSizeDialog.PrintSizeValue();
}

}  // namespace brivonce
