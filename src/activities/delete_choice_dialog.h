#pragma once

#include <QDialog>

class QPushButton;

namespace brivonce {

// The three ways of deleting an activity.
enum class DeleteChoice { kNone, kOne, kInPeriod, kAll };

// The choice dialog of "Supprimer...": this occurrence, every occurrence
// within a period, or every occurrence.
class TSuppr : public QDialog {
    Q_OBJECT
public:
    explicit TSuppr(QWidget* parent = nullptr);

    // Shows the dialog modally; kNone when it is cancelled.
    DeleteChoice Ask();

    QPushButton* OneDelBtn;
    QPushButton* ManyDelPerBtn;
    QPushButton* ManyDelBtn;
    QPushButton* CancelBtn;
};

}  // namespace brivonce
