#pragma once

#include <QDialog>

class QKeyEvent;
class QListWidget;
class QPushButton;
class QToolButton;

namespace brivonce {

struct AppContext;

// A dialog around a list whose selected lines can be deleted: "Tout
// sélectionner", "Tout désélectionner" and "Supprimer" follow the selection,
// and the Delete key in the list acts as "Supprimer". The windows place the
// controls themselves.
class SelectionListDialog : public QDialog {
    Q_OBJECT
public:
    QListWidget* ListBox;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QPushButton* DeleteBtn;

protected:
    // `nothingSelected`: the information shown when "Supprimer" finds no line
    // selected.
    SelectionListDialog(AppContext& context, const char* nothingSelected, QWidget* parent);

    // Deletes the selected lines; the buttons follow afterwards.
    virtual void DeleteSelected() = 0;
    // Enables the buttons by the selection.
    void ListBoxClick();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

    AppContext& m_context;

private:
    void FormShow();
    bool ListBoxKeyDown(const QKeyEvent* event);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void DeleteBtnClick();

    const char* m_nothingSelected;
};

}  // namespace brivonce
