#include "app/about_dialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_frame.h"
#include "ui/icons.h"
#include "ui/message_boxes.h"
#include "ui/named_widget.h"

namespace brivonce {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("A propos");
    MakeFixedDialog(this, 300, 0);

    auto* panel = Named<QFrame>("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ProgramIcon = Named<QLabel>("ProgramIcon");
    ProgramIcon->setPixmap(BuiltInIcon("brivonce").pixmap(64, 64));
    ProgramIcon->setFixedSize(64, 64);
    ProgramIcon->setScaledContents(true);
    ProductName = Named<QLabel>("ProductName", kTitle);
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    Version = Named<QLabel>("Version", QString("Version 3.0 - %1 bits").arg(sizeof(void*) * 8));
    auto* date = Named<QLabel>("Copyright", "06/06/02");
    auto* author = Named<QLabel>("Author", QString::fromUtf8("Écrit par l'équipe Brivonce"));
    Comments = Named<QLabel>("Comments", " pour Linux");

    auto* grid = new QGridLayout(panel);
    grid->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(ProductName, 0, 1);
    grid->addWidget(Version, 1, 1);
    grid->addWidget(date, 2, 1);
    grid->addWidget(author, 3, 0, 1, 2);
    grid->addWidget(Comments, 4, 0, 1, 2);

    OKButton = Named<QPushButton>("OKButton", "OK");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

}  // namespace brivonce
