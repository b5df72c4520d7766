#include "ui/walk_guard.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "ui/bring_forward.h"

namespace brivonce {
namespace {

// The innermost walk's progress dialog; null when no walk runs.
QPointer<QWidget>& Progress() {
    static QPointer<QWidget> progress;
    return progress;
}

int& Depth() {
    static int depth = 0;
    return depth;
}

}  // namespace

WalkGuard::WalkGuard(QWidget* progress) {
    ++Depth();
    Progress() = progress;
}

WalkGuard::~WalkGuard() {
    --Depth();
}

bool WalkGuard::Active() {
    return Depth() > 0;
}

bool WalkGuard::BlocksCommand() {
    if (!Active()) {
        return false;
    }
    // An alarm box that opened during the walk stays in front of it.
    QWidget* front = QApplication::activeModalWidget();
    if (!front) {
        front = Progress();
    }
    if (front) {
        BringForward(front);
    }
    return true;
}

}  // namespace brivonce
