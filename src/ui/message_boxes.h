#pragma once

#include <QMessageBox>
#include <QString>
#include <string_view>

namespace brivonce {

inline const QString kTitle = QStringLiteral("Brivonce");

// The alarm box's "&Rappeler…" button, beside its OK.
inline constexpr QMessageBox::StandardButton kSnoozeButton = QMessageBox::Retry;

// Every message box of the program goes through here, so tests can answer them
// without a modal box on screen.
class MessageBoxes {
public:
    enum class Icon { Information, Warning, Question, Stop };

    virtual ~MessageBoxes() = default;

    // Shows a modal box and returns the button chosen. Buttons carry the
    // program's French captions; "&Oui", "&Non", "Annuler", "&Tout" come in
    // that order. Beside kSnoozeButton, OK stays the default and Escape's.
    virtual QMessageBox::StandardButton Show(QWidget* parent, Icon icon, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons);

    // The error box: title "Brivonce", stop icon, OK, and a full stop added
    // after a message that does not end with punctuation.
    void ShowError(QWidget* parent, std::string_view message);
};

}  // namespace brivonce
