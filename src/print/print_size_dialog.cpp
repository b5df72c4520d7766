#include "print/print_size_dialog.h"

#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

#include "settings/ini_file.h"
#include "settings/settings.h"
#include "ui/app_context.h"
#include "ui/dialog_frame.h"
#include "ui/named_widget.h"

namespace brivonce {

TConfig::TConfig(AppContext& context, QWidget* parent) : QDialog(parent) {
    setObjectName("Config");
    setWindowTitle(QString::fromUtf8("Taille imprimée"));
    MakeFixedDialog(this, 257, 169);
    Bevel1 = Named<QFrame>("Bevel1", this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 241, 117);
    RadioButton1 = Named<QRadioButton>("RadioButton1", QString::fromUtf8("réelle"), Bevel1);
    RadioButton2 = Named<QRadioButton>("RadioButton2",
                                       QString::fromUtf8("adaptée à la feuille de papier"), Bevel1);
    RadioButton3 = Named<QRadioButton>("RadioButton3", QString::fromUtf8("réduite"), Bevel1);
    int top = 18;
    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3}) {
        button->setGeometry(16, top, 209, 20);
        top += 30;
    }
    OKBtn = Named<QPushButton>("OKBtn", QStringLiteral("OK"), this);
    OKBtn->setGeometry(174, 136, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    IniFile ini(context.dataFolder + std::string(kSettingsFileName));
    m_printSize = LoadConfig(ini).imprime;
    QRadioButton* on = m_printSize == 1   ? RadioButton2
                       : m_printSize == 2 ? RadioButton3
                                          : RadioButton1;
    on->setChecked(true);
}

void TConfig::Choose() {
    exec();
    m_printSize = RadioButton2->isChecked() ? 1 : RadioButton3->isChecked() ? 2 : 0;
}

}  // namespace brivonce
