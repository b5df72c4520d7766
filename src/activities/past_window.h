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
    // `listFont`: the lists' font as the settings held it at start-up.
    TPast(AppContext& context, const FontRecord& listFont, QWidget* parent = nullptr);

    // Empties the list, takes `title` and lists `activities`. Does not show
    // the window.
    void Fill(const QString& title, const std::vector<ListedActivity>& activities);

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
    void FormCreate(const FontRecord& listFont);
    void ListBoxDblClick(QListWidgetItem* item);
    void FontBtnClick();
    void PrintBtnClick();
    void UpdatePrintBtn();
    void RemoveSelected();
    void ApplyFont(const QFont& font, const QColor& colour);
    QStringList Lines(bool selectedOnly) const;

    FontRecord m_fontRecord;
    QColor m_colour;
    bool m_openedEntry = false;
};

}  // namespace brivonce
