#pragma once

#include <QWidget>

class QToolButton;

namespace brivonce {

// An up/down pair of arrow buttons, held down to repeat.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

signals:
    void UpClick();
    void DownClick();

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

}  // namespace brivonce
