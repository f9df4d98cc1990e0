#include "main_form_fixture.h"

#include "app/program.h"

#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionTitleBar>

using namespace Qt::StringLiterals;

namespace {

const QString templateText = u"<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n<!-- Marquill 32 -->\r\n"
                             "</HEAD>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n"_s;

using MainForm = MainFormFixture;

TEST_F(MainForm, StartsAsAnEmptyFrameWithFourMenus)
{
    EXPECT_EQ(form->windowTitle(), u"Ｍａｒｑｕｉｌｌ"_s);
    EXPECT_TRUE(form->ClientArea->subWindowList().isEmpty());
    EXPECT_EQ(menuBarTitles(), (QStringList{u"ﾌｧｲﾙ(&F)"_s, u"ｵﾌﾟｼｮﾝ(&O)"_s, u"ｳｨﾝﾄﾞｳ(&W)"_s, u"ﾍﾙﾌﾟ(&H)"_s}));
    EXPECT_EQ(form->StatusPanel1->text(), u"挿入"_s);
    for (const char *name : {"WindowCascadeItem", "WindowTileItem", "WindowArrangeItem", "WindowMinimizeItem"})
        EXPECT_FALSE(entry(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_TRUE(entry(u"FileNewItem"_s)->isEnabled());
    EXPECT_FALSE(entry(u"N3"_s)->isVisible());
}

TEST_F(MainForm, NewTwiceGivesNumberedTemplateDocuments)
{
    trigger(u"FileNewItem"_s);
    TMDIChild *first = current();
    ASSERT_NE(first, nullptr);
    trigger(u"FileNewItem"_s);  // the document window's own New
    TMDIChild *second = current();
    ASSERT_NE(second, first);

    EXPECT_EQ(first->windowTitle(), u"New-1"_s);
    EXPECT_EQ(second->windowTitle(), u"New-2"_s);
    for (TMDIChild *doc : {first, second}) {
        EXPECT_EQ(docText(doc), templateText);
        EXPECT_FALSE(doc->isModified());
        EXPECT_TRUE(doc->fileName().isEmpty());
    }
    EXPECT_EQ(first->Tag, 1);
    EXPECT_EQ(second->Tag, 2);
    EXPECT_EQ(form->Documents.at(2), second);
    EXPECT_EQ(form->DocumentCounter, 2);
    EXPECT_TRUE(entry(u"WindowTileItem"_s)->isEnabled());
    // Seven tenths of the frame, width and height each.
    const QSize area = form->ClientArea->viewport()->size();
    EXPECT_EQ(first->size(), QSize(area.width() / 10 * 7, area.height() / 10 * 7));
}

TEST_F(MainForm, ADocumentWindowBringsItsMenusBeforeTheMainOnes)
{
    form->FileNewItemClick();
    EXPECT_EQ(menuBarTitles(), (QStringList{u"ﾌｧｲﾙ(&F)"_s, u"編集(&E)"_s, u"ﾀｸﾞ(&G)"_s, u"ﾂｰﾙ(&T)"_s,
                                            u"ｵﾌﾟｼｮﾝ(&O)"_s, u"ｳｨﾝﾄﾞｳ(&W)"_s, u"ﾍﾙﾌﾟ(&H)"_s}));
    EXPECT_NE(entry(u"FileSaveItem"_s), nullptr);  // the document's File menu
    current()->closeWithoutAsking();
    EXPECT_EQ(menuBarTitles(), (QStringList{u"ﾌｧｲﾙ(&F)"_s, u"ｵﾌﾟｼｮﾝ(&O)"_s, u"ｳｨﾝﾄﾞｳ(&W)"_s, u"ﾍﾙﾌﾟ(&H)"_s}));
    EXPECT_EQ(entry(u"FileSaveItem"_s), nullptr);
    EXPECT_FALSE(entry(u"WindowTileItem"_s)->isEnabled());
}

TEST_F(MainForm, NewNumbersByTheWindowsOpenNow)
{
    form->FileNewItemClick();
    TMDIChild *first = current();
    form->FileNewItemClick();
    first->closeWithoutAsking();
    form->FileNewItemClick();
    EXPECT_EQ(current()->windowTitle(), u"New-2"_s);
    EXPECT_EQ(current()->Tag, 3);
    EXPECT_EQ(form->Documents.at(1), nullptr);
}

TEST_F(MainForm, TheBudgetCountsWindowsMadeNotWindowsOpen)
{
    for (int i = 0; i < 100; ++i) {
        form->FileNewItemClick();
        ASSERT_NE(current(), nullptr);
        current()->closeWithoutAsking();
    }
    EXPECT_TRUE(form->Documents.filled().isEmpty());
    fake.messages.clear();
    form->FileNewItemClick();
    EXPECT_TRUE(form->ClientArea->subWindowList().isEmpty());
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(fake.messages[0].text, u"作業領域がとれません。プログラムを再起動してください。"_s);
}

TEST_F(MainForm, OpenLoadsTheFileAndRemembersIt)
{
    const QString file = path("Page.html");
    writeBytes(file, "<P>\x93\xfa\x96\x7b</P>\r\n");
    fake.openNames = {file};
    form->FileOpenItemClick();
    ASSERT_EQ(fake.openRequests.size(), 1);
    EXPECT_EQ(fake.openRequests[0].filter, u"HTMLﾌｧｲﾙ(*.htm*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*"_s);
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(docText(current()), u"<P>日本</P>\r\n"_s);
    EXPECT_EQ(current()->windowTitle(), file);
    EXPECT_EQ(current()->fileName(), file);
    EXPECT_FALSE(current()->isModified());
    EXPECT_EQ(form->Recent.at(0), file);
    EXPECT_TRUE(entry(u"OpenFile1"_s)->isVisible());
    EXPECT_EQ(entry(u"OpenFile1"_s)->text(), u"&0 "_s + file);
}

TEST_F(MainForm, OpeningAFileAlreadyOpenInAnyCaseWarns)
{
    const QString file = path("Page.html");
    writeBytes(file, "x");
    fake.openNames = {file, file.toUpper()};
    form->FileOpenItemClick();
    form->FileOpenItemClick();
    EXPECT_EQ(form->ClientArea->subWindowList().size(), 1);
    EXPECT_EQ(fake.messageTexts(), QStringList{u"このファイルはすでに開いています"_s});
    EXPECT_EQ(form->Recent.at(0), file);
    EXPECT_TRUE(form->Recent.at(1).isEmpty());
}

TEST_F(MainForm, OpeningANameThatIsNoFileMakesANamedNewDocument)
{
    const QString missing = path("gone.html");
    fake.openNames = {missing};
    trigger(u"FileOpenItem"_s);
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(current()->windowTitle(), missing);
    EXPECT_TRUE(current()->fileName().isEmpty());
    EXPECT_EQ(docText(current()), templateText);
    EXPECT_FALSE(current()->isModified());
    EXPECT_EQ(form->Recent.at(0), missing);
    EXPECT_EQ(entry(u"OpenFile1"_s)->text(), u"&0 "_s + missing);
    EXPECT_FALSE(QFile::exists(missing));

    // Having no file name, the document asks for one when saved.
    current()->txtDoc->insertPlainText(u"x"_s);
    const QString chosen = path("chosen.html");
    fake.saveNames = {chosen};
    trigger(u"FileSaveItem"_s);
    ASSERT_EQ(fake.saveRequests.size(), 1);
    EXPECT_EQ(fake.saveRequests[0].initialName, QString());
    EXPECT_EQ(current()->fileName(), chosen);
    EXPECT_EQ(current()->windowTitle(), chosen);
    EXPECT_EQ(readBytes(chosen), "x" + templateText.toUtf8());
}

TEST_F(MainForm, AnUnreadableFileLeavesNoWindowAndUsesNoSlot)
{
    QString file = path("locked.html");
    writeBytes(file, "secret");
    QFile::setPermissions(file, QFileDevice::Permissions());
    if (QFile probe(file); probe.open(QIODevice::ReadOnly))
        file = u"/proc/self/mem"_s;  // permissions do not stop root; this file cannot be read at 0
    EXPECT_EQ(form->OpenDocumentWindow(file), nullptr);
    EXPECT_EQ(form->DocumentCounter, 0);
    EXPECT_TRUE(form->ClientArea->subWindowList().isEmpty());
    EXPECT_EQ(fake.messageTexts(), QStringList{u"ﾌｧｲﾙ "_s + file + u" は開けません"_s});
}

TEST_F(MainForm, AFileNamedLikeTheNextNewDocumentIsLoaded)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(fake.folder.path());
    writeBytes(u"New-1"_s, "mine\r\n");
    form->FileNewItemClick();
    QDir::setCurrent(previous);
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(docText(current()), u"mine\r\n"_s);
    EXPECT_EQ(current()->fileName(), u"New-1"_s);
}

TEST_F(MainForm, TheStartupFileOpensWithoutTouchingTheRecentList)
{
    const QString file = path("start.html");
    writeBytes(file, "<B>");
    openStartupFiles(*form, {path("nothing-here.html")});
    EXPECT_TRUE(form->ClientArea->subWindowList().isEmpty());
    openStartupFiles(*form, {fake.folder.path()});  // a folder is no file
    EXPECT_TRUE(form->ClientArea->subWindowList().isEmpty());
    openStartupFiles(*form, {file});
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(current()->fileName(), file);
    EXPECT_TRUE(form->Recent.at(0).isEmpty());
}

TEST_F(MainForm, TheInsertKeyModeFollowsTheActiveWindow)
{
    form->FileNewItemClick();
    TMDIChild *first = current();
    form->FileNewItemClick();
    TMDIChild *second = current();

    form->ClientArea->setActiveSubWindow(first);
    QTest::keyClick(first->txtDoc, Qt::Key_Insert);
    EXPECT_EQ(form->StatusPanel1->text(), u"上書き"_s);
    EXPECT_TRUE(first->txtDoc->overwriteMode());
    form->ClientArea->setActiveSubWindow(second);
    EXPECT_EQ(form->StatusPanel1->text(), u"挿入"_s);
    form->ClientArea->setActiveSubWindow(first);
    EXPECT_EQ(form->StatusPanel1->text(), u"上書き"_s);
    QTest::keyClick(first->txtDoc, Qt::Key_Insert);
    EXPECT_EQ(form->StatusPanel1->text(), u"挿入"_s);
    EXPECT_EQ(first->TypingMode(), 0);
}

TEST_F(MainForm, ExitAsksEveryDocumentAndACancelStopsIt)
{
    form->FileNewItemClick();
    TMDIChild *first = current();
    first->txtDoc->insertPlainText(u"edit"_s);
    form->FileNewItemClick();
    current()->txtDoc->insertPlainText(u"edit"_s);

    fake.answers = {Answer::No, Answer::Cancel};
    form->FileExitItemClick();
    EXPECT_EQ(form->ClientArea->subWindowList().size(), 2);
    EXPECT_EQ(fake.messages.size(), 2);
    EXPECT_FALSE(QFile::exists(fake.configFilePath()));

    fake.answers = {Answer::No, Answer::No};
    form->FileExitItemClick();
    EXPECT_TRUE(form->ClientArea->subWindowList().isEmpty());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(QFile::exists(fake.configFilePath()));
}

TEST_F(MainForm, ExitIsAbandonedWhenASaveIsCancelled)
{
    form->FileNewItemClick();
    current()->txtDoc->insertPlainText(u"edit"_s);
    fake.answers = {Answer::Yes};  // then the name dialog is cancelled
    form->FileExitItemClick();
    EXPECT_TRUE(form->isVisible());
    ASSERT_NE(current(), nullptr);
    EXPECT_TRUE(current()->isModified());
}

TEST_F(MainForm, SavingPutsTheFileInFrontOfTheRecentList)
{
    form->FileNewItemClick();
    TMDIChild *doc = current();
    doc->txtDoc->insertPlainText(u"x"_s);
    const QString file = path("saved.html");
    fake.saveNames = {file};
    trigger(u"FileSaveItem"_s);
    EXPECT_EQ(form->Recent.at(0), file);
    EXPECT_TRUE(entry(u"N22"_s)->isVisible());
    EXPECT_EQ(entry(u"OpenFile1"_s)->text(), u"&0 "_s + file);
}

TEST_F(MainForm, ARecentEntryOpensItsFileUnlessItIsOpen)
{
    const QString a = path("a.html");
    const QString b = path("b.html");
    writeBytes(a, "A");
    form->Recent.set(0, b);
    form->Recent.set(1, a);
    form->UpdateRecentMenu();
    EXPECT_EQ(entry(u"OpenFile2"_s)->text(), u"&1 "_s + a);

    entry(u"OpenFile2"_s)->trigger();
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(docText(current()), u"A"_s);
    EXPECT_EQ(form->Recent.at(0), a);
    EXPECT_EQ(form->Recent.at(1), b);

    // The document window's own entry, for the file that is open now.
    entry(u"OpenFile1"_s)->trigger();
    EXPECT_EQ(fake.messageTexts(), QStringList{u"すでに開いています"_s});
    EXPECT_EQ(form->Recent.at(0), a);
    EXPECT_EQ(form->ClientArea->subWindowList().size(), 1);
}

TEST_F(MainForm, TheDisplayFontAppliesToWindowsMadeAfterwards)
{
    form->FileNewItemClick();
    TMDIChild *before = current();
    const QFont oldFont = before->txtDoc->font();
    EXPECT_EQ(oldFont.pointSize(), 11);
    fake.fonts = {QFont(u"IPAGothic"_s, 16)};
    trigger(u"FontItem"_s);
    ASSERT_EQ(fake.fontRequests.size(), 1);
    EXPECT_EQ(fake.fontRequests[0].pointSize(), 11);
    form->FileNewItemClick();
    EXPECT_EQ(current()->txtDoc->font().pointSize(), 16);
    EXPECT_EQ(current()->txtDoc->font().family(), u"IPAGothic"_s);
    EXPECT_EQ(before->txtDoc->font().pointSize(), 11);
}

TEST_F(MainForm, HelpOpensTheHelpFileBesideTheProgramAtItsContents)
{
    trigger(u"HelpMokujiItem"_s);
    ASSERT_EQ(fake.helpRequests.size(), 1);
    EXPECT_EQ(fake.helpRequests[0].first, fake.programFolder() + u"marquill.html"_s);
    EXPECT_EQ(fake.helpRequests[0].second, 1);
}

TEST_F(MainForm, WindowCommandsArrangeTheDocuments)
{
    form->FileNewItemClick();
    TMDIChild *first = current();
    form->FileNewItemClick();
    TMDIChild *second = current();

    trigger(u"WindowTileItem"_s);
    const QSize area = form->ClientArea->viewport()->size();
    EXPECT_EQ(first->geometry().width(), area.width());
    EXPECT_EQ(first->geometry().top(), 0);
    EXPECT_EQ(second->geometry().top(), first->geometry().bottom() + 1);

    trigger(u"WindowMinimizeItem"_s);
    EXPECT_TRUE(first->isMinimized());
    EXPECT_TRUE(second->isMinimized());
    trigger(u"WindowArrangeItem"_s);
    EXPECT_EQ(first->geometry().bottom(), area.height() - 1);
    EXPECT_EQ(second->geometry().left(), first->geometry().right() + 1);
}

// Cascade: the windows that are not minimised, in the order they were made,
// one title bar apart, each as large as the cascade leaves room for; the
// active one (restored if it was maximised) on top and still active.
TEST_F(MainForm, CascadeStepsOneTitleBarAndKeepsTheWindowsLarge)
{
    struct Row {
        int windows;
        int active;
        bool maximized;
        int minimized;  // -1: none
    };
    for (const Row row : {Row{1, 0, false, -1}, Row{4, 1, true, 2}, Row{10, 4, false, -1}}) {
        SCOPED_TRACE(row.windows);
        start();  // a fresh frame
        const QSize area(960, 580);
        form->resize(form->size() + (area - form->ClientArea->viewport()->size()));
        ASSERT_EQ(form->ClientArea->viewport()->size(), area);
        QList<TMDIChild *> made;
        for (int i = 0; i < row.windows; ++i) {
            form->FileNewItemClick();
            made << current();
        }
        QList<QMdiSubWindow *> cascaded;
        for (int i = 0; i < row.windows; ++i) {
            if (i != row.minimized)
                cascaded << made[i];
        }
        if (row.minimized >= 0)
            made[row.minimized]->showMinimized();
        TMDIChild *active = made[row.active];
        form->ClientArea->setActiveSubWindow(active);
        if (row.maximized)
            active->showMaximized();

        trigger(u"WindowCascadeItem"_s);

        QStyleOptionTitleBar option;
        option.initFrom(active);
        option.titleBarFlags = active->windowFlags();
        const int step = active->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, active);
        ASSERT_GT(step, 0);
        const int n = int(cascaded.size());
        const QSize size = area - QSize((n - 1) * step, (n - 1) * step);
        for (int i = 0; i < n; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(cascaded[i]->geometry(), QRect(QPoint(i * step, i * step), size));
            EXPECT_TRUE(QRect(QPoint(), area).contains(cascaded[i]->geometry()));
            EXPECT_FALSE(cascaded[i]->isMaximized());
        }
        if (row.minimized >= 0) {
            EXPECT_TRUE(made[row.minimized]->isMinimized());
        }

        // Made order from the bottom up, the active window last.
        QList<QMdiSubWindow *> stacking;
        for (QMdiSubWindow *w : form->ClientArea->subWindowList(QMdiArea::StackingOrder)) {
            if (cascaded.contains(w))
                stacking << w;
        }
        QList<QMdiSubWindow *> expected = cascaded;
        expected.removeOne(active);
        expected << active;
        EXPECT_EQ(stacking, expected);
        EXPECT_EQ(current(), active);
    }
}

// More windows than the area has title bars for: the cascade starts again at
// the top left rather than shrink the windows below half the area.
TEST_F(MainForm, ALongCascadeStartsAgainAtTheTopLeft)
{
    const QSize area(600, 400);
    form->resize(form->size() + (area - form->ClientArea->viewport()->size()));
    ASSERT_EQ(form->ClientArea->viewport()->size(), area);
    for (int i = 0; i < 30; ++i)
        form->FileNewItemClick();
    trigger(u"WindowCascadeItem"_s);

    const QList<QMdiSubWindow *> windows = form->ClientArea->subWindowList(QMdiArea::CreationOrder);
    const int step = windows[1]->y() - windows[0]->y();
    ASSERT_GT(step, 0);
    int restarts = 0;
    for (qsizetype i = 0; i < windows.size(); ++i) {
        SCOPED_TRACE(i);
        const QRect g = windows[i]->geometry();
        EXPECT_TRUE(QRect(QPoint(), area).contains(g));
        EXPECT_EQ(g.size(), windows[0]->size());
        EXPECT_GE(g.width(), area.width() / 2);
        EXPECT_GE(g.height(), area.height() / 2);
        EXPECT_EQ(g.x(), g.y());
        if (i == 0)
            continue;
        if (g.topLeft() == QPoint(0, 0)) {
            ++restarts;
        } else {
            EXPECT_EQ(g.y(), windows[i - 1]->y() + step);
        }
    }
    EXPECT_GE(restarts, 1);
}

} // namespace

