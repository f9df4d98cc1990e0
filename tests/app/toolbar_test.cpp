#include "main_form_fixture.h"

#include "app/tool_panel.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QToolButton>
#include <span>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

struct Button {
    const char *name;
    const char *tooltip;
    int x;
};

// Left edges as the layout rules give them; every button is 23 × 23 at y = 2.
const Button basicBar[] = {
    {"SpeedButton1", "新規作成", 10},
    {"SpeedButton2", "開く", 33},
    {"SaveBtn", "上書き保存", 56},
    {"CutBtn", "切り取り", 83},
    {"CopyBtn", "コピー", 106},
    {"PasteBtn", "貼り付け", 129},
    {"UndoBtn", "やり直し", 156},
    {"FontBtn", "サイズと色", 183},
    {"BoldBtn", "太文字", 206},
    {"ItaricBtn", "斜体", 229},
    {"LinkBtn", "リンク", 256},
    {"ImageBtn", "イメージ", 283},
    {"LeftBtn", "左寄せ", 310},
    {"CenterBtn", "中央", 333},
    {"RightBtn", "右寄せ", 356},
    {"LineBtn", "横罫線", 383},
    {"LfBtn", "改行", 410},
    {"SpeedButton4", "段落", 433},
    {"NolistBtn", "番号順リスト", 460},
    {"ListBtn", "マーク付きリスト", 483},
    {"BrowserBtn", "ブラウザで表示", 510},
    {"SpeedButton3", "終了", 537},
};

const Button extendedBar[] = {
    {"TextboxBtn", "テキストボックス", 10},
    {"MemoBtn", "複数行入力フィールド", 33},
    {"CheckBtn", "チェックボックス", 56},
    {"OptionBtn", "ラジオボタン", 79},
    {"OkBtn", "転送ボタン", 102},
    {"ClearBtn", "リセットボタン", 125},
    {"ListboxBtn", "リストボックス", 148},
    {"DropdownBtn", "ドロップダウンリストボックス", 171},
    {"MarqueeBtn", "マーキー", 198},
    {"ColorBtn", "色", 225},
    {"CommentBtn", "コメント", 283},
    {"IndentBtn", "インデント", 310},
    {"MLineBtn", "いろいろな横罫線", 383},
    {"HyoBtn", "表", 410},
    {"FrameBtn", "フレーム領域", 433},
    {"TileBtn", "並べて表示", 460},
    {"CascadeBtn", "重ねて表示", 483},
};

const char *const windowEntries[] = {"WindowCascadeItem", "WindowTileItem", "WindowArrangeItem",
                                     "WindowMinimizeItem"};

class Toolbar : public MainFormFixture
{
protected:
    QList<QToolButton *> buttonsOf(const QWidget *panel) const
    {
        return panel->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly);
    }

    QList<QToolButton *> allButtons() const { return buttonsOf(form->SpeedPanel) + buttonsOf(form->pnlExt); }

    QToolButton *button(const char *name) const
    {
        return form->findChild<QToolButton *>(QString::fromLatin1(name));
    }

    // Buttons and Window entries that are enabled, by name.
    QStringList enabledNow() const
    {
        QStringList names;
        for (QToolButton *b : allButtons()) {
            if (b->isEnabled())
                names << b->objectName();
        }
        for (const char *name : windowEntries) {
            if (entry(QString::fromLatin1(name))->isEnabled())
                names << QString::fromLatin1(name);
        }
        return names;
    }

    QStringList everyButtonAndWindowEntry() const
    {
        QStringList names;
        for (QToolButton *b : allButtons())
            names << b->objectName();
        for (const char *name : windowEntries)
            names << QString::fromLatin1(name);
        return names;
    }

    static int topIn(const QWidget *w, const QWidget *in) { return w->mapTo(in, QPoint(0, 0)).y(); }
};

template <std::size_t N>
QStringList expectedBar(const Button (&bar)[N])
{
    QStringList lines;
    for (const Button &b : bar)
        lines << u"%1 (%2,2 23x23) %3"_s.arg(QString::fromLatin1(b.name)).arg(b.x).arg(QString::fromUtf8(b.tooltip));
    return lines;
}

QStringList actualBar(const QList<QToolButton *> &buttons)
{
    QStringList lines;
    for (const QToolButton *b : buttons) {
        const QRect g = b->geometry();
        lines << u"%1 (%2,%3 %4x%5) %6"_s.arg(b->objectName()).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()).arg(b->toolTip());
    }
    return lines;
}

TEST_F(Toolbar, ButtonsStandAtTheirPlacesWithTheirTooltips)
{
    EXPECT_EQ(actualBar(buttonsOf(form->SpeedPanel)), expectedBar(basicBar));
    EXPECT_EQ(actualBar(buttonsOf(form->pnlExt)), expectedBar(extendedBar));
    EXPECT_EQ(form->SpeedPanel->height(), 27);
    EXPECT_EQ(form->pnlExt->height(), 27);
    EXPECT_EQ(topIn(form->pnlExt, form.get()), topIn(form->SpeedPanel, form.get()) + 27);
    EXPECT_EQ(button("CutBtn")->toolTip(), u"切り取り"_s);
    for (QToolButton *b : allButtons())
        EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
}

