#include "activities/find_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "agenda/week_store.h"
#include "ui/app_context.h"
#include "ui/cp1252_input.h"
#include "ui/dialog_frame.h"
#include "ui/guarded.h"
#include "ui/message_boxes.h"
#include "ui/named_widget.h"
#include "ui/wait_cursor.h"

namespace brivonce {
namespace {

const QString kFind = QStringLiteral("Chercher");
const QString kNext = QStringLiteral("Suivant");

QPushButton* DeletionButton(const char* name, const char* caption, int y, QWidget* parent) {
    auto* button = Named<QPushButton>(name, QString::fromUtf8(caption), parent);
    button->setGeometry(8, y, 301, 27);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TFind::TFind(AppContext& context, FoundSlotDeletion& deletion, QWidget* parent)
    : QDialog(parent), m_context(context), m_deletion(deletion) {
    setObjectName("Find");
    setWindowTitle(QStringLiteral("Chercher :"));
    MakeFixedDialog(this, 317, 184);
    Edit = Named<QLineEdit>("Edit", this);
    Edit->setGeometry(8, 10, 214, 23);
    KeepStorable(Edit, *context.messageBoxes);
    FindBtn = Named<QPushButton>("FindBtn", kFind, this);
    FindBtn->setGeometry(232, 9, 77, 25);
    FindBtn->setDefault(true);
    CancelBtn = Named<QPushButton>("CancelBtn", QStringLiteral("Annuler"), this);
    CancelBtn->setGeometry(232, 41, 77, 25);
    CancelBtn->setAutoDefault(false);
    OneDelBtn = DeletionButton("OneDelBtn", "Supprimer cette occurence", 82, this);
    ManyDelPerBtn = DeletionButton("ManyDelPerBtn",
                                   "Supprimer toutes les occurences sur une période", 115, this);
    ManyDelBtn = DeletionButton("ManyDelBtn", "Supprimer toutes les occurences", 148, this);
    FindBtn->setEnabled(false);
    EnableDeletion(false);

    connect(Edit, &QLineEdit::textChanged, this, &TFind::EditChange);
    auto on = [this](QPushButton* button, void (TFind::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    on(FindBtn, &TFind::FindBtnClick);
    on(OneDelBtn, &TFind::OneDelBtnClick);
    on(ManyDelPerBtn, &TFind::ManyDelPerBtnClick);
    on(ManyDelBtn, &TFind::ManyDelBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TFind::reject);
}

void TFind::Open() {
    Edit->clear();
    EditChange(Edit->text());
    exec();
}

void TFind::Guarded(const std::function<void()>& handler) {
    brivonce::Guarded(*m_context.messageBoxes, this, handler);
}

void TFind::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFind::FormShow() {
    Edit->setFocus();
    m_weekFiles.clear();
    Guarded([this] { m_weekFiles = ListWeekFiles(m_context.dataFolder); });
}

void TFind::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TFind::FormClose() {
    m_next = {};
    FindBtn->setText(kFind);
}

void TFind::EditChange(const QString& text) {
    FindBtn->setEnabled(!text.isEmpty());
    if (text.isEmpty()) {
        EnableDeletion(false);
    }
    if (text != m_lastText) {
        FindBtn->setText(kFind);
    }
    m_lastText = text;
    m_next = {};
}

void TFind::FindBtnClick() {
    std::optional<SearchMatch> match;
    {
        WaitCursor hourglass;
        match = FindText(m_context.dataFolder, m_weekFiles, m_next, m_lastText.toStdString());
    }
    if (!match) {
        m_context.messageBoxes->Show(this, MessageBoxes::Icon::Information,
                                     QStringLiteral("Information"),
                                     QString::fromUtf8("Texte non trouvé."), QMessageBox::Ok);
        StartOver();
        return;
    }
    EnableDeletion(true);
    FindBtn->setText(kNext);
    AgendaLink& agenda = *m_context.links.agenda;
    agenda.DisplayWeek(MondayOf(match->date));
    m_found = {DayNumber(match->date), match->slot};
    agenda.ShowSlot(m_found);
    m_next = match->next;
}

void TFind::OneDelBtnClick() {
    m_deletion.DeleteSlot(m_found);
}

void TFind::ManyDelPerBtnClick() {
    std::optional<DatePeriod> period = m_deletion.AskPeriod(m_found);
    if (period) {
        StartOver();
        m_deletion.DeleteOccurrences(m_found, period);
    }
}

void TFind::ManyDelBtnClick() {
    StartOver();
    m_deletion.DeleteOccurrences(m_found, std::nullopt);
}

void TFind::StartOver() {
    m_next = {};
    FindBtn->setText(kFind);
    EnableDeletion(false);
}

void TFind::EnableDeletion(bool enabled) {
    for (QPushButton* button : {OneDelBtn, ManyDelPerBtn, ManyDelBtn}) {
        button->setEnabled(enabled);
    }
}

}  // namespace brivonce
