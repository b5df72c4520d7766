#include "memo/missed_alarms_window.h"

#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "ui/dialog_frame.h"
#include "ui/named_widget.h"
#include "ui/tab_stop_delegate.h"

namespace brivonce {

TMissedAlarms::TMissedAlarms(QWidget* parent) : QDialog(parent) {
    setObjectName("MissedAlarms");
    setWindowTitle(QString::fromUtf8("Alarmes manquées"));
    MakeFixedDialog(this, 592, 233);
    ListBox = Named<QListWidget>("ListBox");
    ListBox->setParent(this);
    ListBox->setGeometry(8, 8, 576, 177);
    ListBox->setItemDelegate(new TabStopDelegate(ListBox));
    ListBox->setSelectionMode(QAbstractItemView::NoSelection);
    OKBtn = Named<QPushButton>("OKBtn", QStringLiteral("OK"), this);
    OKBtn->setGeometry(512, 195, 72, 30);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TMissedAlarms::ShowEntries(const QStringList& entries) {
    ListBox->clear();
    ListBox->addItems(entries);
    // Centred on the screen, not on a memo window that may be hidden.
    move(screen()->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

}  // namespace brivonce