TEST_F(Toolbar, ButtonsFollowWhetherADocumentWindowExists)
{
    const QStringList all = everyButtonAndWindowEntry();
    const QStringList alwaysOn{u"SpeedButton1"_s, u"SpeedButton2"_s, u"SpeedButton3"_s};
    EXPECT_EQ(enabledNow(), alwaysOn);

    form->FileNewItemClick();
    TMDIChild *first = current();
    EXPECT_EQ(enabledNow(), all);
    form->FileNewItemClick();
    EXPECT_EQ(enabledNow(), all);
    current()->closeWithoutAsking();
    EXPECT_EQ(enabledNow(), all);
    ASSERT_EQ(current(), first);
    first->closeWithoutAsking();
    EXPECT_EQ(enabledNow(), alwaysOn);
}

TEST_F(Toolbar, AForwardingButtonWithoutADocumentDoesNothing)
{
    for (const char *name : {"BoldBtn", "SaveBtn", "UndoBtn", "ColorBtn"}) {
        QToolButton *b = button(name);
        b->setEnabled(true);  // as if the count had not caught up yet
        b->click();
    }
    EXPECT_TRUE(form->ClientArea->subWindowList().isEmpty());
    EXPECT_TRUE(fake.messages.isEmpty());
    EXPECT_TRUE(fake.saveRequests.isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Toolbar, MainWindowButtonsRunTheMainCommands)
{
    button("SpeedButton1")->click();
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(current()->windowTitle(), u"New-1"_s);
    TMDIChild *first = current();

    fake.openNames = {path("missing.html")};
    button("SpeedButton2")->click();
    ASSERT_EQ(fake.openRequests.size(), 1);
    EXPECT_EQ(current()->windowTitle(), path("missing.html"));
    TMDIChild *second = current();

    button("TileBtn")->click();
    const QSize area = form->ClientArea->viewport()->size();
    EXPECT_EQ(first->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(first->width(), area.width());
    EXPECT_EQ(second->geometry().top(), first->geometry().bottom() + 1);
    button("CascadeBtn")->click();
    EXPECT_LT(first->geometry().left(), second->geometry().left());
    EXPECT_LT(first->geometry().top(), second->geometry().top());

    button("SpeedButton3")->click();
    EXPECT_FALSE(form->isVisible());
}

// A button is its menu entry's: every row names an entry that exists, in
// the document window's menus or the main window's.
TEST_F(Toolbar, EveryButtonNamesAMenuEntry)
{
    form->FileNewItemClick();
    const TMDIChild *doc = current();
    for (const auto rows : {speedPanelRows(), extPanelRows()}) {
        for (const ToolButtonRow &row : rows) {
            const bool main = *row.mainEntry;
            const QString entry = QString::fromLatin1(main ? row.mainEntry : row.entry);
            const QObject *owner = main ? static_cast<QObject *>(form.get()) : doc;
            const QAction *action = owner->findChild<QAction *>(entry);
            EXPECT_NE(action, nullptr) << row.name << " names " << entry.toStdString();
        }
    }
}

TEST_F(Toolbar, ADocumentButtonTriggersItsEntryInTheActiveWindowOnly)
{
    form->FileNewItemClick();
    TMDIChild *other = current();
    other->txtDoc->setPlainText(u"abc"_s);
    form->FileNewItemClick();
    TMDIChild *active = current();
    active->txtDoc->setPlainText(u"abc"_s);
    active->txtDoc->selectAll();
    button("BoldBtn")->click();
    EXPECT_EQ(docText(active), u"<B>abc</B>"_s);
    EXPECT_EQ(docText(other), u"abc"_s);
}

TEST_F(Toolbar, TheOptionMenuTogglesTheBarsAndTheRestMovesUp)
{
    const int top = topIn(form->SpeedPanel, form.get());
    const int areaHeight = form->ClientArea->height();
    auto settle = [] { QCoreApplication::processEvents(); };
    QMenu *toolbarMenu = form->findChild<QMenu *>(u"Toolbar"_s);
    ASSERT_NE(toolbarMenu, nullptr);

    trigger(u"Base"_s);
    settle();
    EXPECT_FALSE(form->SpeedPanel->isVisible());
    EXPECT_EQ(topIn(form->pnlExt, form.get()), top);
    EXPECT_EQ(topIn(form->ClientArea, form.get()), top + 27);
    EXPECT_EQ(form->ClientArea->height(), areaHeight + 27);
    Q_EMIT toolbarMenu->aboutToShow();
    EXPECT_FALSE(entry(u"Base"_s)->isChecked());
    EXPECT_TRUE(entry(u"Ext"_s)->isChecked());

    trigger(u"Ext"_s);
    settle();
    EXPECT_EQ(topIn(form->ClientArea, form.get()), top);
    EXPECT_EQ(form->ClientArea->height(), areaHeight + 54);
    Q_EMIT toolbarMenu->aboutToShow();
    EXPECT_FALSE(entry(u"Ext"_s)->isChecked());

    // With both hidden the pop-up is out of reach; the menu brings them back.
    trigger(u"Ext"_s);
    trigger(u"Base"_s);
    settle();
    EXPECT_EQ(topIn(form->SpeedPanel, form.get()), top);
    EXPECT_EQ(topIn(form->pnlExt, form.get()), top + 27);
    EXPECT_EQ(form->ClientArea->height(), areaHeight);
    Q_EMIT toolbarMenu->aboutToShow();
    EXPECT_TRUE(entry(u"Base"_s)->isChecked());
    EXPECT_TRUE(entry(u"Ext"_s)->isChecked());
}

TEST_F(Toolbar, ThePopupMenuOfEitherBarTogglesThem)
{
    QMenu *popup = form->PopToolBar;
    QAction *popBase = popup->findChild<QAction *>(u"PopBase"_s);
    QAction *popExt = popup->findChild<QAction *>(u"PopExt"_s);
    ASSERT_TRUE(popBase && popExt);
    EXPECT_EQ(popBase->text(), u"基本(&B)"_s);
    EXPECT_EQ(popExt->text(), u"拡張(&E)"_s);
    const int top = topIn(form->SpeedPanel, form.get());

    // A right click on a button opens the menu of its bar.
    QWidget *bold = button("BoldBtn");
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), bold->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(bold, &click);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(popBase->isChecked());
    EXPECT_TRUE(popExt->isChecked());
    popup->hide();

    popExt->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->pnlExt->isVisible());
    EXPECT_EQ(topIn(form->ClientArea, form.get()), top + 27);

    QContextMenuEvent onPanel(QContextMenuEvent::Mouse, QPoint(600, 5),
                              form->SpeedPanel->mapToGlobal(QPoint(600, 5)));
    QApplication::sendEvent(form->SpeedPanel, &onPanel);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(popBase->isChecked());
    EXPECT_FALSE(popExt->isChecked());
    popup->hide();

    popBase->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->SpeedPanel->isVisible());
    EXPECT_EQ(topIn(form->ClientArea, form.get()), top);
    popExt->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(topIn(form->pnlExt, form.get()), top);
}

