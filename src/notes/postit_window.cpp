#include "notes/postit_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "memo/memo_text.h"
#include "platform/desktop.h"
#include "settings/font_qt.h"
#include "text/dates.h"
#include "ui/app_context.h"
#include "ui/clock.h"
#include "ui/cp1252_input.h"
#include "ui/edit_area.h"
#include "ui/edit_text.h"
#include "ui/font_dialog.h"
#include "ui/guarded.h"
#include "ui/message_boxes.h"
#include "ui/named_widget.h"
#include "ui/print_link.h"
#include "ui/qt_dates.h"

namespace brivonce {
namespace {

constexpr const char* kDeleteQuestion = "Voulez-vous supprimer définitivement ce post-it ?";

ScreenSize PrimaryScreenSize() {
    QSize size = QGuiApplication::primaryScreen()->size();
    return {size.width(), size.height()};
}

std::vector<ScreenArea> Screens() {
    std::vector<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        QRect area = screen->geometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return screens;
}

}  // namespace

Tpostit::Tpostit(AppContext& context, int number)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_context(context),
      m_number(number),
      m_autosave(this, *context.messageBoxes, [this] { SaveText(); }) {
    setObjectName("postit");
    BuildControls();
    BuildMenu();
    ConnectMenu();
}

Tpostit::~Tpostit() {
    m_autosave.Cancel();
}

void Tpostit::BuildControls() {
    Toolbar1 = Named<QToolBar>("Toolbar1");
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setStyleSheet("QToolBar { border: 0px; spacing: 0px; }");
    ToolbarButton976 = AddToolbarButton(Toolbar1, "ToolbarButton976", "print", "Imprimer");
    ToolbarButton977 =
        AddToolbarButton(Toolbar1, "ToolbarButton977", "save", "Enregistrer le mémo");
    Memo = Named<QPlainTextEdit>("Memo");
    KeepStorable(Memo, *m_context.messageBoxes);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Toolbar1);
    layout->addWidget(Memo, 1);
}

void Tpostit::BuildMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    QMenu* postit = AddSubmenu(PopupMenu1, "Postit1", "&Post-it");
    QMenu* scrollBars = AddSubmenu(postit, "Ascenseurs1", "A&scenseurs");
    Aucun1 = AddMenuItem(scrollBars, "Aucun1", "&Aucun");
    Vertical1 = AddMenuItem(scrollBars, "Vertical1", "&Vertical");
    Horizontal1 = AddMenuItem(scrollBars, "Horizontal1", "&Horizontal");
    Lesdeux1 = AddMenuItem(scrollBars, "Lesdeux1", "Les &deux");
    postit->addSeparator();
    Insrerdateetheure1 = AddMenuItem(postit, "Insrerdateetheure1", "Insérer &date et heure", "F5");
    Effacer1 = AddMenuItem(postit, "Effacer1", "&Effacer", "Ctrl+E");
    postit->addSeparator();
    Configurationdelimpression1 =
        AddMenuItem(postit, "Configurationdelimpression1", "&Configuration de l'impression...");
    Imprimer1 = AddMenuItem(postit, "Imprimer1", "&Imprimer", "Ctrl+P");
    QMenu* edition = AddSubmenu(PopupMenu1, "Edition1", "&Edition");
    m_edition = AddEditionItems(edition);
    Couper1 = m_edition.couper;
    Copier1 = m_edition.copier;
    Coller1 = m_edition.coller;
    Supprimer1 = m_edition.supprimer;
    Toutslectionner1 = m_edition.toutSelectionner;
    Police = m_edition.police;
    Couleur1 = m_edition.couleur;
    // Without the printing part of the program its commands stay disabled.
    for (QAction* print : {Configurationdelimpression1, Imprimer1}) {
        print->setEnabled(m_context.links.print != nullptr);
    }
    ToolbarButton976->setEnabled(m_context.links.print != nullptr);
    // The keys work wherever the focus is in the note.
    addActions({Insrerdateetheure1, Effacer1, Imprimer1, Couper1, Copier1, Coller1, Supprimer1});
    Memo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Memo->mapToGlobal(at)); });
}

