#include "memo/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "memo/memo_text.h"
#include "memo/missed_alarms_window.h"
#include "memo/snooze_dialog.h"
#include "platform/autostart.h"
#include "platform/desktop.h"
#include "settings/font_qt.h"
#include "settings/ini_file.h"
#include "settings/memo_file.h"
#include "settings/save_all.h"
#include "text/dates.h"
#include "text/error.h"
#include "ui/activity_lists_link.h"
#include "ui/agenda_link.h"
#include "ui/app_context.h"
#include "ui/bring_forward.h"
#include "ui/calendar_import_link.h"
#include "ui/clock.h"
#include "ui/cp1252_input.h"
#include "ui/drop_down.h"
#include "ui/edit_area.h"
#include "ui/edit_text.h"
#include "ui/font_dialog.h"
#include "ui/guarded.h"
#include "ui/help.h"
#include "ui/message_boxes.h"
#include "ui/named_widget.h"
#include "ui/no_tray_notice.h"
#include "ui/notes_link.h"
#include "ui/print_link.h"
#include "ui/qt_dates.h"
#include "ui/walk_guard.h"
#include "ui/window_watch.h"

namespace brivonce {
namespace {

constexpr ColourValue kHourBoxColour = 11919038;  // red 190, green 222, blue 181

ScreenSize PrimaryScreenSize() {
    QSize size = QGuiApplication::primaryScreen()->size();
    return {size.width(), size.height()};
}

QAction* AddTick(QMenu* menu, const char* name, const char* caption) {
    QAction* action = AddMenuItem(menu, name, caption);
    action->setCheckable(true);
    return action;
}

// Memo text uses CR LF in the file and "\n" in the edit area.
QString ToEditText(const std::string& fileText) {
    return QString::fromStdString(fileText).replace("\r\n", "\n");
}

// Every action of a menu and its submenus, in menu order.
void CollectActions(const QMenu* menu, QList<QAction*>& actions) {
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            CollectActions(action->menu(), actions);
        } else if (!action->isSeparator()) {
            actions.append(action);
        }
    }
}

}  // namespace

TMainForm::TMainForm(AppContext& context)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_context(context),
      m_dataFolder(context.dataFolder),
      m_autosave(this, *context.messageBoxes,
                 [this] { SaveMemoText(m_dataFolder, PlainText(Memo).toStdString()); }) {
    setObjectName("MainForm");
    setWindowTitle(kTitle);
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, Qt::white);
    QToolTip::setPalette(tips);
    // Every setting is read now, so that a save before the first showing
    // writes back what the file held, never values that were not loaded.
    m_settings = LoadSettings(IniFile(m_dataFolder + "brivonce.ini"), PrimaryScreenSize());
    m_alarm = new AlarmEngine(m_context, *this, this);
    BuildMenu();
    ConnectMenu();
    ApplySettings();
}

void TMainForm::setVisible(bool visible) {
    if (visible) {
        EnsureControls();
    }
    QWidget::setVisible(visible);
}

// The toolbar, the memo and the hour box are built at the first showing, or
// by the first command that needs them: a start in the tray does not pay for
// them. Until then the memo is not loaded, so the edit commands have nothing
// to act on.
void TMainForm::EnsureControls() {
    if (Memo) {
        return;
    }
    BuildControls();
    BuildToolbar();
    ConnectEditCommands(m_edition, Memo);
    Memo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Memo->mapToGlobal(at)); });
    ApplyControlSettings();
}

// Everything but the window's place and its controls is applied now, not at
// the first showing: alarms must ring while the program sits in the tray, and
// a tick changed from the tray menu before the window was ever shown is what
// the next save keeps.
void TMainForm::ApplySettings() {
    Toujoursvisible1->setChecked(m_settings.options.visible);
    setWindowFlag(Qt::WindowStaysOnTopHint, m_settings.options.visible);
    ShowOnStart->setChecked(m_settings.config.showOnStart);
    winstart->setChecked(m_settings.config.winStart);
    Alarmesonore1->setChecked(m_settings.options.alarme);
    m_alarm->SetAlarmOn(m_settings.options.alarme);
    SetScrollBars(m_settings.options.ascenseurs);
    SetNameDayMode(m_settings.options.fas);
    m_textColour = m_settings.police.colour;
    m_backgroundColour = m_settings.options.couleur;
}

