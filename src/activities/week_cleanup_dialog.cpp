#include "activities/week_cleanup_dialog.h"

#include <QGroupBox>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/dialog_frame.h"
#include "ui/guarded.h"
#include "ui/message_boxes.h"
#include "ui/named_widget.h"
#include "ui/qt_dates.h"

namespace brivonce {
namespace {

const char* const kQuestion = "Voulez-vous supprimer définitivement la semaine du";

// A line and the week file it stands for.
class WeekItem : public QListWidgetItem {
public:
    explicit WeekItem(WeekFileEntry entry)
        : QListWidgetItem(QLocale().toString(ToQDate(entry.monday), " dd MMMM yyyy ")),
          m_entry(std::move(entry)) {}
    const WeekFileEntry& Entry() const { return m_entry; }

private:
    WeekFileEntry m_entry;
};

}  // namespace

TDelete::TDelete(AppContext& context, QWidget* parent)
    : SelectionListDialog(context, "Vous devez sélectionner au moins un fichier.", parent) {
    setObjectName("Delete");
    setWindowTitle(QStringLiteral("Suppression de fichiers semaines"));
    MakeFixedDialog(this, 305, 314);
    BuildControls();
    connect(OKBtn, &QPushButton::clicked, this, &TDelete::accept);
}

void TDelete::BuildControls() {
    GroupBox1 = Named<QGroupBox>("GroupBox1", QStringLiteral("Semaine du :"), this);
    GroupBox1->setGeometry(8, 4, 160, 302);
    auto* frame = new QVBoxLayout(GroupBox1);
    frame->addWidget(ListBox);
    SpeedButton1->setGeometry(176, 12, 121, 28);
    SpeedButton2->setGeometry(176, 44, 121, 28);
    DeleteBtn->setGeometry(176, 84, 121, 28);
    OKBtn = Named<QPushButton>("OKBtn", QStringLiteral("Fermer"), this);
    OKBtn->setGeometry(176, 278, 121, 28);
    OKBtn->setDefault(true);
}

void TDelete::SetEntries(const std::vector<WeekFileEntry>& entries) {
    QSignalBlocker quiet(ListBox);  // the buttons follow when the window shows
    ListBox->clear();
    for (const WeekFileEntry& entry : entries) {
        auto* item = new WeekItem(entry);
        ListBox->addItem(item);
        item->setSelected(entry.preselected);
    }
}

void TDelete::DeleteSelected() {
    bool all = false;  // "&Tout" answers for every further line of this walk
    for (int row = 0; row < ListBox->count();) {
        QListWidgetItem* item = ListBox->item(row);
        if (!item->isSelected()) {
            ++row;
            continue;
        }
        QMessageBox::StandardButton answer = all ? QMessageBox::YesToAll : Confirm(item);
        if (answer == QMessageBox::Cancel) {
            break;
        }
        all = answer == QMessageBox::YesToAll;
        bool wanted = answer == QMessageBox::Yes || all;
        if (!wanted || !DeleteLine(item)) {
            ++row;  // the line stays; the walk goes on with the next one
        }
    }
}

QMessageBox::StandardButton TDelete::Confirm(const QListWidgetItem* item) {
    return m_context.messageBoxes->Show(
        this, MessageBoxes::Icon::Question, QStringLiteral("Confirmation"),
        QString::fromUtf8(kQuestion) + item->text() + " ?",
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::YesToAll);
}

bool TDelete::DeleteLine(QListWidgetItem* item) {
    bool deleted = false;
    Guarded(*m_context.messageBoxes, this, [&] {
        DeleteWeekFile(m_context.dataFolder, static_cast<WeekItem*>(item)->Entry());
        deleted = true;
    });
    if (deleted) {
        delete item;
    }
    return deleted;
}

}  // namespace brivonce
