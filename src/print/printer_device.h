#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include "print/print_rules.h"

class QPixmap;
class QPrinter;

namespace brivonce {

inline constexpr std::string_view kNoPrinter = "Aucune imprimante n'est installée";
inline constexpr std::string_view kCannotPrint = "Impossible d'imprimer sur %s";

// One plain-text job: `lines` in `font` and `colour`, from the top-left
// corner of the printable area, with `title` in the print queue. Raises Error
// when the printer fails; the job is then abandoned.
void PrintTextJob(QPrinter& printer, const QString& title, const QFont& font, const QColor& colour,
                  const QStringList& lines);

// One job of one page holding `picture`, from a screen of `screenDpi`, at
// the print size `size`. Raises Error as PrintTextJob.
void PrintPictureJob(QPrinter& printer, const QString& title, const QPixmap& picture, int screenDpi,
                     PrintSize size);

}  // namespace brivonce