// The memo's font and colours as read at construction, and its scroll bars
// as ticked now.
void TMainForm::ApplyControlSettings() {
    brivonce::SetScrollBars(Memo, {Aucun1, Vertical1, Horizontal1, Lesdeux1},
                            m_settings.options.ascenseurs);
    Memo->setFont(MemoFont(FontFromRecord(m_settings.police)));
    SetMemoColours(ColourFromValue(m_textColour), ColourFromValue(m_backgroundColour));
    connect(Memo, &QPlainTextEdit::textChanged, this, [this] {
        if (m_memoLoaded) {
            m_autosave.Changed();
        }
    });
}

void TMainForm::BuildControls() {
    Toolbar971 = Named<QToolBar>("Toolbar971");
    Toolbar971->setMovable(false);
    Toolbar971->setIconSize(QSize(16, 16));
    Toolbar971->setStyleSheet("QToolBar { border: 0px; spacing: 0px; }");
    Memo = Named<QPlainTextEdit>("Memo");
    Memo->setFont(FontFromRecord(FontRecord{}));
    SetMemoColours(Qt::black, ColourFromValue(kTooltipBackground));
    Memo->installEventFilter(this);
    KeepStorable(Memo, *m_context.messageBoxes);
    connect(Memo->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { WatchLongLines(position, added); });
    ComboBox = Named<QComboBox>("ComboBox");
    // Flat, in its own colour, whatever the style would draw.
    ComboBox->setStyleSheet(QString("QComboBox { background: %1; border: 1px solid gray; }")
                                .arg(ColourFromValue(kHourBoxColour).name()));
    LimitDropDown(ComboBox, 4);
    ComboBox->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Toolbar971);
    layout->addWidget(Memo, 1);
    layout->addWidget(ComboBox);
}

