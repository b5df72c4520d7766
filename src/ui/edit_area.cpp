#include "ui/edit_area.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "ui/icons.h"
#include "ui/named_widget.h"
#include "ui/walk_guard.h"

namespace brivonce {

QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, const char* keys) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    action->setShortcut(QKeySequence(keys));
    return action;
}

QMenu* AddSubmenu(QMenu* menu, const char* name, const char* caption) {
    QMenu* submenu = menu->addMenu(QString::fromUtf8(caption));
    submenu->setObjectName(name);
    submenu->menuAction()->setObjectName(name);
    return submenu;
}

QToolButton* AddToolbarButton(QToolBar* toolbar, const char* name, const char* icon,
                              const char* hint) {
    auto* button = Named<QToolButton>(name);
    button->setIcon(BuiltInIcon(QString("toolbar/") + icon));
    button->setToolTip(QString::fromUtf8(hint));
    button->setFixedSize(23, 22);
    button->setAutoRaise(true);
    toolbar->addWidget(button);
    return button;
}

EditionItems AddEditionItems(QMenu* edition) {
    EditionItems items;
    items.couper = AddMenuItem(edition, "Couper1", "&Couper", "Ctrl+X");
    items.copier = AddMenuItem(edition, "Copier1", "Co&pier", "Ctrl+C");
    items.coller = AddMenuItem(edition, "Coller1", "C&oller", "Ctrl+V");
    items.supprimer = AddMenuItem(edition, "Supprimer1", "&Supprimer", "Ctrl+D");
    edition->addSeparator();
    items.toutSelectionner = AddMenuItem(edition, "Toutslectionner1", "&Tout sélectionner");
    edition->addSeparator();
    items.police = AddMenuItem(edition, "Police", "P&olice...");
    items.couleur = AddMenuItem(edition, "Couleur1", "Coule&ur...");
    return items;
}

void ConnectEditCommands(const EditionItems& items, QPlainTextEdit* edit) {
    ConnectCommand(items.couper, edit, [edit] { edit->cut(); });
    ConnectCommand(items.copier, edit, [edit] { edit->copy(); });
    ConnectCommand(items.coller, edit, [edit] { edit->paste(); });
    ConnectCommand(items.supprimer, edit, [edit] { edit->textCursor().removeSelectedText(); });
    ConnectCommand(items.toutSelectionner, edit, [edit] { edit->selectAll(); });
}

void SetScrollBars(QPlainTextEdit* edit, const ScrollBarItems& items, int choice) {
    for (int i = 0; i < 4; ++i) {
        items[i]->setCheckable(true);
        items[i]->setChecked(i == choice);
    }
    if (!edit) {
        return;  // not built yet: it takes the choice when it is
    }
    bool vertical = choice == 1 || choice == 3;
    bool horizontal = choice == 2 || choice == 3;
    edit->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // A horizontal bar only makes sense for lines that do not wrap.
    edit->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

int TickedScrollBars(const ScrollBarItems& items) {
    int ticked = 0;
    for (int i = 0; i < 4; ++i) {
        if (items[i]->isChecked()) {
            ticked = i;
        }
    }
    return ticked;
}

}  // namespace brivonce
