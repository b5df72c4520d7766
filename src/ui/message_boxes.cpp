#include "ui/message_boxes.h"

#include <QAbstractButton>

#include "text/error.h"

namespace brivonce {
namespace {

QMessageBox::Icon ToQt(MessageBoxes::Icon icon) {
    switch (icon) {
        case MessageBoxes::Icon::Information:
            return QMessageBox::Information;
        case MessageBoxes::Icon::Warning:
            return QMessageBox::Warning;
        case MessageBoxes::Icon::Question:
            return QMessageBox::Question;
        case MessageBoxes::Icon::Stop:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

void SetFrenchCaptions(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Ok, "OK"},          {QMessageBox::Yes, "&Oui"},
        {QMessageBox::No, "&Non"},        {QMessageBox::Cancel, "Annuler"},
        {QMessageBox::YesToAll, "&Tout"},
    };
    for (const auto& [button, caption] : captions) {
        if (QAbstractButton* widget = box.button(button)) {
            widget->setText(QString::fromUtf8(caption));
        }
    }
}

}  // namespace

QMessageBox::StandardButton MessageBoxes::Show(QWidget* parent, Icon icon, const QString& title,
                                               const QString& text,
                                               QMessageBox::StandardButtons buttons) {
    // A title and a close button only: a minimised box would block the program.
    QMessageBox box(
        ToQt(icon), title, text, buttons, parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetFrenchCaptions(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBoxes::ShowError(QWidget* parent, std::string_view message) {
    Show(parent, Icon::Stop, kTitle, QString::fromStdString(ErrorBoxText(message)),
         QMessageBox::Ok);
}

}  // namespace brivonce
