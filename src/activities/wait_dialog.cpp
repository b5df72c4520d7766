#include "activities/wait_dialog.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "platform/window_hints.h"
#include "ui/dialog_frame.h"
#include "ui/icons.h"
#include "ui/named_widget.h"
#include "ui/walk_guard.h"

namespace brivonce {
namespace {

const QColor kGaugeColour(0, 0, 128);  // navy

}  // namespace

TWait::TWait(QWidget* parent) : QDialog(parent) {
    setObjectName("Wait");
    MakeFixedDialog(this, 312, 88, false);
    Meter = Named<QProgressBar>("Meter", this);
    Meter->setGeometry(16, 14, 280, 22);
    QPalette colours = Meter->palette();
    colours.setColor(QPalette::Highlight, kGaugeColour);
    Meter->setPalette(colours);
    BitBtn1 = Named<QPushButton>("BitBtn1", QStringLiteral("Abandon"), this);
    BitBtn1->setIcon(BuiltInIcon("abort"));
    BitBtn1->setGeometry(112, 52, 88, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &TWait::BitBtn1Click);
}

void TWait::Run(const QString& title, int maximum,
                const std::function<void(const WalkProgress&)>& walk) {
    WalkGuard walking(this);
    m_aborted = false;
    setWindowTitle(title);
    Meter->setRange(0, std::max(maximum, 1));
    Meter->setValue(0);
    setWindowModality(Qt::ApplicationModal);
    // Only "Abandon" ends a walk early; a close request acts as it does.
    AskNoCaptionButtons(this);
    show();
    BitBtn1->setFocus();
    QApplication::processEvents();  // on screen before the first week
    try {
        walk([this](int done) { return Step(done); });
    } catch (...) {
        hide();
        throw;
    }
    hide();
}

bool TWait::Step(int done) {
    Meter->setValue(std::min(done, Meter->maximum()));
    QApplication::processEvents();
    return !m_aborted;
}

void TWait::BitBtn1Click() {
    m_aborted = true;
}

}  // namespace brivonce
