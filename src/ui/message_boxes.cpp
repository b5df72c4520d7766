#include "ui/message_boxes.h"

#include <QAbstractButton>
#include <QPushButton>
#include <vector>

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

const std::pair<QMessageBox::StandardButton, const char*> kCaptions[] = {
    {QMessageBox::Ok, "OK"},          {QMessageBox::Yes, "&Oui"},
    {QMessageBox::No, "&Non"},        {QMessageBox::Cancel, "Annuler"},
    {QMessageBox::YesToAll, "&Tout"}, {kSnoozeButton, "&Rappeler…"},
};

QString Caption(QMessageBox::StandardButton button) {
    for (const auto& [standard, caption] : kCaptions) {
        if (standard == button) {
            return QString::fromUtf8(caption);
        }
    }
    return QString();
}

void SetFrenchCaptions(QMessageBox& box) {
    for (const auto& [button, caption] : kCaptions) {
        if (QAbstractButton* widget = box.button(button)) {
            widget->setText(QString::fromUtf8(caption));
        }
    }
}

// Qt orders a box's buttons by role, which puts "&Tout" next to "&Oui"; the
// program asks "&Oui", "&Non", "Annuler", "&Tout" in that order. As buttons of
// one role they keep the order they are added in, on every desktop.
QMessageBox::StandardButton AskWithAll(QMessageBox& box, QMessageBox::StandardButtons buttons) {
    const QMessageBox::StandardButton order[] = {QMessageBox::Yes, QMessageBox::No,
                                                 QMessageBox::Cancel, QMessageBox::YesToAll};
    std::vector<std::pair<QAbstractButton*, QMessageBox::StandardButton>> answers;
    for (QMessageBox::StandardButton answer : order) {
        if (buttons.testFlag(answer)) {
            answers.emplace_back(box.addButton(Caption(answer), QMessageBox::ActionRole), answer);
        }
    }
    box.setDefaultButton(static_cast<QPushButton*>(answers.front().first));
    for (const auto& [button, answer] : answers) {
        if (answer == QMessageBox::Cancel) {
            box.setEscapeButton(button);
        }
    }
    box.exec();
    for (const auto& [button, answer] : answers) {
        if (button == box.clickedButton()) {
            return answer;
        }
    }
    return QMessageBox::Cancel;
}

}  // namespace

QMessageBox::StandardButton MessageBoxes::Show(QWidget* parent, Icon icon, const QString& title,
                                               const QString& text,
                                               QMessageBox::StandardButtons buttons) {
    // A title and a close button only: a minimised box would block the program.
    const Qt::WindowFlags frame =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (buttons.testFlag(QMessageBox::YesToAll)) {
        QMessageBox box(ToQt(icon), title, text, QMessageBox::NoButton, parent, frame);
        return AskWithAll(box, buttons);
    }
    QMessageBox box(ToQt(icon), title, text, buttons, parent, frame);
    SetFrenchCaptions(box);
    if (buttons.testFlag(kSnoozeButton)) {
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBoxes::ShowError(QWidget* parent, std::string_view message) {
    Show(parent, Icon::Stop, kTitle, QString::fromStdString(ErrorBoxText(message)),
         QMessageBox::Ok);
}

}  // namespace brivonce