void TMainForm::BuildMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    QMenu* brivonce = AddSubmenu(PopupMenu1, "Postit1", "&Brivonce");
    winstart = AddTick(brivonce, "winstart", "&Démarrer avec la session");
    ShowOnStart = AddTick(brivonce, "ShowOnStart", "&Montrer au démarrage");
    Toujoursvisible1 = AddTick(brivonce, "Toujoursvisible1", "&Toujours visible");
    Toujoursvisible1->setVisible(false);
    Alarmesonore1 = AddTick(brivonce, "Alarmesonore1", "&Alarme sonore");
    Sonassociauxalarmes1 =
        AddMenuItem(brivonce, "Sonassociauxalarmes1", "S&on associé aux alarmes...");
    AddAdvanceMenu(brivonce);
    QMenu* scrollBars = AddSubmenu(brivonce, "Ascenseurs1", "A&scenseurs");
    Aucun1 = AddTick(scrollBars, "Aucun1", "&Aucun");
    Vertical1 = AddTick(scrollBars, "Vertical1", "&Vertical");
    Horizontal1 = AddTick(scrollBars, "Horizontal1", "&Horizontal");
    Lesdeux1 = AddTick(scrollBars, "Lesdeux1", "Les &deux");
    QMenu* nameDays = AddSubmenu(brivonce, "Ftessouhaiter1", "&Fêtes à souhaiter");
    Aucune1 = AddTick(nameDays, "Aucune1", "&Aucune");
    Jourcourant1 = AddTick(nameDays, "Jourcourant1", "&Jour courant");
    Toutes1 = AddTick(nameDays, "Toutes1", "&Toutes");
    brivonce->addSeparator();
    Insrerdateetheure1 =
        AddMenuItem(brivonce, "Insrerdateetheure1", "Insérer &date et heure", "F5");
    Effacer1 = AddMenuItem(brivonce, "Effacer1", "&Effacer", "Ctrl+E");
    brivonce->addSeparator();
    Configurationdelimpression1 =
        AddMenuItem(brivonce, "Configurationdelimpression1", "&Configuration de l'impression...");
    Imprimer1 = AddMenuItem(brivonce, "Imprimer1", "&Imprimer", "Ctrl+P");
    brivonce->addSeparator();
    Quitter1 = AddMenuItem(brivonce, "Quitter1", "&Quitter", "Alt+X");
    Quitter1->setStatusTip("Quitter l'application");
    Calendrier1 = AddMenuItem(PopupMenu1, "Calendrier1", "&Calendrier...", "F12");
    QMenu* edition = AddSubmenu(PopupMenu1, "Edition1", "&Edition");
    m_edition = AddEditionItems(edition);
    Couper1 = m_edition.couper;
    Copier1 = m_edition.copier;
    Coller1 = m_edition.coller;
    Supprimer1 = m_edition.supprimer;
    Toutslectionner1 = m_edition.toutSelectionner;
    Police = m_edition.police;
    Couleur1 = m_edition.couleur;
    edition->addSeparator();
    Rendezvous1 = AddMenuItem(edition, "Rendezvous1", "&Agenda...", "Ctrl+A");
    Courses1 = AddMenuItem(edition, "Courses1", "Co&urses...", "Ctrl+K");
    Listedesactivitspasses1 = AddMenuItem(edition, "Listedesactivitspasses1",
                                          "&Liste des activités passées...", "Ctrl+L");
    Listedetouteslesactivits1 = AddMenuItem(edition, "Listedetouteslesactivits1",
                                            "Liste de &toutes les activités...", "Ctrl+T");
    Importeruncalendrier1 =
        AddMenuItem(edition, "Importeruncalendrier1", "&Importer un calendrier…");
    QMenu* help = AddSubmenu(PopupMenu1, "N7", "&?");
    Aide1 = AddMenuItem(help, "Aide1", "&Aide...");
    Apropos1 = AddMenuItem(help, "Apropos1", "A &propos...");
    Connexionausitewebdelauteur1 =
        AddMenuItem(help, "Connexionausitewebdelauteur1", "&Connexion au site web de l'auteur...");
    PopupMenu1->addSeparator();
    // Ctrl+X also stands here; pressing it cuts, as "&Couper" comes first.
    Quitter2 = AddMenuItem(PopupMenu1, "Quitter2", "&Quitter", "Ctrl+X");
    // Shown in the menu; the memo window dispatches the keys itself, so that
    // the menu opened from the tray makes no shortcut of the whole program.
    QList<QAction*> items;
    CollectActions(PopupMenu1, items);
    for (QAction* item : items) {
        item->setShortcutContext(Qt::WidgetShortcut);
    }
}

void TMainForm::BuildToolbar() {
    auto add = [this](const char* name, const char* icon, const char* hint, QAction* command) {
        QToolButton* button = AddToolbarButton(Toolbar971, name, icon, hint);
        if (command) {
            connect(button, &QToolButton::clicked, command, &QAction::trigger);
            button->setEnabled(command->isEnabled());
            connect(command, &QAction::enabledChanged, button, &QToolButton::setEnabled);
        }
        return button;
    };
    NewBtn = add("NewBtn", "new_postit", "Nouveau Post-it", nullptr);
    connect(NewBtn, &QToolButton::clicked, this, &TMainForm::NewBtnClick);
    ToolbarButton972 = add("ToolbarButton972", "agenda", "Agenda", Rendezvous1);
    ToolbarButton971 = add("ToolbarButton971", "calendar", "Calendrier", Calendrier1);
    ToolbarButton973 = add("ToolbarButton973", "shopping", "Courses", Courses1);
    ToolbarButton974 =
        add("ToolbarButton974", "past", "Activités passées", Listedesactivitspasses1);
    ToolbarButton975 =
        add("ToolbarButton975", "all", "Toutes les activités", Listedetouteslesactivits1);
    ToolbarButton976 = add("ToolbarButton976", "print", "Imprimer", Imprimer1);
    ToolbarButton977 = add("ToolbarButton977", "save", "Enregistrer le mémo", nullptr);
    connect(ToolbarButton977, &QToolButton::clicked, this, &TMainForm::ToolbarButton977Click);
}

