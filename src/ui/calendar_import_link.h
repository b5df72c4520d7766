#pragma once

class QWidget;

namespace brivonce {

// The import of an iCalendar file, as the memo window reaches it.
class CalendarImportLink {
public:
    virtual ~CalendarImportLink() = default;

    // "&Importer un calendrier…": the file dialog, the import under the
    // progress dialog, then its summary. The agenda's displayed week is saved
    // before and read again after, so no edit and no imported activity is
    // lost. Raises Error; a calendar that cannot be read changes nothing.
    virtual void ImportCalendar(QWidget* parent) = 0;
    // One of its windows is open.
    virtual bool ImportOpen() const = 0;
};

}  // namespace brivonce
