#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QSlider>
#include <QTabBar>
#include <gtest/gtest.h>

// Everything assistive technology reaches from `root`, by walking its tree.
inline void collectAccessible(QAccessibleInterface *root, QSet<QObject *> &reached, int depth = 0)
{
    if (!root || depth > 40)
        return;
    reached.insert(root->object());
    for (int i = 0; i < root->childCount(); ++i)
        collectAccessible(root->child(i), reached, depth + 1);
}

// Buttons, check boxes and radio buttons are known by their captions (by
// their names when they show a glyph or nothing); edits, lists, sliders and
// grids by their names; and all of them are reachable in the dialog's tree.
// Returns how many controls were checked.
inline int expectControlsAccessible(QWidget &dialog, const std::string &what)
{
    QSet<QObject *> reached;
    collectAccessible(QAccessible::queryAccessibleInterface(&dialog), reached);
    int checked = 0;
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        // Hidden holders and Qt's own parts (a tab bar's scroll arrows) aside.
        if (w->isHidden() || w->objectName().isEmpty() || w->objectName().startsWith(u"qt_")
            || qobject_cast<QTabBar *>(w->parentWidget()))
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        if (!iface) {
            ADD_FAILURE() << what << " " << w->objectName().toStdString() << " has no interface";
            continue;
        }
        const std::string name = iface->text(QAccessible::Name).toStdString();
        const std::string control = what + " " + w->objectName().toStdString();
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            const QString caption = QString(button->text()).remove(u'&');
            const bool byName = caption.isEmpty() || !button->accessibleName().isEmpty();
            EXPECT_EQ(name, (byName ? w->objectName() : caption).toStdString()) << control;
        } else if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)
                   || qobject_cast<QSlider *>(w) || qobject_cast<QAbstractItemView *>(w)
                   || qobject_cast<QPlainTextEdit *>(w)) {
            EXPECT_EQ(name, w->objectName().toStdString()) << control;
        } else {
            continue;
        }
        EXPECT_TRUE(reached.contains(w)) << control << " is not in the accessibility tree";
        ++checked;
    }
    return checked;
}
