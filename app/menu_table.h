#pragma once

#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <span>
#include <string_view>

// A menu outline as a table. Level 0 is a menu of the menu bar, level 1 an
// entry of it, level 2 an entry of a submenu, and so on: a row followed by a
// deeper row opens a submenu. A row named "-" is a separator.
template <typename Command>
struct MenuRow {
    int level = 0;
    const char *name = "";
    const char *caption = "";
    Command command = nullptr;
    const char *shortcut = "";  // "Ctrl+N"; "Ctrl+Enter" means either Enter key
    int tag = 0;
    const char *hint = "";
    bool hidden = false;
};

// Shortcuts already bound, in the order the menu bar is walked. A row whose
// shortcut is taken by an earlier entry shows it but does not bind it, so
// the key runs the first entry only.
using ShortcutsTaken = QList<QKeySequence>;

// The entry or separator of one row (the part that does not depend on the
// command type). Submenus come from makeSubmenu.
QAction *makeMenuEntry(QMenu *menu, const char *name, const char *caption, const char *shortcut,
                       int tag, const char *hint, bool hidden, ShortcutsTaken &taken);
QMenu *makeSubmenu(QWidget *owner, QMenu *parentMenu, const char *name, const char *caption,
                   const char *hint = "");
// Drops separators at the ends of a menu and doubled ones, and submenus left
// without entries (their entries may come with later commands).
void tidyMenu(QMenu *menu);

// Builds the menus of `rows`; `bind(action, row)` connects each entry to its command.
template <typename Command, typename Bind>
QList<QMenu *> buildMenus(QWidget *owner, std::span<const MenuRow<Command>> rows,
                          ShortcutsTaken &taken, Bind bind)
{
    QList<QMenu *> menus;
    QList<QMenu *> open;  // open[level - 1] receives the rows of that level
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MenuRow<Command> &row = rows[i];
        const bool opensSubmenu = i + 1 < rows.size() && rows[i + 1].level > row.level;
        if (row.level == 0) {
            QMenu *menu = makeSubmenu(owner, nullptr, row.name, row.caption);
            menus << menu;
            open = {menu};
            continue;
        }
        open.resize(row.level);
        QMenu *parent = open.at(row.level - 1);
        if (opensSubmenu) {
            open << makeSubmenu(owner, parent, row.name, row.caption, row.hint);
            continue;
        }
        QAction *action = makeMenuEntry(parent, row.name, row.caption, row.shortcut, row.tag,
                                        row.hint, row.hidden, taken);
        if (row.command)
            bind(action, row);
    }
    QList<QMenu *> kept;
    for (QMenu *menu : menus) {
        tidyMenu(menu);
        if (!menu->actions().isEmpty())
            kept << menu;
        else
            delete menu;
    }
    return kept;
}
