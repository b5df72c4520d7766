#pragma once

#include <QString>
#include <functional>

#include "ui/calendar_import_link.h"

namespace brivonce {

struct AppContext;
class TWait;

// "&Importer un calendrier…": the file dialog, then the import of the chosen
// iCalendar file under the walks' progress dialog, then a French summary.
class CalendarImport : public CalendarImportLink {
public:
    // `wait` gives the walks' progress dialog, built when first needed.
    CalendarImport(AppContext& context, std::function<TWait*()> wait);

    void ImportCalendar(QWidget* parent) override;
    bool ImportOpen() const override { return m_open; }

private:
    QString AskFile(QWidget* parent);

    AppContext& m_context;
    std::function<TWait*()> m_wait;
    bool m_open = false;
    QString m_folder;  // where the file dialog opens: the last file's folder
};

}  // namespace brivonce
