#include "main_form_fixture.h"

#include "document/file_commands.h"
#include "support/file_bytes.h"

#include <QLabel>
#include <QStatusBar>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

class StatusBar : public MainFormFixture
{
protected:
    QString panel(const char *name) const
    {
        const auto *label = form->statusBar()->findChild<QLabel *>(QString::fromLatin1(name));
        return label ? label->text() : u"<no panel>"_s;
    }

    // Every panel of the bar, left to right.
    QStringList panels() const
    {
        return {panel("StatusCaret"), panel("StatusModified"), panel("StatusEncoding"),
                form->StatusPanel1->text()};
    }

    void putCaret(TMDIChild *doc, int line, int column)
    {
        QTextCursor cursor(doc->txtDoc->document()->findBlockByNumber(line));
        cursor.setPosition(cursor.position() + column);
        doc->txtDoc->setTextCursor(cursor);
    }

    void activate(TMDIChild *doc) { form->ClientArea->setActiveSubWindow(doc); }
};

TEST_F(StatusBar, EmptyWithoutADocumentAndInTheOrderOfTheBar)
{
    EXPECT_EQ(panels(), (QStringList{{}, {}, {}, u"挿入"_s}));
    form->FileNewItemClick();
    EXPECT_EQ(panels(), (QStringList{u"1 行 1 列"_s, {}, u"Shift_JIS"_s, u"挿入"_s}));
    // Left to right: the message panel, ours, then the typing mode.
    const QStatusBar *bar = form->statusBar();
    const int caretX = bar->findChild<QLabel *>(u"StatusCaret"_s)->x();
    const int encodingX = bar->findChild<QLabel *>(u"StatusEncoding"_s)->x();
    EXPECT_LT(form->StatusPanel0->x(), caretX);
    EXPECT_LT(caretX, encodingX);
    EXPECT_LT(encodingX, form->StatusPanel1->x());

    current()->closeWithoutAsking();
    EXPECT_EQ(panels(), (QStringList{{}, {}, {}, u"挿入"_s}));
}

TEST_F(StatusBar, CaretAndChangesFollowTheActiveWindow)
{
    form->FileNewItemClick();
    TMDIChild *first = current();
    form->FileNewItemClick();
    TMDIChild *second = current();

    putCaret(first, 2, 5);
    EXPECT_EQ(panel("StatusCaret"), u"1 行 1 列"_s) << "the inactive window moved its caret";
    QTest::keyClicks(second->txtDoc, u"abc"_s);
    QTest::keyClick(second->txtDoc, Qt::Key_Return);
    QTest::keyClicks(second->txtDoc, u"de"_s);
    EXPECT_EQ(panels(), (QStringList{u"2 行 3 列"_s, u"更新"_s, u"Shift_JIS"_s, u"挿入"_s}));

    activate(first);
    EXPECT_EQ(panels(), (QStringList{u"3 行 6 列"_s, {}, u"Shift_JIS"_s, u"挿入"_s}));
    // Typing in the window no longer active shows nowhere.
    QTest::keyClicks(second->txtDoc, u"xyz"_s);
    EXPECT_EQ(panel("StatusCaret"), u"3 行 6 列"_s);
    EXPECT_EQ(panel("StatusModified"), QString());

    activate(second);
    EXPECT_EQ(panel("StatusCaret"), u"2 行 6 列"_s);
    second->closeWithoutAsking();
    EXPECT_EQ(current(), first);
    EXPECT_EQ(panels(), (QStringList{u"3 行 6 列"_s, {}, u"Shift_JIS"_s, u"挿入"_s}));
}

TEST_F(StatusBar, ChangesShowUntilSavedAndAfterUndoingAnInsertion)
{
    const QString file = path("page.html");
    writeBytes(file, "<P></P>\r\n");
    fake.openNames = {file};
    form->FileOpenItemClick();
    TMDIChild *doc = current();
    EXPECT_EQ(panel("StatusModified"), QString());
    putCaret(doc, 0, 3);
    QTest::keyClicks(doc->txtDoc, u"x"_s);
    EXPECT_EQ(panel("StatusModified"), u"更新"_s);
    ASSERT_TRUE(saveDocument(*doc));
    EXPECT_EQ(panel("StatusModified"), QString());

    // A tag inserted without the editor's own undo marks the page too.
    doc->StartTag = u"<B>"_s;
    doc->EndTag = u"</B>"_s;
    doc->InsertTagPair(InsertMode::ReplaceSelection);
    EXPECT_EQ(panel("StatusModified"), u"更新"_s);
    EXPECT_EQ(panel("StatusCaret"), u"1 行 12 列"_s);
}

TEST_F(StatusBar, ColumnsCountCharactersNotUnits)
{
    form->FileNewItemClick();
    TMDIChild *doc = current();
    doc->txtDoc->selectAll();
    doc->txtDoc->insertPlainText(u"😀日😀\tb\n"_s);
    putCaret(doc, 0, 5);  // after "😀日😀": five UTF-16 units
    EXPECT_EQ(panel("StatusCaret"), u"1 行 4 列"_s);
    putCaret(doc, 0, 7);
    EXPECT_EQ(panel("StatusCaret"), u"1 行 6 列"_s);
    putCaret(doc, 1, 0);
    EXPECT_EQ(panel("StatusCaret"), u"2 行 1 列"_s);
}

} // namespace
