#include "app/tray_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QMenu>
#include <iostream>

#include "app/app_windows.h"
#include "app/confirm_dialog.h"
#include "memo/main_window.h"
#include "platform/blocked_clicks.h"
#include "text/error.h"
#include "ui/app_context.h"
#include "ui/bring_forward.h"
#include "ui/guarded.h"
#include "ui/icons.h"
#include "ui/message_boxes.h"

namespace brivonce {

TTrayForm::TTrayForm(AppContext& context, AppWindows& windows)
    : m_context(context), m_windows(windows) {
    setObjectName("TrayForm");
    auto* blockedClicks = new BlockedClicks(this);
    connect(blockedClicks, &BlockedClicks::TrayIconClicked, this, &TTrayForm::BlockedTrayClick);
    connect(blockedClicks, &BlockedClicks::BlockedWindowPressed, this,
            &TTrayForm::BringModalWindowBack);
}

void TTrayForm::AttachMenu(QMenu* menu) {
    m_menu = menu;
    if (m_context.trayAvailable && m_context.trayAvailable()) {
        TrayAppeared();
    }
}

void TTrayForm::TrayAppeared() {
    if (RxTrayIcon1) {
        return;
    }
    RxTrayIcon1 = new QSystemTrayIcon(BuiltInIcon("brivonce"), this);
    RxTrayIcon1->setObjectName("RxTrayIcon1");
    RxTrayIcon1->setToolTip(kTitle);
    RxTrayIcon1->setContextMenu(m_menu);
    connect(RxTrayIcon1, &QSystemTrayIcon::activated, this, &TTrayForm::RxTrayIcon1Click);
    RxTrayIcon1->show();
}

void TTrayForm::RxTrayIcon1Click(QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick) {
        return;
    }
    ShowMemoWindow();
}

void TTrayForm::ShowMemoWindow() {
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
    // The menu opens even during a walk over the week files: its commands
    // themselves then only bring the progress dialog forward.
    if (button == Qt::RightButton) {
        m_menu->popup(QCursor::pos());
    } else if (button == Qt::LeftButton) {
        RxTrayIcon1Click(QSystemTrayIcon::Trigger);
    }
}

// The modal window in front again, even minimised: the user must never be
// left with a blocked memo window and nothing to click.
void TTrayForm::BringModalWindowBack() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        BringForward(modal);
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
