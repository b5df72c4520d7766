#include "platform/printers.h"

#include <cups/cups.h>

#include <QPrinterInfo>

namespace brivonce {

QStringList Printers::Names() const {
    return QPrinterInfo::availablePrinterNames();
}

bool LastJobAccepted() {
    // Below the redirections lie IPP's successful answers.
    return cupsLastError() < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

}  // namespace brivonce
