#include "app/menu_table.h"

#include <QAction>

namespace {

bool isSeparator(const char *name)
{
    return qstrcmp(name, "-") == 0;
}

// "Ctrl+Enter" stands for the keypad's Enter and the main one (Qt's Return);
// the keypad's comes first, so the menu shows it as "Ctrl+Enter".
QList<QKeySequence> keysFor(const QString &shortcut)
{
    if (shortcut.endsWith(u"+Enter")) {
        const QString modifiers = shortcut.chopped(QStringLiteral("Enter").size());
        return {QKeySequence::fromString(shortcut),
                QKeySequence::fromString(modifiers + QStringLiteral("Return"))};
    }
    return {QKeySequence::fromString(shortcut)};
}

} // namespace

QAction *makeMenuEntry(QMenu *menu, const char *name, const char *caption, const char *shortcut,
                       int tag, const char *hint, bool hidden, ShortcutsTaken &taken)
{
    QAction *action = isSeparator(caption) || isSeparator(name) ? menu->addSeparator()
                                                                : menu->addAction(QString::fromUtf8(caption));
    if (!isSeparator(name))
        action->setObjectName(QString::fromUtf8(name));
    action->setProperty("Tag", tag);
    if (*hint)
        action->setStatusTip(QString::fromUtf8(hint));
    if (hidden)
        action->setVisible(false);
    if (*shortcut) {
        const QString text = QString::fromUtf8(shortcut);
        const QList<QKeySequence> keys = keysFor(text);
        bool free = true;
        for (const QKeySequence &key : keys)
            free = free && !taken.contains(key);
        if (free) {
            action->setShortcuts(keys);
            taken << keys;
        } else {
            // Shown in the shortcut column all the same, as text.
            action->setText(action->text() + u'\t'
                            + keys.first().toString(QKeySequence::NativeText));
        }
    }
    return action;
}

QMenu *makeSubmenu(QWidget *owner, QMenu *parentMenu, const char *name, const char *caption,
                   const char *hint)
{
    auto *menu = new QMenu(QString::fromUtf8(caption), owner);
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    if (*hint)
        menu->menuAction()->setStatusTip(QString::fromUtf8(hint));
    if (parentMenu)
        parentMenu->addMenu(menu);
    return menu;
}

void tidyMenu(QMenu *menu)
{
    for (QAction *action : menu->actions()) {
        if (QMenu *sub = action->menu()) {
            tidyMenu(sub);
            if (sub->actions().isEmpty()) {
                menu->removeAction(action);
                delete sub;
            }
        }
    }
    // Hidden separators are kept: they are shown later (the recent-file list).
    QAction *previous = nullptr;
    for (QAction *action : menu->actions()) {
        const bool visibleSeparator = action->isSeparator() && action->isVisible();
        if (visibleSeparator && (!previous || previous->isSeparator())) {
            menu->removeAction(action);
            delete action;
            continue;
        }
        if (action->isVisible())
            previous = action;
    }
    const QList<QAction *> actions = menu->actions();
    for (auto it = actions.rbegin(); it != actions.rend(); ++it) {
        QAction *action = *it;
        if (!action->isVisible())
            continue;
        if (!action->isSeparator())
            break;
        menu->removeAction(action);
        delete action;
    }
}
