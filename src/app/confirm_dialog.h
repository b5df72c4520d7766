#pragma once

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace brivonce {

// The quit confirmation: quit, hide the memo window instead, or cancel.
class TConfirm : public QDialog {
    Q_OBJECT
public:
    enum Choice { kQuit = 0, kHide = 1, kCancel = 2 };

    explicit TConfirm(QWidget* parent = nullptr);

    // The button pressed last, kept from one showing to the next.
    Choice LastChoice() const { return m_lastChoice; }

    QPlainTextEdit* Memo1;
    QCheckBox* CheckBox;
    QPushButton* OKBtn;
    QPushButton* MinimizeBtn;
    QPushButton* CancelBtn;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OKBtnClick();
    void MinimizeBtnClick();
    void CancelBtnClick();

    Choice m_lastChoice = kQuit;
};

}  // namespace brivonce
