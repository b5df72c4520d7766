#pragma once

#include <array>

class QAction;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QToolButton;

namespace brivonce {

// The pieces an edit area's window is built from (the memo, each post-it).
// Items and buttons are named as their members.
QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, const char* keys = "");
QMenu* AddSubmenu(QMenu* menu, const char* name, const char* caption);
// A 23 x 22 picture button showing data/icons/toolbar/<icon>.svg, its hint as
// tooltip.
QToolButton* AddToolbarButton(QToolBar* toolbar, const char* name, const char* icon,
                              const char* hint);

// The "&Edition" items the memo's and the post-its' menus share, from
// "&Couper" to "Coule&ur...", with their separators.
struct EditionItems {
    QAction* couper;
    QAction* copier;
    QAction* coller;
    QAction* supprimer;
    QAction* toutSelectionner;
    QAction* police;
    QAction* couleur;
};
EditionItems AddEditionItems(QMenu* edition);
// The edit commands among them act on `edit`; the font and colour are the
// window's own.
void ConnectEditCommands(const EditionItems& items, QPlainTextEdit* edit);

// The "A&scenseurs" items: none, vertical, horizontal, both.
using ScrollBarItems = std::array<QAction*, 4>;
// Ticks item `choice` alone and shows its scroll bars; any other value ticks
// nothing and shows none. A null `edit` only gets the ticks.
void SetScrollBars(QPlainTextEdit* edit, const ScrollBarItems& items, int choice);
// The ticked item's number, the last one when several are; 0 when none is.
int TickedScrollBars(const ScrollBarItems& items);

}  // namespace brivonce
