#pragma once

#include <QDialog>

class QFrame;
class QPushButton;
class QRadioButton;

namespace brivonce {

struct AppContext;

// The print size dialog ("Taille imprimée"): real size, fit to the page or
// reduced, for the pictures of the agenda and of the shopping list. It holds
// the print size for the whole run.
class TConfig : public QDialog {
    Q_OBJECT
public:
    // Reads the print size from the settings.
    explicit TConfig(AppContext& context, QWidget* parent = nullptr);

    // As the settings store it: the value read, even one outside 0..2 (which
    // prints at real size), until the dialog has been closed once; then the
    // radio button that is on.
    int PrintSizeValue() const { return m_printSize; }
    // Shows the dialog modally; however it is closed, the print size follows
    // the radio buttons.
    void Choose();

    QFrame* Bevel1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QPushButton* OKBtn;

private:
    int m_printSize;
};

}  // namespace brivonce