void TMainForm::ConnectMenu() {
    // Every item goes through the walk guard: the tray menu may reach it
    // during a walk, over D-Bus, where no modal window stops it.
    auto on = [this](QAction* action, auto handler) {
        ConnectCommand(action, this, [this, handler] {
            Guarded([&] {
                if constexpr (std::is_member_function_pointer_v<decltype(handler)>) {
                    (this->*handler)();
                } else {
                    handler();
                }
            });
            PopupMenu1Popup();  // the window it opened may have closed again
        });
    };
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TMainForm::PopupMenu1Popup);
    // The toolbar and the keys follow the items: their state must follow the
    // windows at every moment, not only when a menu opens.
    new WindowWatch(this, [this] { PopupMenu1Popup(); });
    on(winstart, &TMainForm::winstartClick);
    on(ShowOnStart, [] {});  // its tick is all it does, read at the next save
    on(Alarmesonore1, [this] { m_alarm->SetAlarmOn(Alarmesonore1->isChecked()); });
    on(Sonassociauxalarmes1, &TMainForm::Sonassociauxalarmes1Click);
    on(Toujoursvisible1,
       [this] { setWindowFlag(Qt::WindowStaysOnTopHint, Toujoursvisible1->isChecked()); });
    QAction* scrollItems[] = {Aucun1, Vertical1, Horizontal1, Lesdeux1};
    for (int choice = 0; choice < 4; ++choice) {
        on(scrollItems[choice], [this, choice] { SetScrollBars(choice); });
    }
    QAction* nameDayItems[] = {Aucune1, Jourcourant1, Toutes1};
    for (int mode = 0; mode < 3; ++mode) {
        on(nameDayItems[mode], [this, mode] { SetNameDayMode(mode); });
    }
    on(Insrerdateetheure1, &TMainForm::Insrerdateetheure1Click);
    on(Effacer1, &TMainForm::Effacer1Click);
    on(Police, &TMainForm::PoliceClick);
    on(Rendezvous1, &TMainForm::Rendezvous1Click);
    on(Calendrier1, &TMainForm::Calendrier1Click);
    on(Courses1, &TMainForm::Courses1Click);
    on(Listedesactivitspasses1, &TMainForm::Listedesactivitspasses1Click);
    on(Listedetouteslesactivits1, &TMainForm::Listedetouteslesactivits1Click);
    on(Importeruncalendrier1, &TMainForm::Importeruncalendrier1Click);
    on(Couleur1, &TMainForm::Couleur1Click);
    on(Imprimer1, &TMainForm::ImprimerClick);
    on(Configurationdelimpression1, &TMainForm::Configurationdelimpression1Click);
    on(Quitter1, [this] { emit QuitRequested(); });
    on(Quitter2, [this] { emit QuitRequested(); });
    on(Aide1, &TMainForm::AideClick);
    on(Apropos1, &TMainForm::AboutClick);
    on(Connexionausitewebdelauteur1, &TMainForm::Connexionausitewebdelauteur1Click);
}

template <typename Handler>
void TMainForm::Guarded(Handler handler) {
    brivonce::Guarded(*m_context.messageBoxes, this, handler);
}

bool TMainForm::ShowOnStartTicked() const {
    return ShowOnStart->isChecked();
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The toolbar follows the menu; a part of the program that is not there
    // leaves its commands disabled.
    PopupMenu1Popup();
    if (m_firstShowing) {
        Guarded([this] { FormShow(); });
    }
}

void TMainForm::FormShow() {
    // The windows the commands open were created after this one: the commands
    // follow them from now on, not only once the menu has been opened.
    PopupMenu1Popup();
    PlaceWindow();
    // A refused autostart entry is reported but must not keep the program
    // from starting.
    Guarded([this] { ApplyWinStart(); });
    LoadMemo();
    ShowPastActivitiesAtStart();
    m_alarm->RefreshToday();
    Memo->setFocus();
    m_firstShowing = false;
    if (m_context.links.notes) {
        m_context.links.notes->RecreatePostits();
    }
}

// The client rectangle is both what is saved and what is restored, so the
// window does not creep by its frame at every start; it is brought back onto
// the screen when the saved place is off it.
void TMainForm::PlaceWindow() {
    const MainWindowPlacement& saved = m_settings.mainW;
    m_normalPlace = saved;
    m_placed = true;
    if (saved.maxi) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    setGeometry(saved.x, saved.y, saved.w, saved.h);
    KeepOnScreen();
    // The window manager tells the frame's size only once it has framed the
    // window: checked again then, so that the title bar stays in reach.
    m_frameUnchecked = FrameMargins().isNull();
}

