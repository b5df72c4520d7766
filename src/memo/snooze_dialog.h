#pragma once

#include <QDialog>
#include <optional>

class QComboBox;
class QPushButton;

namespace brivonce {

// "Rappeler l'alarme": the delay to postpone an alarm by.
class TSnooze : public QDialog {
    Q_OBJECT
public:
    // `lastChoice` (minutes) is chosen at first.
    explicit TSnooze(int lastChoice, QWidget* parent = nullptr);

    // The chosen delay in minutes.
    int Minutes() const;

    QComboBox* ComboBox;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

// Shows the dialog; nullopt when the user cancels.
std::optional<int> AskSnoozeMinutes(int lastChoice);

}  // namespace brivonce