void Tpostit::ConnectMenu() {
    auto on = [this](QAction* action, void (Tpostit::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    QAction* scrollItems[] = {Aucun1, Vertical1, Horizontal1, Lesdeux1};
    for (int choice = 0; choice < 4; ++choice) {
        connect(scrollItems[choice], &QAction::triggered, this,
                [this, choice] { SetScrollBars(choice); });
    }
    on(Insrerdateetheure1, &Tpostit::Insrerdateetheure1Click);
    on(Effacer1, &Tpostit::Effacer1Click);
    ConnectEditCommands(m_edition, Memo);
    on(Police, &Tpostit::PoliceClick);
    on(Couleur1, &Tpostit::Couleur1Click);
    connect(ToolbarButton977, &QToolButton::clicked, this,
            [this] { Guarded([this] { SaveText(); }); });
    connect(ToolbarButton976, &QToolButton::clicked, Imprimer1, &QAction::trigger);
    on(Imprimer1, &Tpostit::ImprimerClick);
    on(Configurationdelimpression1, &Tpostit::Configurationdelimpression1Click);
    connect(Memo, &QPlainTextEdit::textChanged, this, [this] {
        if (m_loaded) {
            m_autosave.Changed();
        }
    });
}

template <typename Handler>
void Tpostit::Guarded(Handler handler) {
    brivonce::Guarded(*m_context.messageBoxes, this, handler);
}

void Tpostit::Load(const IniFile& settingsFile) {
    const std::string& folder = m_context.dataFolder;
    EnsurePostitFolder(folder);
    m_settings = ReadPostitSettings(settingsFile, m_number, PrimaryScreenSize());
    QString text = QString::fromStdString(LoadPostitText(folder, m_number)).replace("\r\n", "\n");
    setWindowTitle(QString("Post-it %1").arg(m_number));
    PostitSettings shown = ShownOnScreens(m_settings, Screens());
    move(shown.x, shown.y);
    resize(shown.w, shown.h);
    m_shownAt = QRect(pos(), size());
    SetScrollBars(m_settings.ascenseurs);
    Memo->setFont(FontFromRecord(m_settings.font));
    ApplyColours();
    Memo->setPlainText(text);
    Memo->setFocus();
    m_loaded = true;
}

QString Tpostit::Text() const {
    return PlainText(Memo);
}

QFont Tpostit::TextFont() const {
    return Memo->font();
}

void Tpostit::ApplyColours() {
    QPalette palette = Memo->palette();
    palette.setColor(QPalette::Text, ColourFromValue(m_settings.font.colour));
    palette.setColor(QPalette::Base, ColourFromValue(m_settings.couleurmemo));
    Memo->setPalette(palette);
}

void Tpostit::SetScrollBars(int choice) {
    brivonce::SetScrollBars(Memo, {Aucun1, Vertical1, Horizontal1, Lesdeux1}, choice);
}

PostitSettings Tpostit::CurrentSettings() const {
    PostitSettings settings = m_settings;
    // A place or size the user has not changed is kept as stored, even
    // where it had to be brought onto the screens to be shown; so is a place
    // the platform cannot tell.
    if (WindowPositionsKnown() && pos() != m_shownAt.topLeft()) {
        settings.x = pos().x();
        settings.y = pos().y();
    }
    if (size() != m_shownAt.size()) {
        settings.w = width();
        settings.h = height();
    }
    settings.ascenseurs = TickedScrollBars({Aucun1, Vertical1, Horizontal1, Lesdeux1});
    settings.font = RecordFromFont(Memo->font(), Qt::black);
    settings.font.colour = m_settings.font.colour;
    return settings;
}

void Tpostit::SaveText() {
    const std::string& folder = m_context.dataFolder;
    EnsurePostitFolder(folder);
    SavePostitText(folder, m_number, PlainText(Memo).toStdString());
    m_autosave.Cancel();
    Memo->document()->setModified(false);
}

void Tpostit::SaveChangedText() {
    if (Memo->document()->isModified() || !PostitTextExists(m_context.dataFolder, m_number)) {
        SaveText();
    }
}

void Tpostit::SavePostit() {
    SaveText();
    SavePostitSettings(m_context.dataFolder, {{m_number, CurrentSettings()}});
}

void Tpostit::closeEvent(QCloseEvent* event) {
    bool close = false;
    Guarded([&] { close = FormClose(); });
    event->setAccepted(close);
}

bool Tpostit::FormClose() {
    auto answer = m_context.messageBoxes->Show(
        this, MessageBoxes::Icon::Question, QStringLiteral("Confirmation"),
        QString::fromUtf8(kDeleteQuestion), QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        SavePostit();
        return false;
    }
    DeletePostit(m_context.dataFolder, m_number);
    m_autosave.Cancel();
    m_deleted = true;
    return true;
}

void Tpostit::Insrerdateetheure1Click() {
    QDateTime now = m_context.clock->Now();
    std::string stamp =
        FormatShortDate(ToYmd(now.date())) + " " + now.time().toString("HH:mm:ss").toStdString();
    std::string text = PlainText(Memo).toStdString();
    AppendAtEnd(Memo, QString::fromStdString(AppendStampLine(text, stamp).substr(text.size())));
}

void Tpostit::ImprimerClick() {
    m_context.links.print->PrintText(PostitJobTitle(m_number), Memo->font(),
                                     Memo->palette().color(QPalette::Text),
                                     LinesOf(PlainText(Memo)));
}

void Tpostit::Configurationdelimpression1Click() {
    m_context.links.print->SetUpPrinter(this);
}

void Tpostit::Effacer1Click() {
    Memo->selectAll();
    Memo->textCursor().removeSelectedText();
}

void Tpostit::PoliceClick() {
    QFont font = Memo->font();
    QColor initial = ColourFromValue(m_settings.font.colour);
    QColor colour = initial;
    if (!ChooseFontAndColour(this, font, colour)) {
        return;
    }
    Memo->setFont(font);
    if (colour != initial) {
        m_settings.font.colour = ValueFromColour(colour);
        ApplyColours();
    }
}

void Tpostit::Couleur1Click() {
    QColor initial = ColourFromValue(m_settings.couleurmemo);
    QColorDialog dialog(initial, this);
    dialog.setObjectName("ColorDialog1");
    if (dialog.exec() == QDialog::Accepted && dialog.currentColor() != initial) {
        m_settings.couleurmemo = ValueFromColour(dialog.currentColor());
        ApplyColours();
    }
}

}  // namespace brivonce