void TMainForm::KeepOnScreen() {
    QRect area = screen()->availableGeometry();
    QMargins frame = FrameMargins();
    ScreenArea inside{area.x() + frame.left(), area.y() + frame.top(),
                      area.width() - frame.left() - frame.right(),
                      area.height() - frame.top() - frame.bottom()};
    QRect client = geometry();
    MainWindowPlacement fitted =
        FitInside({client.x(), client.y(), client.width(), client.height()}, inside);
    QRect shown(fitted.x, fitted.y, fitted.w, fitted.h);
    if (shown != client) {
        setGeometry(shown);
    }
}

QMargins TMainForm::FrameMargins() const {
    QRect outer = frameGeometry();
    QRect inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void TMainForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (m_frameUnchecked && !FrameMargins().isNull()) {
        m_frameUnchecked = false;
        KeepOnScreen();
    }
    RememberNormalPlace();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RememberNormalPlace();
}

// What a save writes for the window: its last place while it was neither
// maximised nor minimised.
void TMainForm::RememberNormalPlace() {
    if (m_placed && isVisible() && !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))) {
        QRect client = geometry();
        m_normalPlace = {client.x(), client.y(), client.width(), client.height(), false};
    }
}

void TMainForm::ShowPastActivitiesAtStart() {
    ActivityListsLink* lists = m_context.links.activityLists;
    if (!lists) {
        return;
    }
    // The list must not open behind a memo window that stays on top.
    bool onTop = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (onTop) {
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
        show();
    }
    lists->ShowList(ActivityList::kPast, true);
    if (onTop) {
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        show();
    }
}

void TMainForm::LoadMemo() {
    std::string text = LoadMemoText(m_dataFolder);
    if (LongestUnbrokenRun(text) > kLongRun) {
        UseFastLayout();  // before the text is laid out
    }
    Memo->setPlainText(ToEditText(text));
    m_memoLoaded = true;
}

void TMainForm::WatchLongLines(int position, int added) {
    if (static_cast<std::size_t>(added) <= kLongRun || m_fastLayout) {
        return;
    }
    QTextCursor inserted(Memo->document());
    inserted.setPosition(position);
    inserted.setPosition(position + added, QTextCursor::KeepAnchor);
    if (LongestUnbrokenRun(inserted.selectedText().toStdString()) > kLongRun) {
        UseFastLayout();
    }
}

// A line with no place to break it (no space, no hyphen) costs Qt's word
// wrapping a time that grows with the square of its length: a few megabytes
// would freeze the program for minutes. Such a memo wraps anywhere instead.
void TMainForm::UseFastLayout() {
    m_fastLayout = true;
    Memo->setWordWrapMode(QTextOption::WrapAnywhere);
    Memo->setFont(MemoFont(Memo->font()));
}

QFont TMainForm::MemoFont(QFont font) const {
    if (m_fastLayout) {
        font.setStyleStrategy(QFont::PreferNoShaping);
    }
    return font;
}

void TMainForm::SetMemoColours(const QColor& text, const QColor& background) {
    QPalette palette = Memo->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, background);
    Memo->setPalette(palette);
}

void TMainForm::SetScrollBars(int choice) {
    brivonce::SetScrollBars(Memo, {Aucun1, Vertical1, Horizontal1, Lesdeux1}, choice);

    if (choice >= 0 && choice <= 3) {
        m_settings.options.ascenseurs = choice;
    }
}

void TMainForm::SetNameDayMode(int mode) {
    QAction* items[] = {Aucune1, Jourcourant1, Toutes1};
    for (int i = 0; i < 3; ++i) {
        items[i]->setChecked(i == mode);
    }
    m_settings.options.fas = mode;
    m_nameDayMode = mode >= 0 && mode <= 2 ? static_cast<NameDayMode>(mode) : NameDayMode::kNone;
    if (AgendaLink* agenda = m_context.links.agenda) {
        agenda->SetNameDayMode(m_nameDayMode);
    }
    RefreshCaption();
}

