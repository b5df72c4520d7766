#include "app/tray_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QMenu>
#include <QTimer>
#include <iostream>

#include "app/app_windows.h"
#include "app/confirm_dialog.h"
#include "memo/main_window.h"
#include "platform/blocked_clicks.h"
#include "text/error.h"
#include "ui/app_context.h"
#include "ui/guarded.h"
#include "ui/icons.h"
#include "ui/message_boxes.h"
#include "ui/walk_guard.h"

namespace brivonce {

TTrayForm::TTrayForm(AppContext& context, AppWindows& windows)
    : m_context(context), m_windows(windows) {
    setObjectName("TrayForm");
    RxTrayIcon1 = new QSystemTrayIcon(BuiltInIcon("brivonce"), this);
    RxTrayIcon1->setObjectName("RxTrayIcon1");
    RxTrayIcon1->setToolTip(kTitle);
    connect(RxTrayIcon1, &QSystemTrayIcon::activated, this, &TTrayForm::RxTrayIcon1Click);
    auto* blockedClicks = new BlockedClicks(this);
    connect(blockedClicks, &BlockedClicks::TrayIconClicked, this, &TTrayForm::BlockedTrayClick);
    connect(blockedClicks, &BlockedClicks::BlockedWindowPressed, this,
            &TTrayForm::BringModalWindowBack);
    // Some desktops start their tray after the program: watch for it.
    m_trayWatch = new QTimer(this);
    m_trayWatch->setInterval(2000);
    connect(m_trayWatch, &QTimer::timeout, this, &TTrayForm::ShowIconWhenTrayAppears);
}

void TTrayForm::AttachMenu(QMenu* menu) {
    RxTrayIcon1->setContextMenu(menu);
    ShowIconWhenTrayAppears();
    if (!RxTrayIcon1->isVisible()) {
        m_trayWatch->start();
    }
}

void TTrayForm::ShowIconWhenTrayAppears() {
    if (m_context.trayAvailable && m_context.trayAvailable()) {
        RxTrayIcon1->show();
        m_trayWatch->stop();
    }
}

void TTrayForm::RxTrayIcon1Click(QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick) {
        return;
    }
    if (QApplication::activeModalWidget()) {
        BringModalWindowBack();  // the memo window could not be used anyway
        return;
    }
    TMainForm* mainForm = m_windows.mainForm;
    if (mainForm->isMinimized()) {
        mainForm->showNormal();
    } else {
        mainForm->show();
    }
    mainForm->raise();
    mainForm->activateWindow();
}

void TTrayForm::BlockedTrayClick(Qt::MouseButton button) {
    // During a walk over the week files no command may start: the menu stays
    // shut, and a click only brings the progress dialog to the front.
    if (button == Qt::RightButton && !WalkGuard::Active()) {
        RxTrayIcon1->contextMenu()->popup(QCursor::pos());
    } else if (button == Qt::LeftButton) {
        RxTrayIcon1Click(QSystemTrayIcon::Trigger);
    }
}

// The modal window in front again, even minimised: the user must never be
// left with a blocked memo window and nothing to click.
void TTrayForm::BringModalWindowBack() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal->isMinimized()) {
            modal->showNormal();
        }
        modal->raise();
        modal->activateWindow();
    }
}

bool TTrayForm::TrySaveAll() {
    bool saved = false;
    Guarded(*m_context.messageBoxes, nullptr, [&] {
        m_windows.mainForm->SaveAll();
        saved = true;
    });
    return saved;
}

void TTrayForm::FormCloseQuery() {
    TMainForm* mainForm = m_windows.mainForm;
    TConfirm* confirm = m_windows.confirm;
    if (!TrySaveAll()) {
        return;
    }
    if (confirm->isVisible() || mainForm->PromptOnClose()) {
        End();
        return;
    }
    confirm->CheckBox->setChecked(false);
    confirm->exec();
    if (m_ending) {
        return;  // a second request ended the program while the box was open
    }
    bool dontAskAgain = confirm->CheckBox->isChecked();
    switch (confirm->LastChoice()) {
        case TConfirm::kQuit:
            mainForm->SetPromptOnClose(mainForm->PromptOnClose() || dontAskAgain);
            if (TrySaveAll()) {
                End();
            }
            break;
        case TConfirm::kHide:
            mainForm->close();
            if (dontAskAgain) {
                mainForm->SetPromptOnClose(true);
            }
            break;
        case TConfirm::kCancel:
            break;
    }
}

void TTrayForm::SessionEnding() {
    // The session manager must never wait on a box: a failed save is told on
    // stderr and the program ends all the same.
    try {
        if (m_windows.mainForm) {
            m_windows.mainForm->SaveAll();
        }
    } catch (const std::exception& error) {
        std::cerr << ErrorBoxText(error.what()) << std::endl;
    }
    End();
}

void TTrayForm::End() {
    m_ending = true;
    if (m_windows.confirm.IsVisible()) {
        m_windows.confirm->reject();  // let its pending exec() return
    }
    emit EndRequested();
}

}  // namespace brivonce
