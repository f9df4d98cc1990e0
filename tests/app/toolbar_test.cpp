#include "main_form_fixture.h"

#include "dialogs/attribute_dialog.h"
#include "dialogs/links/url_dialog.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <set>
#include <tuple>
#include <span>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

enum Kind { Built, Later };

struct Button {
    Kind kind;
    const char *name;
    const char *tooltip;
    int x;
};

// Left edges as the layout rules give them; every button is 23 × 23 at y = 2.
const Button basicBar[] = {
    {Built, "SpeedButton1", "新規作成", 10},
    {Built, "SpeedButton2", "開く", 33},
    {Built, "SaveBtn", "上書き保存", 56},
    {Built, "CutBtn", "切り取り", 83},
    {Built, "CopyBtn", "コピー", 106},
    {Built, "PasteBtn", "貼り付け", 129},
    {Built, "UndoBtn", "やり直し", 156},
    {Built, "FontBtn", "サイズと色", 183},
    {Built, "BoldBtn", "太文字", 206},
    {Built, "ItaricBtn", "斜体", 229},
    {Built, "LinkBtn", "リンク", 256},
    {Built, "ImageBtn", "イメージ", 283},
    {Built, "LeftBtn", "左寄せ", 310},
    {Built, "CenterBtn", "中央", 333},
    {Built, "RightBtn", "右寄せ", 356},
    {Built, "LineBtn", "横罫線", 383},
    {Built, "LfBtn", "改行", 410},
    {Built, "SpeedButton4", "段落", 433},
    {Built, "NolistBtn", "番号順リスト", 460},
    {Built, "ListBtn", "マーク付きリスト", 483},
    {Built, "BrowserBtn", "ブラウザで表示", 510},
    {Built, "SpeedButton3", "終了", 537},
};

const Button extendedBar[] = {
    {Built, "TextboxBtn", "テキストボックス", 10},
    {Built, "MemoBtn", "複数行入力フィールド", 33},
    {Built, "CheckBtn", "チェックボックス", 56},
    {Built, "OptionBtn", "ラジオボタン", 79},
    {Built, "OkBtn", "転送ボタン", 102},
    {Built, "ClearBtn", "リセットボタン", 125},
    {Built, "ListboxBtn", "リストボックス", 148},
    {Built, "DropdownBtn", "ドロップダウンリストボックス", 171},
    {Built, "MarqueeBtn", "マーキー", 198},
    {Built, "ColorBtn", "色", 225},
    {Built, "CommentBtn", "コメント", 283},
    {Built, "IndentBtn", "インデント", 310},
    {Built, "MLineBtn", "いろいろな横罫線", 383},
    {Built, "HyoBtn", "表", 410},
    {Built, "FrameBtn", "フレーム領域", 433},
    {Built, "TileBtn", "並べて表示", 460},
    {Built, "CascadeBtn", "重ねて表示", 483},
};

const std::set<QString> needNoDocument = {u"SpeedButton1"_s, u"SpeedButton2"_s, u"SpeedButton3"_s};
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
    for (const Button &b : bar) {
        if (b.kind == Built)
            lines << u"%1 (%2,2 23x23) %3"_s.arg(QString::fromLatin1(b.name)).arg(b.x).arg(QString::fromUtf8(b.tooltip));
    }
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

// What a command left behind in its document window.
struct Outcome {
    QString text;
    int anchor = 0;
    int position = 0;
    bool modified = false;
    bool hasFileName = false;
    QString clipboard;
    QStringList messages;
    bool operator==(const Outcome &) const = default;
};

void PrintTo(const Outcome &o, std::ostream *os)
{
    *os << '"' << o.text.toStdString() << "\" sel " << o.anchor << '-' << o.position
        << (o.modified ? " modified" : "") << (o.hasFileName ? " saved" : "") << " clip \""
        << o.clipboard.toStdString() << "\" asked " << o.messages.join(u'/').toStdString();
}

struct Forwarding {
    const char *button;
    const char *entry;
    // Sets up what the command asks for, before it runs.
    std::function<void(FakePlatform &, int run)> prepare;
    // The text afterwards where it is worth stating.
    const char16_t *text = nullptr;
};

void noSetup(FakePlatform &, int) {}