void TMainForm::RefreshCaption() {
    QDate today = m_context.clock->Now().date();
    QString caption = QLocale().toString(today, "ddd dd.MM.yy");
    if (m_nameDayMode != NameDayMode::kNone) {
        auto date = ToYmd(today);
        caption += " - " + QString::fromUtf8(DayNames(date, m_nameDayMode, date).text);
    }
    setWindowTitle(caption);
}

Settings TMainForm::CurrentSettings() const {
    Settings settings = m_settings;
    const AppLinks& links = m_context.links;
    if (links.agenda) {
        settings.options.heureDeDebut = links.agenda->StartHourIndex();
    }
    if (links.activityLists) {
        settings.policePast = links.activityLists->ListFont();
    }
    if (links.print) {
        settings.config.imprime = links.print->PrintSizeValue();
    }
    settings.config.showOnStart = ShowOnStart->isChecked();
    settings.config.winStart = winstart->isChecked();
    settings.options.visible = Toujoursvisible1->isChecked();
    settings.options.alarme = Alarmesonore1->isChecked();
    if (m_placed) {  // until then the window was never placed: keep what was read
        settings.mainW = m_normalPlace;
        settings.mainW.maxi = isMaximized();
        if (!WindowPositionsKnown()) {
            settings.mainW.x = m_settings.mainW.x;
            settings.mainW.y = m_settings.mainW.y;
        }
    }
    settings.options.couleur = m_backgroundColour;
    // Until the memo is built, the font it would have: the one read, filled
    // in from the window's.
    QFont memoFont = Memo ? Memo->font() : FontFromRecord(m_settings.police).resolve(font());
    settings.police = RecordFromFont(memoFont, ColourFromValue(m_textColour));
    settings.police.colour = m_textColour;
    return settings;
}

void TMainForm::SaveAll() {
    AgendaLink* agenda = m_context.links.agenda;
    if (agenda && agenda->IsVisible()) {
        agenda->SaveDisplayedWeek();  // a quit or logout while it is open keeps its week
    }
    SaveAllInput input;
    input.settings = CurrentSettings();
    if (m_memoLoaded) {
        input.memoText = PlainText(Memo).toStdString();
    }
    if (NotesLink* notes = m_context.links.notes) {
        input.saveShoppingList = [notes] { notes->SaveShoppingList(); };
    }
    brivonce::SaveAll(m_dataFolder, input);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    Guarded([this] { SaveAll(); });
    if (m_context.trayAvailable && m_context.trayAvailable()) {
        event->accept();  // hidden; the program stays in the tray
    } else {
        // Without a tray icon a hidden window could never come back.
        event->ignore();
        TellOnceThatNoTrayWasFound(m_context, this);
        showMinimized();
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    bool isKey = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!isKey) {
        return QWidget::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    bool dispatch = event->type() == QEvent::KeyPress;
    if (watched == Memo) {
        return MemoShortcut(key, dispatch) || QWidget::eventFilter(watched, event);
    }
    if (watched == ComboBox && dispatch) {
        return ComboBoxKeyDown(key) || QWidget::eventFilter(watched, event);
    }
    return QWidget::eventFilter(watched, event);
}

// The menu's shortcuts while the memo has the focus: the first item carrying
// the keys wins, and they go before the edit area's own keys (Ctrl+A opens
// the agenda rather than selecting all).
bool TMainForm::MemoShortcut(QKeyEvent* key, bool dispatch) {
    QKeySequence pressed(key->keyCombination());
    QList<QAction*> actions;
    CollectActions(PopupMenu1, actions);
    for (QAction* action : actions) {
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
            key->accept();
            if (dispatch && action->isEnabled()) {
                action->trigger();
            }
            return true;
        }
    }
    return false;
}

// Only Ctrl alone with A, L, T or K: the hour box's own copies of four
// commands, since menu shortcuts do not reach the menu from here.
bool TMainForm::ComboBoxKeyDown(QKeyEvent* key) {
    if (key->modifiers() != Qt::ControlModifier) {
        return false;
    }
    const std::pair<int, QAction*> commands[] = {{Qt::Key_A, Rendezvous1},
                                                 {Qt::Key_L, Listedesactivitspasses1},
                                                 {Qt::Key_T, Listedetouteslesactivits1},
                                                 {Qt::Key_K, Courses1}};
    for (const auto& [code, action] : commands) {
        if (key->key() == code) {
            if (action->isEnabled()) {
                action->trigger();
            }
            return true;
        }
    }
    return false;
}

