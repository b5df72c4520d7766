#pragma once

#include <QPrinter>
#include <memory>
#include <optional>

#include "ui/print_link.h"

namespace brivonce {

class Printers;
class TConfig;

// Printing for every window, on one printer for the whole run: the one last
// chosen in a print or printer set-up dialog, at first the system's default.
class PrintService : public PrintLink {
public:
    PrintService(const Printers& printers, TConfig& printSizeDialog);
    ~PrintService() override;

    bool PrinterInstalled() const override;
    void PrintText(const QString& title, const QFont& font, const QColor& colour,
                   const QStringList& lines) override;
    void PrintList(QWidget* parent, const QString& title, const QFont& font, const QColor& colour,
                   const QStringList& all, const QStringList& selected) override;
    void PrintWindowPicture(QWidget* window, const QString& title, int rightStrip,
                            int bottomStrip) override;
    void SetUpPrinter(QWidget* parent) override;
    bool PrinterSetupOpen() const override { return m_setupOpen; }
    void ChoosePrintSize() override;
    int PrintSizeValue() const override;

private:
    struct PrintChoice {
        int copies = 1;
        bool selection = false;
    };
    // The print dialog; nullopt when cancelled.
    std::optional<PrintChoice> AskPrintDialog(QWidget* parent, bool offerSelection);
    QPrinter& Printer();

    const Printers& m_printers;
    TConfig& m_printSizeDialog;
    std::unique_ptr<QPrinter> m_printer;  // made at the first print
    bool m_setupOpen = false;
};

}  // namespace brivonce