// Takes what the command's dialog offers as soon as it shows.
void acceptDialog(FakePlatform &, int)
{
    QTimer::singleShot(0, [] {
        auto *dlg = qobject_cast<TAttributeDialog *>(QApplication::activeModalWidget());
        if (!dlg) {
            ADD_FAILURE() << "the command's dialog is not showing";
            if (QWidget *other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        dlg->OKBtn->click();
    });
}

// Links the selection to next.htm in the link dialog.
void linkToNext(FakePlatform &, int)
{
    QTimer::singleShot(0, [] {
        auto *dlg = qobject_cast<TfrmUrl *>(QApplication::activeModalWidget());
        if (!dlg) {
            ADD_FAILURE() << "the link dialog is not showing";
            if (QWidget *other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        dlg->txtFilename->setText(u"next.htm"_s);
        dlg->OKBtn->click();
    });
}

class ToolbarForwarding : public Toolbar, public ::testing::WithParamInterface<Forwarding>
{
protected:
    Outcome outcomeIn(TMDIChild *doc)
    {
        return {docText(doc),
                doc->txtDoc->textCursor().anchor(),
                doc->txtDoc->textCursor().position(),
                doc->isModified(),
                !doc->fileName().isEmpty(),
                QGuiApplication::clipboard()->text(),
                fake.messageTexts()};
    }

    TMDIChild *freshDocument(int run)
    {
        form->FileNewItemClick();
        TMDIChild *doc = current();
        doc->txtDoc->setPlainText(u"xabcy abc"_s);
        doc->setModified(false);
        // A tag insertion first, for Undo to take back: x<STRONG>abc</STRONG>y abc
        select(doc, 1, 4);
        trigger(u"FontStrong"_s);
        select(doc, 9, 12);
        QGuiApplication::clipboard()->setText(u"clip"_s);
        fake.messages.clear();
        GetParam().prepare(fake, run);
        return doc;
    }

    static void select(TMDIChild *doc, int anchor, int position)
    {
        QTextCursor cursor = doc->txtDoc->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        doc->txtDoc->setTextCursor(cursor);
    }
};

TEST_P(ToolbarForwarding, DoesWhatItsMenuEntryDoesInTheActiveDocument)
{
    const Forwarding &f = GetParam();
    TMDIChild *byMenu = freshDocument(0);
    trigger(QString::fromLatin1(f.entry));
    const Outcome menuOutcome = outcomeIn(byMenu);

    TMDIChild *byButton = freshDocument(1);
    ASSERT_NE(byButton, byMenu);
    QToolButton *b = button(f.button);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isEnabled());
    b->click();
    EXPECT_EQ(outcomeIn(byButton), menuOutcome);
    EXPECT_EQ(docText(byMenu), menuOutcome.text);  // the other window is left alone
    if (f.text) {
        EXPECT_EQ(docText(byButton), QString::fromUtf16(f.text));
    }
}

// Every document button beside its menu entry; a button is tried once it
// is shown (Built in the bar tables above).
const Forwarding forwardings[] = {
    {"SaveBtn", "FileSaveItem",
     [](FakePlatform &fake, int run) { fake.saveNames = {fake.folder.filePath(u"saved%1.html"_s.arg(run))}; }},
    {"CutBtn", "CutItem", noSetup, u"x<STRONG></STRONG>y abc"},
    {"CopyBtn", "CopyItem", noSetup},
    {"PasteBtn", "PasteItem", noSetup, u"x<STRONG>clip</STRONG>y abc"},
    {"UndoBtn", "UndoItem", noSetup, u"xabcy abc"},
    {"FontBtn", "FontColor", acceptDialog},
    {"BoldBtn", "FontBold", noSetup, u"x<STRONG><B>abc</B></STRONG>y abc"},
    {"ItaricBtn", "FontItaric", noSetup, u"x<STRONG><I>abc</I></STRONG>y abc"},
    {"LinkBtn", "LinkOtherDoc", linkToNext, u"x<STRONG><A HREF=\"next.htm\">abc</A></STRONG>y abc"},
    {"ImageBtn", "ImageImage", acceptDialog, u"x<STRONG><IMG SRC=\"\">abc</STRONG>y abc"},
    {"LeftBtn", "PositionLeft", noSetup},
    {"CenterBtn", "PositionCenter", noSetup, u"x<STRONG><center>abc</center></STRONG>y abc"},
    {"RightBtn", "PositionRight", noSetup},
    {"LineBtn", "Keisen", noSetup},
    {"LfBtn", "Lf", noSetup, u"x<STRONG>abc<BR></STRONG>y abc"},
    {"SpeedButton4", "Danraku", [](FakePlatform &fake, int) { fake.answers = {Answer::Yes}; },
     u"x<STRONG><P ALIGN=center>abc</P>\r\n</STRONG>y abc"},
    {"NolistBtn", "ListNumber", acceptDialog},
    {"ListBtn", "ListMark", acceptDialog},
    {"TextboxBtn", "FormTextbox", acceptDialog,
     u"x<STRONG><INPUT TYPE=\"text\" SIZE=\"\" Name=\"\">abc</STRONG>y abc"},
    {"MemoBtn", "FormMultiline", acceptDialog,
     u"x<STRONG><TEXTAREA ROWS= COLS= NAME=\"\">abc</TEXTAREA></STRONG>y abc"},
    {"CheckBtn", "FormCheckbox", acceptDialog,
     u"x<STRONG><INPUT TYPE=\"checkbox\" NAME=\"\" VALUE=\"\">abc</STRONG>y abc"},
    {"OptionBtn", "FormRadiobutton", acceptDialog,
     u"x<STRONG><INPUT TYPE=\"radio\" NAME=\"\" VALUE=\"\">abc</STRONG>y abc"},
    {"OkBtn", "FormSubmit", [](FakePlatform &fake, int) { fake.inputs = {u"送信"_s}; },
     u"x<STRONG><INPUT TYPE=\"submit\" VALUE=\"送信\">abc</STRONG>y abc"},
    {"ClearBtn", "FormReset", [](FakePlatform &fake, int) { fake.inputs = {u"取消"_s}; },
     u"x<STRONG><INPUT TYPE=\"reset\" VALUE=\"取消\">abc</STRONG>y abc"},
    {"MarqueeBtn", "MMMarquee", acceptDialog, u"x<STRONG><MARQUEE>abc</MARQUEE>\r\n</STRONG>y abc"},
    {"ColorBtn", "Color", acceptDialog, u"x<STRONG>000000</STRONG>y abc"},
    {"CommentBtn", "FontComment", noSetup},
    {"IndentBtn", "PositionIndent", noSetup, u"x<STRONG><UL>abc</UL></STRONG>y abc"},
    {"MLineBtn", "PageKeisen", acceptDialog},
    {"HyoBtn", "HyoCreate", acceptDialog},
    {"FrameBtn", "FrameFrameSet", acceptDialog,
     u"x<STRONG><FRAMESET COLS=\"100%\">abc</FRAMESET>\r\n</STRONG>y abc"},
    {"ListboxBtn", "FormListbox", acceptDialog,
     u"x<STRONG><SELECT NAME=\"\">\r\n<OPTION>\r\n<OPTION>\r\n<OPTION>\r\n</SELECT>abc</STRONG>y abc"},
    {"DropdownBtn", "FormDropdownlist", acceptDialog,
     u"x<STRONG><SELECT NAME=\"\">\r\n</SELECT>abc</STRONG>y abc"},
    // Saved under a name of its own, then no browser is chosen yet.
    {"BrowserBtn", "ToolDsp",
     [](FakePlatform &fake, int run) {
         fake.answers = {Answer::Yes};
         fake.saveNames = {fake.folder.filePath(u"shown%1.html"_s.arg(run))};
     }},
};

bool shownInTables(const char *name)
{
    for (const auto &bar : {std::span<const Button>(basicBar), std::span<const Button>(extendedBar)}) {
        for (const Button &b : bar) {
            if (QByteArray(b.name) == name)
                return b.kind == Built;
        }
    }
    return false;
}

std::vector<Forwarding> shownForwardings()
{
    std::vector<Forwarding> shown;
    for (const Forwarding &f : forwardings) {
        if (shownInTables(f.button))
            shown.push_back(f);
    }
    return shown;
}

INSTANTIATE_TEST_SUITE_P(
    EveryDocumentButton, ToolbarForwarding, ::testing::ValuesIn(shownForwardings()),
    [](const ::testing::TestParamInfo<Forwarding> &info) { return std::string(info.param.button); });

TEST_F(Toolbar, EveryShownDocumentButtonIsTriedAgainstItsMenuEntry)
{
    std::set<QString> tried = {u"TileBtn"_s, u"CascadeBtn"_s};
    for (const Forwarding &f : shownForwardings())
        tried.insert(QString::fromLatin1(f.button));
    for (QToolButton *b : allButtons()) {
        if (!needNoDocument.contains(b->objectName())) {
            EXPECT_TRUE(tried.contains(b->objectName())) << b->objectName().toStdString();
        }
    }
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
