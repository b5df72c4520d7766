#include "platform/printers.h"

#include <cups/ipp.h>
#include <dlfcn.h>

#include <QPrinterInfo>

namespace brivonce {

QStringList Printers::Names() const {
    return QPrinterInfo::availablePrinterNames();
}

bool LastJobAccepted() {
    // The print system comes with Qt's print plugin, loaded at the first
    // print: linking it into the program would load it, and a dozen libraries
    // of its own, at every start. Not loaded means no job went through it.
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups) {
        return true;
    }
    using LastError = ipp_status_t (*)();
    auto lastError = reinterpret_cast<LastError>(dlsym(cups, "cupsLastError"));
    // Below the redirections lie IPP's successful answers.
    bool accepted = !lastError || lastError() < IPP_STATUS_REDIRECTION_OTHER_SITE;
    dlclose(cups);
    return accepted;
}

}  // namespace brivonce
