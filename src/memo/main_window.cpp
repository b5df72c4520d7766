#include "memo/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include "app/about_dialog.h"
#include "app/app_context.h"
#include "app/message_boxes.h"
#include "app/named_widget.h"
#include "platform/desktop.h"
#include "settings/ini_file.h"
#include "settings/memo_file.h"
#include "settings/save_all.h"
#include "text/error.h"

namespace brivonce {
namespace {

ScreenSize PrimaryScreenSize() {
    QSize size = QGuiApplication::primaryScreen()->size();
    return {size.width(), size.height()};
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption, const char* shortcut = "") {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    if (*shortcut) {
        action->setShortcut(QKeySequence(shortcut));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    return action;
}

QAction* AddTick(QMenu* menu, const char* name, const char* caption) {
    QAction* action = AddItem(menu, name, caption);
    action->setCheckable(true);
    return action;
}

QMenu* AddSubmenu(QMenu* menu, const char* name, const char* caption) {
    QMenu* submenu = menu->addMenu(QString::fromUtf8(caption));
    submenu->setObjectName(name);
    submenu->menuAction()->setObjectName(name);
    return submenu;
}

// Memo text uses CR LF in the file and "\n" in the edit area.
QString ToEditText(const std::string& fileText) {
    return QString::fromStdString(fileText).replace("\r\n", "\n");
}

}  // namespace

TMainForm::TMainForm(AppContext& context)
    : QWidget(nullptr, Qt::Tool | Qt::WindowCloseButtonHint | Qt::WindowTitleHint),
      m_context(context),
      m_dataFolder(context.dataFolder) {
    setObjectName("MainForm");
    setWindowTitle(kTitle);
    // Every setting is read now, so that a save before the first showing
    // writes back what the file held, never values that were not loaded.
    m_settings = LoadSettings(IniFile(m_dataFolder + "brivonce.ini"), PrimaryScreenSize());

    Memo = Named<QPlainTextEdit>("Memo");
    ComboBox = Named<QComboBox>("ComboBox");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Memo, 1);
    layout->addWidget(ComboBox);

    BuildMenu();
    Toujoursvisible1->setChecked(m_settings.options.visible);
    ShowOnStart->setChecked(m_settings.config.showOnStart);
    setWindowFlag(Qt::WindowStaysOnTopHint, m_settings.options.visible);
}

void TMainForm::BuildMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    QMenu* brivonce = AddSubmenu(PopupMenu1, "Postit1", "&Brivonce");
    winstart = AddTick(brivonce, "winstart", "&Démarrer avec Windows");
    ShowOnStart = AddTick(brivonce, "ShowOnStart", "&Montrer au démarrage");
    Toujoursvisible1 = AddTick(brivonce, "Toujoursvisible1", "&Toujours visible");
    Toujoursvisible1->setVisible(false);
    Alarmesonore1 = AddTick(brivonce, "Alarmesonore1", "&Alarme sonore");
    Sonassociauxalarmes1 = AddItem(brivonce, "Sonassociauxalarmes1", "S&on associé aux alarmes...");
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
    Insrerdateetheure1 = AddItem(brivonce, "Insrerdateetheure1", "Insérer &date et heure", "F5");
    Effacer1 = AddItem(brivonce, "Effacer1", "&Effacer", "Ctrl+E");
    brivonce->addSeparator();
    Configurationdelimpression1 =
        AddItem(brivonce, "Configurationdelimpression1", "&Configuration de l'impression...");
    Imprimer1 = AddItem(brivonce, "Imprimer1", "&Imprimer", "Ctrl+P");
    brivonce->addSeparator();
    Quitter1 = AddItem(brivonce, "Quitter1", "&Quitter", "Alt+X");
    Quitter1->setStatusTip("Quitter l'application");
    Calendrier1 = AddItem(PopupMenu1, "Calendrier1", "&Calendrier...", "F12");
    QMenu* edition = AddSubmenu(PopupMenu1, "Edition1", "&Edition");
    Couper1 = AddItem(edition, "Couper1", "&Couper", "Ctrl+X");
    Copier1 = AddItem(edition, "Copier1", "Co&pier", "Ctrl+C");
    Coller1 = AddItem(edition, "Coller1", "C&oller", "Ctrl+V");
    Supprimer1 = AddItem(edition, "Supprimer1", "&Supprimer", "Ctrl+D");
    edition->addSeparator();
    Toutslectionner1 = AddItem(edition, "Toutslectionner1", "&Tout sélectionner");
    edition->addSeparator();
    Police = AddItem(edition, "Police", "P&olice...");
    Couleur1 = AddItem(edition, "Couleur1", "Coule&ur...");
    edition->addSeparator();
    Rendezvous1 = AddItem(edition, "Rendezvous1", "&Agenda...", "Ctrl+A");
    Courses1 = AddItem(edition, "Courses1", "Co&urses...", "Ctrl+K");
    Listedesactivitspasses1 =
        AddItem(edition, "Listedesactivitspasses1", "&Liste des activités passées...", "Ctrl+L");
    Listedetouteslesactivits1 = AddItem(edition, "Listedetouteslesactivits1",
                                        "Liste de &toutes les activités...", "Ctrl+T");
    QMenu* help = AddSubmenu(PopupMenu1, "N7", "&?");
    Aide1 = AddItem(help, "Aide1", "&Aide...");
    Apropos1 = AddItem(help, "Apropos1", "A &propos...");
    Connexionausitewebdelauteur1 =
        AddItem(help, "Connexionausitewebdelauteur1", "&Connexion au site web de l'auteur...");
    PopupMenu1->addSeparator();
    // Ctrl+X belongs to "&Couper", which comes first; here it is only shown.
    Quitter2 = AddItem(PopupMenu1, "Quitter2", "&Quitter");
    Quitter2->setText(Quitter2->text() + "\tCtrl+X");

