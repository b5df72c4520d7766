#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include "notes/postit_store.h"
#include "ui/autosave.h"
#include "ui/edit_area.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QToolButton;

namespace brivonce {

struct AppContext;

// One post-it note: a small tool window with its own text file and its own
// settings section, both named by its number.
class Tpostit : public QWidget {
    Q_OBJECT
public:
    Tpostit(AppContext& context, int number);
    ~Tpostit() override;

    // What the first showing reads, before the window is shown: place,
    // scroll bars, font, colours from `settingsFile` (brivonce.ini, read
    // once for every note), and the text. Raises Error; the note then saves
    // nothing, so the files it could not read stay as they are.
    void Load(const IniFile& settingsFile);
    // Text file and settings section. Raises Error.
    void SavePostit();

    // At the end of the program every note that was loaded and not deleted
    // is saved: its text by SaveChangedText, its section with all the others
    // in one write of brivonce.ini.
    bool SavedAtEnd() const { return m_loaded && !m_deleted; }
    // The text file, unless it already holds the text. Raises Error.
    void SaveChangedText();
    PostitSettings CurrentSettings() const;

    // For printing.
    int Number() const { return m_number; }
    QString Text() const;
    QFont TextFont() const;
    bool Deleted() const { return m_deleted; }

    QToolBar* Toolbar1;
    QToolButton* ToolbarButton976;
    QToolButton* ToolbarButton977;
    QPlainTextEdit* Memo;
    QMenu* PopupMenu1;

    QAction* Aucun1;
    QAction* Vertical1;
    QAction* Horizontal1;
    QAction* Lesdeux1;
    QAction* Insrerdateetheure1;
    QAction* Effacer1;
    QAction* Configurationdelimpression1;
    QAction* Imprimer1;
    QAction* Couper1;
    QAction* Copier1;
    QAction* Coller1;
    QAction* Supprimer1;
    QAction* Toutslectionner1;
    QAction* Police;
    QAction* Couleur1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildMenu();
    void ConnectMenu();
    void SetScrollBars(int choice);
    void ApplyColours();
    void SaveText();

    void Insrerdateetheure1Click();
    void Effacer1Click();
    void ImprimerClick();
    void Configurationdelimpression1Click();
    void PoliceClick();
    void Couleur1Click();
    // "&Oui" deletes the note; any other answer saves it and keeps it open.
    bool FormClose();

    template <typename Handler>
    void Guarded(Handler handler);

    AppContext& m_context;
    const int m_number;
    PostitSettings m_settings;  // colours as stored, so a system colour stays one
    QRect m_shownAt;            // where Load put the window
    bool m_loaded = false;
    bool m_deleted = false;
    Autosave m_autosave;
    EditionItems m_edition;
};

}  // namespace brivonce
