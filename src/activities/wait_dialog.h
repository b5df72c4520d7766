#pragma once

#include <QDialog>
#include <functional>

#include "activities/week_walk.h"

class QProgressBar;
class QPushButton;

namespace brivonce {

// The progress dialog of the long walks over the week files: a title, a gauge
// and "Abandon", no close box. While it is shown it is the only window that
// takes input, so no other command can start in the middle of a walk.
class TWait : public QDialog {
    Q_OBJECT
public:
    explicit TWait(QWidget* parent = nullptr);

    // Shows the dialog titled `title` with the gauge going from 0 to `maximum`,
    // runs `walk` and hides the dialog again, however the walk ends. The
    // progress `walk` is given moves the gauge, processes pending events, so
    // that "Abandon" is seen, and returns false once it was pressed.
    void Run(const QString& title, int maximum,
             const std::function<void(const WalkProgress&)>& walk);

    QProgressBar* Meter;
    QPushButton* BitBtn1;

public slots:
    // Escape or the window manager's close: the same as "Abandon", the walk
    // closes the dialog itself.
    void reject() override { BitBtn1Click(); }

private:
    void BitBtn1Click();
    bool Step(int done);

    bool m_aborted = false;
};

}  // namespace brivonce