// Before the controls exist there is nothing to fill: the first showing
// refreshes the hour box.
void TMainForm::SetHourItems(const QStringList& items, int selected) {
    if (!ComboBox) {
        return;
    }
    ComboBox->clear();
    ComboBox->addItems(items);
    ComboBox->setCurrentIndex(selected);
}

void TMainForm::BringToFront() {
    BringForward(this);
}

void TMainForm::FocusMemo() {
    if (Memo) {
        Memo->setFocus();
    }
}

// "Prévenir a&vant": one tick among the advance warnings, taking effect at once.
void TMainForm::AddAdvanceMenu(QMenu* menu) {
    const std::pair<const char*, const char*> names[] = {{"Alheure1", "À l'&heure"},
                                                         {"Avant5min1", "5 min avant"},
                                                         {"Avant15min1", "15 min avant"},
                                                         {"Avant30min1", "30 min avant"},
                                                         {"Avant1h1", "1 h avant"}};
    QMenu* advance = AddSubmenu(menu, "Prevenir1", "Prévenir a&vant");
    for (size_t i = 0; i < kAdvanceChoices.size(); ++i) {
        AddTick(advance, names[i].first, names[i].second);
    }
    auto tick = [advance](int minutes) {
        for (size_t i = 0; i < kAdvanceChoices.size(); ++i) {
            advance->actions()[i]->setChecked(kAdvanceChoices[i] == minutes);
        }
    };
    tick(m_alarm->Advance());
    for (size_t i = 0; i < kAdvanceChoices.size(); ++i) {
        ConnectCommand(advance->actions()[i], this, [this, tick, i] {
            tick(kAdvanceChoices[i]);
            m_alarm->SetAdvance(kAdvanceChoices[i]);
        });
    }
}

void TMainForm::ShowMissed(const QStringList& entries) {
    if (!m_missedAlarms) {
        m_missedAlarms = new TMissedAlarms(this);
    }
    m_missedAlarms->ShowEntries(entries);
}

std::optional<int> TMainForm::AskSnoozeMinutes(int lastChoice) {
    return brivonce::AskSnoozeMinutes(lastChoice);
}

void TMainForm::ApplyWinStart() {
    if (winstart->isChecked()) {
        m_context.autostart->Enable(m_context.programPath, m_context.startArguments);
    } else {
        m_context.autostart->Disable();
    }
}

void TMainForm::winstartClick() {
    ApplyWinStart();
}

void TMainForm::Sonassociauxalarmes1Click() {
    m_soundDialogOpen = true;
    QFileDialog dialog(this, QString::fromUtf8("Choix d'un fichier son"), QString(),
                       "Sons (*.wav)");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("wav");
    dialog.setOption(QFileDialog::ReadOnly, false);
    bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    m_soundDialogOpen = false;
    if (chosen) {
        m_alarm->ChooseSound(dialog.selectedFiles().first());
    }
}

void TMainForm::PopupMenu1Popup() {
    const AppLinks& links = m_context.links;
    Sonassociauxalarmes1->setEnabled(!m_soundDialogOpen);
    Apropos1->setEnabled(!(links.aboutBox && links.aboutBox->IsVisible()));
    Police->setEnabled(!m_fontDialogOpen);
    Rendezvous1->setEnabled(!(links.agenda && links.agenda->IsVisible()));
    Calendrier1->setEnabled(!(links.agenda && links.agenda->DatePickerVisible()));
    Couleur1->setEnabled(!m_colourDialogOpen);
    bool lists = links.activityLists && !links.activityLists->ListWindowVisible();
    Listedesactivitspasses1->setEnabled(lists);
    Listedetouteslesactivits1->setEnabled(lists);
    Courses1->setEnabled(links.notes && !links.notes->ShoppingListVisible());
    Importeruncalendrier1->setEnabled(links.calendarImport && !links.calendarImport->ImportOpen());
    Imprimer1->setEnabled(links.print != nullptr);
    Configurationdelimpression1->setEnabled(links.print && !links.print->PrinterSetupOpen());
    if (NewBtn) {
        NewBtn->setEnabled(links.notes != nullptr);
    }
}

