#include "ui/font_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/named_widget.h"

namespace brivonce {
namespace {

// The sixteen colours of the classic font dialog.
const std::pair<const char*, QRgb> kColours[] = {
    {"Noir", 0x000000},     {"Bordeaux", 0x800000},    {"Vert", 0x008000},
    {"Kaki", 0x808000},     {"Bleu marine", 0x000080}, {"Violet", 0x800080},
    {"Sarcelle", 0x008080}, {"Gris", 0x808080},        {"Argent", 0xC0C0C0},
    {"Rouge", 0xFF0000},    {"Citron vert", 0x00FF00}, {"Jaune", 0xFFFF00},
    {"Bleu", 0x0000FF},     {"Fuchsia", 0xFF00FF},     {"Aqua", 0x00FFFF},
    {"Blanc", 0xFFFFFF},
};

QIcon Swatch(const QColor& colour) {
    QPixmap picture(24, 12);
    picture.fill(colour);
    QPainter frame(&picture);
    frame.setPen(Qt::black);
    frame.drawRect(0, 0, 23, 11);
    return QIcon(picture);
}

QComboBox* ColourList(const QColor& current, QWidget* parent) {
    auto* list = Named<QComboBox>("ColourList", parent);
    for (const auto& [name, rgb] : kColours) {
        list->addItem(Swatch(QColor(rgb)), QString::fromUtf8(name), QColor(rgb));
    }
    int index = list->findData(QColor(current.rgb()));
    if (index < 0) {
        list->addItem(Swatch(current), QString::fromUtf8("Personnalisée"), current);
        index = list->count() - 1;
    }
    list->setCurrentIndex(index);
    return list;
}

}  // namespace

bool ChooseFontAndColour(QWidget* parent, QFont& font, QColor& colour) {
    QDialog dialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint);
    dialog.setObjectName("FontDialog");
    dialog.setWindowTitle(QStringLiteral("Police"));
    // A stored name such as "arial" may be no installed family, drawn with a
    // twin (Liberation Sans): the dialog shows that twin, and the stored name
    // stays when the user keeps it.
    QString drawnFamily = QFontInfo(font).family();
    QFont shown = font;
    shown.setFamily(drawnFamily);
    auto* fonts = Named<QFontDialog>("FontChoice", shown, &dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons);
    // Escape reaches the embedded chooser first, which would only hide itself.
    QObject::connect(fonts, &QDialog::rejected, &dialog, &QDialog::reject);
    auto* colours = ColourList(colour, &dialog);
    auto* colourLabel = new QLabel(QStringLiteral("&Couleur :"), &dialog);
    colourLabel->setBuddy(colours);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(colours);
    colourRow->addStretch();
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    QFont chosen = fonts->currentFont();
    if (chosen.family() == drawnFamily) {
        chosen.setFamily(font.family());
    }
    font = chosen;
    colour = colours->currentData().value<QColor>();
    return true;
}

}  // namespace brivonce
