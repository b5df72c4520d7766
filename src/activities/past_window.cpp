#include "activities/past_window.h"

#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <span>

#include "settings/font_qt.h"
#include "ui/agenda_link.h"
#include "ui/app_context.h"
#include "ui/clock.h"
#include "ui/dialog_frame.h"
#include "ui/font_dialog.h"
#include "ui/guarded.h"
#include "ui/message_boxes.h"
#include "ui/named_widget.h"
#include "ui/print_link.h"
#include "ui/qt_dates.h"
#include "ui/tab_stop_delegate.h"
#include "ui/wait_cursor.h"

namespace brivonce {
namespace {

// A list line and the activity it stands for.
class ActivityItem : public QListWidgetItem {
public:
    explicit ActivityItem(ListedActivity activity)
        : QListWidgetItem(QString::fromStdString(EntryLine(activity))),
          m_activity(std::move(activity)) {}
    const ListedActivity& Activity() const { return m_activity; }

private:
    ListedActivity m_activity;
};

const ListedActivity& ActivityOf(const QListWidgetItem* item) {
    return static_cast<const ActivityItem*>(item)->Activity();
}

}  // namespace

TPast::TPast(AppContext& context, const FontRecord& listFont, QWidget* parent)
    : SelectionListDialog(context, "Vous devez sélectionner au moins une activité.", parent) {
    setObjectName("Past");
    MakeFixedDialog(this, 592, 313);
    BuildControls();
    FormCreate(listFont);
}

void TPast::BuildControls() {
    ListBox->setGeometry(8, 8, 576, 257);
    ListBox->setItemDelegate(new TabStopDelegate(ListBox));
    ListBox->setUniformItemSizes(true);
    SpeedButton1->setGeometry(8, 275, 118, 30);
    SpeedButton2->setGeometry(130, 275, 130, 30);
    DeleteBtn->setGeometry(272, 275, 82, 30);
    FontBtn = Named<QPushButton>("FontBtn", QStringLiteral("Police"), this);
    FontBtn->setGeometry(358, 275, 72, 30);
    PrintBtn = Named<QPushButton>("PrintBtn", QStringLiteral("Imprimer"), this);
    PrintBtn->setGeometry(434, 275, 72, 30);
    OKBtn = Named<QPushButton>("OKBtn", QStringLiteral("OK"), this);
    OKBtn->setGeometry(512, 275, 72, 30);
    OKBtn->setDefault(true);
}

void TPast::FormCreate(const FontRecord& listFont) {
    m_fontRecord = listFont;
    ApplyFont(FontFromRecord(m_fontRecord), ColourFromValue(m_fontRecord.colour));

    connect(FontBtn, &QPushButton::clicked, this, &TPast::FontBtnClick);
    connect(PrintBtn, &QPushButton::clicked, this,
            [this] { Guarded(*m_context.messageBoxes, this, [this] { PrintBtnClick(); }); });
    connect(OKBtn, &QPushButton::clicked, this, &TPast::accept);
    connect(ListBox, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        Guarded(*m_context.messageBoxes, this, [&] { ListBoxDblClick(item); });
    });
}

void TPast::Fill(const QString& title, const std::vector<ListedActivity>& activities) {
    ListBox->clear();
    setWindowTitle(title);
    for (const ListedActivity& activity : activities) {
        ListBox->addItem(new ActivityItem(activity));
    }
}

void TPast::DeleteSelected() {
    // A failure stops the walk; the lines already removed are gone from their
    // files, the others stay listed.
    Guarded(*m_context.messageBoxes, this, [this] { RemoveSelected(); });
    UpdatePrintBtn();
}

void TPast::showEvent(QShowEvent* event) {
    SelectionListDialog::showEvent(event);
    UpdatePrintBtn();
}

void TPast::UpdatePrintBtn() {
    PrintLink* print = m_context.links.print;
    PrintBtn->setEnabled(print && print->PrinterInstalled() && ListBox->count() > 0);
}

void TPast::PrintBtnClick() {
    m_context.links.print->PrintList(this, kListJobTitle, ListFont(), ListColour(), EntryLines(),
                                     SelectedEntryLines());
}

void TPast::RemoveSelected() {
    WaitCursor hourglass;
    std::vector<QListWidgetItem*> items;
    std::vector<ListedActivity> activities;
    for (int row = 0; row < ListBox->count(); ++row) {
        if (QListWidgetItem* item = ListBox->item(row); item->isSelected()) {
            items.push_back(item);
            activities.push_back(ActivityOf(item));
        }
    }
    // One selection signal at the end, not one per removed line.
    QSignalBlocker quiet(ListBox);
    std::span<const ListedActivity> rest(activities);
    for (size_t done = 0; done < activities.size();) {
        size_t removed = RemoveFirstWeekActivities(m_context.dataFolder, rest.subspan(done));
        for (size_t i = done; i < done + removed; ++i) {
            delete items[i];
        }
        done += removed;
    }
}

void TPast::ListBoxDblClick(QListWidgetItem* item) {
    AgendaLink* agenda = m_context.links.agenda;
    std::optional<AgendaPosition> position =
        ActivityPosition(m_context.dataFolder, ActivityOf(item));
    if (!agenda || !position) {
        return;  // the activity is no longer there: the list stays open
    }
    m_openedEntry = true;
    accept();
    QDialog* agendaWindow = agenda->Window();
    if (!agendaWindow->isVisible()) {
        agendaWindow->show();
    }
    agenda->DisplayWeek(position->monday);
    agenda->ShowSlot(SlotRef{position->day, position->row});
}

void TPast::FontBtnClick() {
    QFont font = ListBox->font();
    QColor colour = m_colour;
    if (ChooseFontAndColour(this, font, colour)) {
        m_fontRecord = RecordFromFont(font, colour);
        ApplyFont(font, colour);
    }
}

void TPast::ApplyFont(const QFont& font, const QColor& colour) {
    m_colour = colour;
    ListBox->setFont(font);
    QPalette colours = ListBox->palette();
    colours.setColor(QPalette::Text, colour);
    ListBox->setPalette(colours);
}

QFont TPast::ListFont() const {
    return ListBox->font();
}

QStringList TPast::Lines(bool selectedOnly) const {
    QStringList lines;
    for (int row = 0; row < ListBox->count(); ++row) {
        QListWidgetItem* item = ListBox->item(row);
        if (!selectedOnly || item->isSelected()) {
            lines.append(item->text());
        }
    }
    return lines;
}

QStringList TPast::EntryLines() const {
    return Lines(false);
}

QStringList TPast::SelectedEntryLines() const {
    return Lines(true);
}

}  // namespace brivonce
