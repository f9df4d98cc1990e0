#pragma once

#include "app/main_form.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"
#include "support/fake_platform.h"
#include "support/when_shown.h"

#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << '(' << r.x() << ", " << r.y() << ' ' << r.width() << 'x' << r.height() << ')';
}

// The real main window, shown, with a scripted desktop behind it.
class MainFormFixture : public ::testing::Test
{
protected:
    FakePlatform fake;
    std::unique_ptr<TMainForm> form;

    void SetUp() override { start(); }

    void start()
    {
        form = std::make_unique<TMainForm>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // The window the commands work on, as the frame has it.
    TMDIChild *current() const
    {
        return qobject_cast<TMDIChild *>(form->ClientArea->currentSubWindow());
    }

    QStringList menuBarTitles() const
    {
        QStringList titles;
        for (QAction *action : form->menuBar()->actions())
            titles << action->text();
        return titles;
    }

    // The entry `name` in the menus now on the menu bar.
    QAction *entry(const QString &name) const
    {
        for (QAction *top : form->menuBar()->actions()) {
            if (QAction *found = find(top->menu(), name))
                return found;
        }
        return nullptr;
    }

    void trigger(const QString &name)
    {
        QAction *action = entry(name);
        ASSERT_NE(action, nullptr) << name.toStdString();
        action->trigger();
    }

    QString docText(const TMDIChild *doc) const
    {
        QString raw = doc->txtDoc->rawText();
        raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
        return raw;
    }

    QString path(const char *name) const { return fake.folder.filePath(QString::fromUtf8(name)); }

private:
    static QAction *find(const QMenu *menu, const QString &name)
    {
        if (!menu)
            return nullptr;
        for (QAction *action : menu->actions()) {
            if (action->objectName() == name)
                return action;
            if (QAction *found = find(action->menu(), name))
                return found;
        }
        return nullptr;
    }
};
