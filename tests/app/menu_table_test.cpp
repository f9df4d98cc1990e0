#include "app/menu_rows.h"
#include "app/menu_table.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

int calls = 0;
void count(int) { ++calls; }

using TestCommand = void (*)(int);

const MenuRow<TestCommand> rows[] = {
    {0, "File1", "ﾌｧｲﾙ(&F)"},
    {1, "FileSaveItem", "上書き保存(&S)", count, "Ctrl+S"},
    {1, "-"},
    {1, "-"},
    {1, "Empty", "空(&E)"},
    {2, "-"},
    {1, "-"},
    {0, "Insert1", "ﾀｸﾞ(&G)"},
    {1, "-"},
    {1, "Font", "ﾌｫﾝﾄ(&F)"},
    {2, "FontColor", "ｻｲｽﾞと色(&S)...", count, "Ctrl+S"},
    {2, "FontBold", "太文字(&B)", count, "", 7},
    {1, "Lf", "改行(&I)", count, "Ctrl+Enter"},
    {1, "N22", "-", nullptr, "", 0, "", true},
    {0, "Tool", "ﾂｰﾙ(&T)"},
};

struct Built {
    QWidget owner;
    ShortcutsTaken taken;
    QList<QMenu *> menus;
    Built()
    {
        menus = buildMenus(&owner, std::span<const MenuRow<TestCommand>>(rows), taken,
                           [](QAction *action, const auto &row) {
                               QObject::connect(action, &QAction::triggered, [c = row.command] { c(0); });
                           });
    }
    QAction *find(const char *name) const { return owner.findChild<QAction *>(QString::fromLatin1(name)); }
};

TEST(MenuTable, AShortcutBindsOnlyOnTheFirstEntryWalkedAndShowsOnBoth)
{
    Built built;
    QAction *save = built.find("FileSaveItem");
    QAction *fontColor = built.find("FontColor");
    ASSERT_TRUE(save && fontColor);
    EXPECT_EQ(save->shortcut(), QKeySequence(u"Ctrl+S"_s));
    EXPECT_TRUE(fontColor->shortcut().isEmpty());
    EXPECT_EQ(fontColor->text(), u"ｻｲｽﾞと色(&S)...\tCtrl+S"_s);
    EXPECT_EQ(save->text(), u"上書き保存(&S)"_s);  // the menu adds the bound key itself
}

TEST(MenuTable, CtrlEnterBindsBothEnterKeys)
{
    Built built;
    QAction *lf = built.find("Lf");
    ASSERT_NE(lf, nullptr);
    EXPECT_EQ(lf->shortcuts(), (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Enter),
                                                    QKeySequence(Qt::CTRL | Qt::Key_Return)}));
    EXPECT_EQ(lf->shortcut().toString(QKeySequence::NativeText), u"Ctrl+Enter"_s);
    EXPECT_EQ(lf->text(), u"改行(&I)"_s);
    EXPECT_TRUE(built.taken.contains(QKeySequence(Qt::CTRL | Qt::Key_Return)));
}

TEST(MenuTable, EmptyMenusAndStraySeparatorsAreDropped)
{
    Built built;
    ASSERT_EQ(built.menus.size(), 2);  // Tool has no entries
    QStringList file;
    for (QAction *a : built.menus[0]->actions())
        file << (a->isSeparator() ? u"-"_s : a->objectName());
    EXPECT_EQ(file, QStringList{u"FileSaveItem"_s});
    QStringList tag;
    for (QAction *a : built.menus[1]->actions())
        tag << (a->isSeparator() ? (a->isVisible() ? u"-"_s : a->objectName()) : a->objectName());
    EXPECT_EQ(tag, (QStringList{u"Font"_s, u"Lf"_s, u"N22"_s}));
    EXPECT_EQ(built.find("FontBold")->property("Tag").toInt(), 7);
}

TEST(MenuTable, EntriesRunTheirCommands)
{
    Built built;
    calls = 0;
    built.find("FontBold")->trigger();
    built.find("FileSaveItem")->trigger();
    EXPECT_EQ(calls, 2);
}

// Every entry's name in the document window's menus is unique, so commands,
// tests and the help can find it by name.
TEST(MenuTable, DocumentAndMainRowsHaveUniqueNames)
{
    for (const auto &rowsOf : {0, 1}) {
        QStringList names;
        auto collect = [&](const auto &table) {
            for (const auto &row : table) {
                const QString name = QString::fromUtf8(row.name);
                if (name == u"-")
                    continue;
                EXPECT_FALSE(names.contains(name)) << name.toStdString();
                names << name;
            }
        };
        if (rowsOf == 0)
            collect(documentMenuRows());
        else
            collect(mainMenuRows());
    }
}

} // namespace
