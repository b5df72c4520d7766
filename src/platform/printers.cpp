#include "platform/printers.h"

#include <QPrinterInfo>

namespace brivonce {

QStringList Printers::Names() const {
    return QPrinterInfo::availablePrinterNames();
}

}  // namespace brivonce
