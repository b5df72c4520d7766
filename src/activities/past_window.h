#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <vector>

#include "activities/activity_lists.h"
#include "activities/selection_list_dialog.h"
#include "settings/font_record.h"

class QListWidgetItem;

namespace brivonce {

// The lists window: past or all activities, each line bound to the slot it
// came from. Activities can be removed from their week files or opened in the
// agenda. Shown modally; it keeps its font and last lines between showings.
class TPast : public SelectionListDialog {
    Q_OBJECT
public:
    explicit TPast(AppContext& context, QWidget* parent = nullptr);

    // Empty the list, take `title` and fill the list from the week files as of
    // now; true when it has lines. They do not show the window. Raise Error.
    bool ListPastActivities(const QString& title);
    bool ListAllActivities(const QString& title);

    // Set when the user opened an activity in the agenda.
    bool OpenedEntry() const { return m_openedEntry; }
    void ClearOpenedEntry() { m_openedEntry = false; }

    // What printing the list needs: every line or the selected ones, in list
    // order, and the list's font and text colour.
    QStringList EntryLines() const;
    QStringList SelectedEntryLines() const;
    QFont ListFont() const;
    QColor ListColour() const { return m_colour; }
    // The font as the settings store it ("PolicePast").
    const FontRecord& ListFontRecord() const { return m_fontRecord; }

    QPushButton* FontBtn;
    QPushButton* PrintBtn;
    QPushButton* OKBtn;

protected:
    void showEvent(QShowEvent* event) override;
    void DeleteSelected() override;

private:
    void BuildControls();
    void FormCreate();
    void ListBoxDblClick(QListWidgetItem* item);
    void FontBtnClick();
    void PrintBtnClick();
    void UpdatePrintBtn();
    void Fill(const QString& title, const std::vector<ListedActivity>& activities);
    void RemoveSelected();
    void ApplyFont(const QFont& font, const QColor& colour);
    QStringList Lines(bool selectedOnly) const;

    FontRecord m_fontRecord;
    QColor m_colour;
    bool m_openedEntry = false;
};

}  // namespace brivonce
