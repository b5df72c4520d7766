#pragma once

#include <QDialog>
#include <QMessageBox>
#include <vector>

#include "activities/week_cleanup.h"

class QGroupBox;
class QKeyEvent;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

namespace brivonce {

struct AppContext;

// The week file clean-up: every week file by its Monday, the weeks that are
// over preselected; the chosen files are deleted after confirmation. Each
// line stays bound to its own file.
class TDelete : public QDialog {
    Q_OBJECT
public:
    explicit TDelete(AppContext& context, QWidget* parent = nullptr);

    // The lines of the next showing, oldest week first.
    void SetEntries(const std::vector<WeekFileEntry>& entries);

    QGroupBox* GroupBox1;
    QListWidget* ListBox;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QPushButton* DeleteBtn;
    QPushButton* OKBtn;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void FormShow();
    void ListBoxClick();
    // The Delete key in the list acts as "Supprimer"; true when it was that key.
    bool ListBoxKeyDown(const QKeyEvent* event);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void DeleteBtnClick();
    // The question about the line's week: Yes, No, Cancel or YesToAll.
    QMessageBox::StandardButton Confirm(const QListWidgetItem* item);
    // Deletes the line's file and then the line; false, with the error box,
    // when the file stays.
    bool DeleteLine(QListWidgetItem* item);

    AppContext& m_context;
};

}  // namespace brivonce
