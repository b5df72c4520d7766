#pragma once

#include <QStringList>

namespace brivonce {

// The printers the system has installed.
class Printers {
public:
    virtual ~Printers() = default;
    virtual QStringList Names() const;
};

}  // namespace brivonce