    // Commands whose windows are not built yet stay disabled.
    for (QAction* pending : {winstart,
                             Alarmesonore1,
                             Sonassociauxalarmes1,
                             Aucun1,
                             Vertical1,
                             Horizontal1,
                             Lesdeux1,
                             Aucune1,
                             Jourcourant1,
                             Toutes1,
                             Insrerdateetheure1,
                             Effacer1,
                             Configurationdelimpression1,
                             Imprimer1,
                             Calendrier1,
                             Couper1,
                             Copier1,
                             Coller1,
                             Supprimer1,
                             Toutslectionner1,
                             Police,
                             Couleur1,
                             Rendezvous1,
                             Courses1,
                             Listedesactivitspasses1,
                             Listedetouteslesactivits1}) {
        pending->setEnabled(false);
    }
    addActions(PopupMenu1->actions());
    for (QMenu* submenu : {brivonce, scrollBars, nameDays, edition, help}) {
        addActions(submenu->actions());
    }
    Memo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Memo->mapToGlobal(at)); });

    connect(PopupMenu1, &QMenu::aboutToShow, this, &TMainForm::PopupMenu1Popup);
    connect(Quitter1, &QAction::triggered, this, &TMainForm::QuitRequested);
    connect(Quitter2, &QAction::triggered, this, &TMainForm::QuitRequested);
    connect(Aide1, &QAction::triggered, this, &TMainForm::AideClick);
    connect(Apropos1, &QAction::triggered, this, &TMainForm::AboutClick);
    connect(Connexionausitewebdelauteur1, &QAction::triggered, this,
            &TMainForm::Connexionausitewebdelauteur1Click);
}

bool TMainForm::ShowOnStartTicked() const {
    return ShowOnStart->isChecked();
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_firstShowing) {
        try {
            FormShow();
        } catch (const Error& error) {
            m_context.messageBoxes->ShowError(this, error.what());
        }
    }
}

void TMainForm::FormShow() {
    const MainWindowPlacement& place = m_settings.mainW;
    if (place.maxi) {
        showMaximized();
    } else {
        move(place.x, place.y);
        resize(place.w, place.h);
    }
    LoadMemo();
    Memo->setFocus();
    m_firstShowing = false;
}

void TMainForm::LoadMemo() {
    Memo->setPlainText(ToEditText(LoadMemoText(m_dataFolder)));
    m_memoLoaded = true;
}

Settings TMainForm::CurrentSettings() const {
    Settings settings = m_settings;
    if (!m_firstShowing) {
        settings.mainW = {pos().x(), pos().y(), width(), height(), isMaximized()};
    }
    settings.config.showOnStart = ShowOnStart->isChecked();
    settings.options.visible = Toujoursvisible1->isChecked();
    return settings;
}

void TMainForm::SaveAll() {
    SaveAllInput input;
    input.settings = CurrentSettings();
    if (m_memoLoaded) {
        input.memoText = Memo->toPlainText().toStdString();
    }
    brivonce::SaveAll(m_dataFolder, input);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    try {
        SaveAll();
    } catch (const Error& error) {
        m_context.messageBoxes->ShowError(this, error.what());
    }
    if (m_context.trayAvailable && m_context.trayAvailable()) {
        event->accept();  // hidden; the program stays in the tray
    } else {
        // Without a tray icon a hidden window could never come back.
        event->ignore();
        showMinimized();
    }
}

void TMainForm::PopupMenu1Popup() {
    Apropos1->setEnabled(!(m_context.windows.aboutBox && m_context.windows.aboutBox->isVisible()));
}

void TMainForm::AideClick() {
    QString page = FindShippedFile("help/brivonce.html");
    if (page.isEmpty()) {
        m_context.messageBoxes->ShowError(this, FormatMessage(kCannotOpen, "brivonce.html"));
        return;
    }
    m_context.desktop->OpenUrl(QUrl::fromLocalFile(page));
}

void TMainForm::AboutClick() {
    m_context.windows.aboutBox->exec();
}

void TMainForm::Connexionausitewebdelauteur1Click() {
    m_context.desktop->OpenUrl(QUrl(QStringLiteral(BRIVONCE_AUTHOR_URL)));
}

}  // namespace brivonce