TEST_F(Toolbar, AssistiveToolsKnowEveryButtonByName)
{
    for (const auto &[panel, name, description] :
         {std::tuple{static_cast<QWidget *>(form->SpeedPanel), "SpeedPanel", u"基本"_s},
          std::tuple{static_cast<QWidget *>(form->pnlExt), "pnlExt", u"拡張"_s}}) {
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(panel);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->role(), QAccessible::ToolBar);
        EXPECT_EQ(bar->text(QAccessible::Name), QString::fromLatin1(name));
        EXPECT_EQ(bar->text(QAccessible::Description), description);
        QStringList seen;
        for (int i = 0; i < bar->childCount(); ++i) {
            QAccessibleInterface *child = bar->child(i);
            seen << child->text(QAccessible::Name) + u" / "_s + child->text(QAccessible::Description)
                        + (child->role() == QAccessible::Button ? u" button"_s : u" other"_s)
                        + (child->state().invisible ? u" invisible"_s : QString());
        }
        QStringList expected;
        for (QToolButton *b : buttonsOf(panel))
            expected << b->objectName() + u" / "_s + b->toolTip() + u" button"_s;
        EXPECT_EQ(seen, expected) << name;
    }
}

TEST_F(Toolbar, EveryImageHasANormalAndAGreyedStateAtAnyScale)
{
    const auto rows = {speedPanelRows(), extPanelRows()};
    QList<QImage> images;
    for (const auto &bar : rows) {
        for (const ToolButtonRow &row : bar) {
            const QIcon icon = glyphIcon(row.glyph);
            const QImage normal = icon.pixmap(QSize(16, 16), 1.0).toImage();
            const QImage sharp = icon.pixmap(QSize(16, 16), 2.0).toImage();
            const QImage grey = icon.pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage();
            EXPECT_EQ(normal.size(), QSize(16, 16)) << row.name;
            EXPECT_EQ(sharp.size(), QSize(32, 32)) << row.name;
            EXPECT_NE(grey, normal) << row.name;
            int drawn = 0;
            bool allGrey = true;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const QRgb g = grey.pixel(x, y);
                    drawn += qAlpha(normal.pixel(x, y)) > 0 ? 1 : 0;
                    allGrey = allGrey && (qAlpha(g) == 0 || (qRed(g) == qGreen(g) && qGreen(g) == qBlue(g)));
                }
            }
            EXPECT_GT(drawn, 20) << row.name;
            EXPECT_TRUE(allGrey) << row.name;
            EXPECT_FALSE(images.contains(normal)) << row.name << " looks like another button";
            images << normal;
        }
    }
    EXPECT_EQ(images.size(), 39);
}

} // namespace
