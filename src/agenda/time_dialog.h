#pragma once

#include <QDialog>
#include <QString>
#include <string>

#include "ui/spin_button.h"

class QFrame;
class QLineEdit;
class QPushButton;

namespace brivonce {

// The alarm-time dialog: edits one time of day "hh:mm". Created once and
// reused; each showing starts from the label the caller sets.
class THSaisie : public QDialog {
    Q_OBJECT
public:
    explicit THSaisie(QWidget* parent = nullptr);

    // The slot's label, before showing; its first 5 characters are the
    // starting time, which also replaces an hour or minute typed out of range.
    void SetTime(const QString& label);
    // After OK: the first 5 characters of the edit.
    QString Time() const { return m_time; }

    QFrame* Panel1;
    SpinButton* HSpin;
    QLineEdit* Edit;
    SpinButton* MSpin;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    // Up and Down in the edit step the part under the caret.
    void StepPartAtCaret(int delta);
    void EditChange();
    void HSpinUpClick();
    void HSpinDownClick();
    void MSpinUpClick();
    void MSpinDownClick();
    void OKBtnClick();

    // The edit's five characters, a blank being a space.
    std::string EditText() const;
    void SetEditText(const std::string& text);

    QString m_start;
    QString m_time;
};

}  // namespace brivonce
