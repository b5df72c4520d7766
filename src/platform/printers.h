#pragma once

#include <QStringList>

namespace brivonce {

// The printers the system has installed.
class Printers {
public:
    virtual ~Printers() = default;
    virtual QStringList Names() const;
};

// Whether the print system accepted the last job this thread submitted. Qt's
// print engine submits a job as its painter ends and keeps the answer to
// itself (a queue that refuses jobs goes unnoticed); the print system keeps it
// for the thread.
bool LastJobAccepted();

}  // namespace brivonce