#include "app/about_box.h"

#include <QPushButton>

namespace {

TEST_F(MainForm, TheVersionBoxShowsModallyAndClosesWithOk)
{
    QString title;
    bool modal = false;
    whenShown<TAboutBox>([&](TAboutBox &box) {
        title = box.windowTitle();
        modal = box.isModal();
        box.OKBtn->click();
    });
    trigger(u"HelpAboutItem"_s);
    EXPECT_EQ(title, u"ﾊﾞｰｼﾞｮﾝ情報"_s);
    EXPECT_TRUE(modal);
    EXPECT_FALSE(form->AboutBox->isVisible());
}

} // namespace

namespace {

TEST_F(MainForm, TheWindowMenuListsTheOpenWindowsAndSwitchesBetweenThem)
{
    form->FileNewItemClick();
    TMDIChild *first = current();
    form->FileNewItemClick();
    QMenu *windowMenu = entry(u"WindowCascadeItem"_s)->associatedObjects().isEmpty()
        ? nullptr
        : qobject_cast<QMenu *>(entry(u"WindowCascadeItem"_s)->associatedObjects().first());
    ASSERT_NE(windowMenu, nullptr);
    Q_EMIT windowMenu->aboutToShow();
    QStringList listed;
    QAction *firstEntry = nullptr;
    for (QAction *action : windowMenu->actions()) {
        if (action->isCheckable()) {
            listed << action->text() + (action->isChecked() ? u" *"_s : QString());
            if (!firstEntry)
                firstEntry = action;
        }
    }
    EXPECT_EQ(listed, (QStringList{u"&1 New-1"_s, u"&2 New-2 *"_s}));
    ASSERT_NE(firstEntry, nullptr);
    firstEntry->trigger();
    EXPECT_EQ(current(), first);

    Q_EMIT windowMenu->aboutToShow();  // rebuilt, not appended
    int entries = 0;
    for (QAction *action : windowMenu->actions())
        entries += action->isCheckable() ? 1 : 0;
    EXPECT_EQ(entries, 2);
}

} // namespace
