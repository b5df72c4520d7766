#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include "text/lines.h"

class QWidget;

namespace brivonce {

// The names print jobs stand under in the print queue.
inline const QString kMemoJobTitle = QStringLiteral("Brivonce");
inline const QString kListJobTitle = QString::fromUtf8("Brivonce : liste d'activités");
inline const QString kAgendaJobTitle = QStringLiteral("Brivonce : Agenda");
inline const QString kShoppingJobTitle = QStringLiteral("Brivonce : Courses");
inline QString PostitJobTitle(int number) {
    return QStringLiteral("Brivonce - Post-it %1").arg(number);
}

// The lines of an edit area's text, as printed: a final line break starts no
// further line.
inline QStringList LinesOf(const QString& text) {
    QStringList lines;
    for (const std::string& line : SplitLines(text.toStdString())) {
        lines.append(QString::fromStdString(line));
    }
    return lines;
}

// Printing and the print size, as the windows reach them. Every job goes to
// the printer last chosen in a print or printer set-up dialog. The printing
// calls raise Error when the printer fails; the job is then abandoned.
class PrintLink {
public:
    virtual ~PrintLink() = default;

    // At least one printer is installed: the windows' "Imprimer" buttons are
    // enabled only then.
    virtual bool PrinterInstalled() const = 0;

    // One plain-text job, no dialog (the memo, a post-it).
    virtual void PrintText(const QString& title, const QFont& font, const QColor& colour,
                           const QStringList& lines) = 0;
    // The lists: the print dialog, offering the selection when `selected` is
    // not empty, then one plain-text job per copy holding `all` or `selected`.
    virtual void PrintList(QWidget* parent, const QString& title, const QFont& font,
                           const QColor& colour, const QStringList& all,
                           const QStringList& selected) = 0;
    // The agenda and the shopping list: the print dialog, then one job per
    // copy holding the window's picture, less its right and bottom strips,
    // at the print size.
    virtual void PrintWindowPicture(QWidget* window, const QString& title, int rightStrip,
                                    int bottomStrip) = 0;

    // The printer set-up dialog, and whether it is open now.
    virtual void SetUpPrinter(QWidget* parent) = 0;
    virtual bool PrinterSetupOpen() const = 0;

    // The print size dialog, modally.
    virtual void ChoosePrintSize() = 0;
    // The print size as the settings store it ("Imprime"), for SaveAll.
    virtual int PrintSizeValue() const = 0;
};

}  // namespace brivonce
