#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "notes/shopping_list.h"
#include "ui/autosave.h"

class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace brivonce {

struct AppContext;

// The shopping list: 60 tick boxes with their texts, 5 columns of 12. The
// controls hold the list for the whole run; closing only hides the window.
class TCourses : public QDialog {
    Q_OBJECT
public:
    // `list`: COURSES.TXT as read at start-up; nullopt when it could not be
    // read, and then it is never written over.
    TCourses(AppContext& context, const std::optional<ShoppingList>& list);

    ShoppingList List() const;
    void SetList(const ShoppingList& list);
    // SaveAll's step: the list on screen to COURSES.TXT. Raises Error.
    void SaveShoppingList();

    // Item k (1..60) is CheckBox<k> and Edit<k>.
    QCheckBox* CheckBox(int k) const { return m_checkBoxes.at(k - 1); }
    QLineEdit* Edit(int k) const { return m_edits.at(k - 1); }

    QFrame* Panel1;
    QToolButton* ConfigBtn;
    QPushButton* PrintBtn;
    QPushButton* OKBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();

    AppContext& m_context;
    std::array<QCheckBox*, kShoppingItemCount> m_checkBoxes{};
    std::array<QLineEdit*, kShoppingItemCount> m_edits{};
    bool m_loaded = false;
    Autosave m_autosave;
};

}  // namespace brivonce