void TMainForm::Rendezvous1Click() {
    AgendaLink* agenda = m_context.links.agenda;
    agenda->DisplayWeek(agenda->DisplayedMonday());
    agenda->Window()->exec();
    m_alarm->RefreshToday();
    if (isVisible()) {
        Memo->setFocus();
    }
}

void TMainForm::Calendrier1Click() {
    m_context.links.agenda->PickDate(ToYmd(m_context.clock->Now().date()));
}

void TMainForm::Courses1Click() {
    m_context.links.notes->ShowShoppingList();
}

void TMainForm::NewBtnClick() {
    if (WalkGuard::BlocksCommand()) {
        return;
    }
    Guarded([this] { m_context.links.notes->NewPostit(); });
}

void TMainForm::Listedesactivitspasses1Click() {
    ShowActivityList(ActivityList::kPast);
}

void TMainForm::Listedetouteslesactivits1Click() {
    ShowActivityList(ActivityList::kAll);
}

void TMainForm::ShowActivityList(ActivityList kind) {
    if (m_context.links.activityLists->ShowList(kind, false).shown) {
        m_alarm->RefreshToday();
    }
}

void TMainForm::Importeruncalendrier1Click() {
    m_context.links.calendarImport->ImportCalendar(this);
    m_alarm->RefreshToday();  // today may have gained activities
}

void TMainForm::Insrerdateetheure1Click() {
    EnsureControls();
    QDateTime now = m_context.clock->Now();
    QTime time = now.time();
    std::string stamp = DateTimeStamp(FormatShortDate(ToYmd(now.date())), time.hour(),
                                      time.minute(), time.second());
    std::string memo = PlainText(Memo).toStdString();
    AppendAtEnd(Memo, QString::fromStdString(AppendStampLine(memo, stamp).substr(memo.size())));
}

void TMainForm::Effacer1Click() {
    EnsureControls();
    Memo->selectAll();
    Memo->textCursor().removeSelectedText();
}

void TMainForm::PoliceClick() {
    EnsureControls();
    m_fontDialogOpen = true;
    QFont font = Memo->font();
    QColor colour = ColourFromValue(m_textColour);
    bool ok = ChooseFontAndColour(this, font, colour);
    m_fontDialogOpen = false;
    if (ok) {
        m_textColour = KeptColourValue(m_textColour, colour);
        Memo->setFont(MemoFont(font));
        SetMemoColours(colour, ColourFromValue(m_backgroundColour));
    }
}

void TMainForm::Couleur1Click() {
    EnsureControls();
    m_colourDialogOpen = true;
    QColor colour = QColorDialog::getColor(ColourFromValue(m_backgroundColour), this);
    m_colourDialogOpen = false;
    if (colour.isValid()) {
        m_backgroundColour = KeptColourValue(m_backgroundColour, colour);
        SetMemoColours(ColourFromValue(m_textColour), colour);
    }
}

void TMainForm::ImprimerClick() {
    EnsureControls();
    m_context.links.print->PrintText(kMemoJobTitle, Memo->font(),
                                     Memo->palette().color(QPalette::Text),
                                     LinesOf(PlainText(Memo)));
}

void TMainForm::Configurationdelimpression1Click() {
    m_context.links.print->SetUpPrinter(this);
}

void TMainForm::ToolbarButton977Click() {
    if (WalkGuard::BlocksCommand()) {
        return;
    }
    Guarded([this] {
        if (!m_memoLoaded) {
            // The file could not be read: writing the window over it would
            // lose what it holds. Say again why.
            throw Error(FormatMessage(kCannotOpen, m_dataFolder + std::string(kMemoFileName)));
        }
        SaveMemoText(m_dataFolder, PlainText(Memo).toStdString());
    });
}

void TMainForm::AideClick() {
    OpenHelp(*m_context.desktop);
}

void TMainForm::AboutClick() {
    m_context.links.aboutBox->Get()->exec();
}

void TMainForm::Connexionausitewebdelauteur1Click() {
    OpenAuthorPage(*m_context.desktop);
}

}  // namespace brivonce
