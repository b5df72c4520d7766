#include "activities/week_cleanup_dialog.h"

#include <QGroupBox>
#include <QKeyEvent>
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

const char* const kNothingSelected = "Vous devez sélectionner au moins un fichier.";
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

TDelete::TDelete(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context) {
    setObjectName("Delete");
    setWindowTitle(QStringLiteral("Suppression de fichiers semaines"));
    MakeFixedDialog(this, 305, 314);
    BuildControls();

    connect(SpeedButton1, &QToolButton::clicked, this, &TDelete::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TDelete::SpeedButton2Click);
    connect(DeleteBtn, &QPushButton::clicked, this, &TDelete::DeleteBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TDelete::accept);
    connect(ListBox, &QListWidget::itemSelectionChanged, this, &TDelete::ListBoxClick);
    ListBox->installEventFilter(this);
}

void TDelete::BuildControls() {
    GroupBox1 = Named<QGroupBox>("GroupBox1", QStringLiteral("Semaine du :"), this);
    GroupBox1->setGeometry(8, 4, 160, 302);
    ListBox = Named<QListWidget>("ListBox", GroupBox1);
    ListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* frame = new QVBoxLayout(GroupBox1);
    frame->addWidget(ListBox);

    SpeedButton1 = Named<QToolButton>("SpeedButton1", this);
    SpeedButton1->setText(QString::fromUtf8("Tout sélectionner"));
    SpeedButton1->setGeometry(176, 12, 121, 28);
    SpeedButton2 = Named<QToolButton>("SpeedButton2", this);
    SpeedButton2->setText(QString::fromUtf8("Tout désélectionner"));
    SpeedButton2->setGeometry(176, 44, 121, 28);
    DeleteBtn = Named<QPushButton>("DeleteBtn", QStringLiteral("Supprimer"), this);
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

bool TDelete::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox && event->type() == QEvent::KeyPress) {
        return ListBoxKeyDown(static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

bool TDelete::ListBoxKeyDown(const QKeyEvent* event) {
    if (event->key() != Qt::Key_Delete || event->modifiers() != Qt::NoModifier) {
        return false;
    }
    DeleteBtnClick();
    return true;
}

void TDelete::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TDelete::FormShow() {
    ListBoxClick();
}

void TDelete::ListBoxClick() {
    int selected = static_cast<int>(ListBox->selectedItems().size());
    SpeedButton1->setEnabled(selected != ListBox->count());
    DeleteBtn->setEnabled(selected > 0);
    SpeedButton2->setEnabled(selected > 0);
}

void TDelete::SpeedButton1Click() {
    ListBox->selectAll();
}

void TDelete::SpeedButton2Click() {
    ListBox->clearSelection();
}

void TDelete::DeleteBtnClick() {
    if (ListBox->selectedItems().isEmpty()) {
        m_context.messageBoxes->Show(this, MessageBoxes::Icon::Information,
                                     QStringLiteral("Information"),
                                     QString::fromUtf8(kNothingSelected), QMessageBox::Ok);
        ListBoxClick();
        return;
    }
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
    ListBoxClick();
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
