#pragma once

#include <QWidget>
#include <string>

#include "agenda/french_calendar.h"
#include "memo/alarm_engine.h"
#include "settings/settings.h"
#include "ui/activity_lists_link.h"
#include "ui/autosave.h"
#include "ui/edit_area.h"

class QAction;
class QComboBox;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QToolButton;

namespace brivonce {

struct AppContext;
class TMissedAlarms;

// The memo window: the program's face and the owner of its menu, its data
// folder and its settings.
class TMainForm : public QWidget, private AlarmView {
    Q_OBJECT
public:
    explicit TMainForm(AppContext& context);

    const std::string& DataFolder() const { return m_dataFolder; }
    bool ShowOnStartTicked() const;
    bool PromptOnClose() const { return m_settings.config.promptOnClose; }
    void SetPromptOnClose(bool value) { m_settings.config.promptOnClose = value; }
    NameDayMode NameDayModeValue() const { return m_nameDayMode; }
    // False until the first showing has run its initialisation.
    bool Initialised() const { return !m_firstShowing; }

    // Writes the memo and the settings; raises Error on failure.
    void SaveAll();
    // The caption: today's date and, when wanted, today's name.
    void RefreshCaption() override;
    // Caption, hour box and due alarms, as at every minute.
    void RefreshToday() { m_alarm->RefreshToday(); }
    AlarmEngine* Alarm() { return m_alarm; }
    // Builds the controls at the first showing.
    void setVisible(bool visible) override;
    // Builds the toolbar, the memo and the hour box now if they are not yet
    // (a command from the tray before the first showing needs them).
    void EnsureControls();

    // Null until the first showing, or the first command that needs them.
    QToolBar* Toolbar971 = nullptr;
    QPlainTextEdit* Memo = nullptr;
    QComboBox* ComboBox = nullptr;
    QToolButton* NewBtn = nullptr;
    QToolButton* ToolbarButton972 = nullptr;
    QToolButton* ToolbarButton971 = nullptr;
    QToolButton* ToolbarButton973 = nullptr;
    QToolButton* ToolbarButton974 = nullptr;
    QToolButton* ToolbarButton975 = nullptr;
    QToolButton* ToolbarButton976 = nullptr;
    QToolButton* ToolbarButton977 = nullptr;

    QMenu* PopupMenu1;

    // Menu items, named as in the program's documentation.
    QAction* winstart;
    QAction* ShowOnStart;
    QAction* Toujoursvisible1;
    QAction* Alarmesonore1;
    QAction* Sonassociauxalarmes1;
    QAction* Aucun1;
    QAction* Vertical1;
    QAction* Horizontal1;
    QAction* Lesdeux1;
    QAction* Aucune1;
    QAction* Jourcourant1;
    QAction* Toutes1;
    QAction* Insrerdateetheure1;
    QAction* Effacer1;
    QAction* Configurationdelimpression1;
    QAction* Imprimer1;
    QAction* Quitter1;
    QAction* Calendrier1;
    QAction* Couper1;
    QAction* Copier1;
    QAction* Coller1;
    QAction* Supprimer1;
    QAction* Toutslectionner1;
    QAction* Police;
    QAction* Couleur1;
    QAction* Rendezvous1;
    QAction* Courses1;
    QAction* Listedesactivitspasses1;
    QAction* Listedetouteslesactivits1;
    QAction* Importeruncalendrier1;
    QAction* Aide1;
    QAction* Apropos1;
    QAction* Connexionausitewebdelauteur1;
    QAction* Quitter2;

signals:
    // "&Quitter": ask the application window to close.
    void QuitRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenu();
    void BuildToolbar();
    void ConnectMenu();
    void FormShow();
    void ApplySettings();
    void ApplyControlSettings();
    void PlaceWindow();
    void KeepOnScreen();
    QMargins FrameMargins() const;
    void RememberNormalPlace();
    void LoadMemo();
    void WatchLongLines(int position, int added);
    void UseFastLayout();
    QFont MemoFont(QFont font) const;
    Settings CurrentSettings() const;
    bool MemoShortcut(QKeyEvent* key, bool dispatch);
    bool ComboBoxKeyDown(QKeyEvent* key);

    void SetHourItems(const QStringList& items, int selected) override;
    bool IsShown() const override { return isVisible(); }
    void BringToFront() override;
    void FocusMemo() override;
    QWidget* BoxParent() override { return this; }
    void ShowMissed(const QStringList& entries) override;
    std::optional<int> AskSnoozeMinutes(int lastChoice) override;
    void AddAdvanceMenu(QMenu* menu);

    void ApplyWinStart();
    void SetScrollBars(int choice);
    void SetNameDayMode(int mode);
    void SetMemoColours(const QColor& text, const QColor& background);

    void PopupMenu1Popup();
    void Rendezvous1Click();
    void Calendrier1Click();
    void Courses1Click();
    void NewBtnClick();
    void Listedesactivitspasses1Click();
    void Listedetouteslesactivits1Click();
    void Importeruncalendrier1Click();
    void ShowActivityList(ActivityList kind);
    void ShowPastActivitiesAtStart();
    void winstartClick();
    void Sonassociauxalarmes1Click();
    void Insrerdateetheure1Click();
    void Effacer1Click();
    void PoliceClick();
    void Couleur1Click();
    void ImprimerClick();
    void Configurationdelimpression1Click();
    void ToolbarButton977Click();
    void AideClick();
    void AboutClick();
    void Connexionausitewebdelauteur1Click();

    // Runs a handler, showing its error in the error box.
    template <typename Handler>
    void Guarded(Handler handler);

    AppContext& m_context;
    std::string m_dataFolder;
    Settings m_settings;
    NameDayMode m_nameDayMode = NameDayMode::kAllDays;
    bool m_firstShowing = true;
    bool m_memoLoaded = false;
    bool m_placed = false;  // the first showing has placed the window
    bool m_frameUnchecked = false;
    MainWindowPlacement m_normalPlace;
    // Stored colour values: a system colour stays one until the user picks another.
    ColourValue m_textColour = 0;
    ColourValue m_backgroundColour = kTooltipBackground;
    bool m_fastLayout = false;
    bool m_fontDialogOpen = false;
    bool m_colourDialogOpen = false;
    bool m_soundDialogOpen = false;
    AlarmEngine* m_alarm;
    TMissedAlarms* m_missedAlarms = nullptr;  // built when first needed
    Autosave m_autosave;                      // the memo text, once loaded
    EditionItems m_edition;
};

}  // namespace brivonce
