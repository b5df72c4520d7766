#pragma once

#include <QMessageBox>
#include <vector>

#include "activities/selection_list_dialog.h"
#include "activities/week_cleanup.h"

class QGroupBox;
class QListWidgetItem;

namespace brivonce {

// The week file clean-up: every week file by its Monday, the weeks that are
// over preselected; the chosen files are deleted after confirmation. Each
// line stays bound to its own file.
class TDelete : public SelectionListDialog {
    Q_OBJECT
public:
    explicit TDelete(AppContext& context, QWidget* parent = nullptr);

    // The lines of the next showing, oldest week first.
    void SetEntries(const std::vector<WeekFileEntry>& entries);

    QGroupBox* GroupBox1;
    QPushButton* OKBtn;

protected:
    // One question per selected line, until "Annuler" or "&Tout".
    void DeleteSelected() override;

private:
    void BuildControls();
    // The question about the line's week: Yes, No, Cancel or YesToAll.
    QMessageBox::StandardButton Confirm(const QListWidgetItem* item);
    // Deletes the line's file and then the line; false, with the error box,
    // when the file stays.
    bool DeleteLine(QListWidgetItem* item);
};

}  // namespace brivonce
