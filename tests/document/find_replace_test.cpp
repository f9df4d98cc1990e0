#include "document/edit_commands.h"
#include "document/file_commands.h"
#include "document/find_dialogs.h"
#include "support/doc_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class FindReplaceTest : public DocFixture
{
protected:
    void setFind(TFindDialog &dialog, const QString &text, bool down = true, bool matchCase = false,
                 bool wholeWord = false)
    {
        dialog.txtFind->setText(text);
        (down ? dialog.optDown : dialog.optUp)->setChecked(true);
        dialog.chkMatchCase->setChecked(matchCase);
        dialog.chkWholeWord->setChecked(wholeWord);
    }

    void setReplace(const QString &find, const QString &replacement, bool down = true,
                    bool matchCase = false)
    {
        setFind(replaceDialogOf(*doc), find, down, matchCase);
        replaceDialogOf(*doc).txtReplace->setText(replacement);
    }
};

TEST_F(FindReplaceTest, F3BeforeAnySearchReportsEmptyQuotes)
{
    setText(u"abc"_s);
    SearchNextItemClick(*doc, nullptr);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].text, u"検索文字列 \"\" は見つかりませんでした"_s);
    EXPECT_EQ(fake.messages[0].title, u"Marquill 32"_s);
    EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
}

TEST_F(FindReplaceTest, FindNextSelectsTheMatchAfterTheSelectionAndClosesTheDialog)
{
    setText(u"abc xabc\r\nabc"_s);
    select(0, 3);
    SearchItemClick(*doc, nullptr);
    TFindDialog &dialog = findDialogOf(*doc);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.findText(), u"abc"_s);  // taken from the selection

    dialog.cmdFindNext->click();
    EXPECT_EQ(doc->txtDoc->textCursor().selectionStart(), 5);
    EXPECT_EQ(selected(), u"abc"_s);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(fake.messages.isEmpty());
    EXPECT_FALSE(doc->isModified());

    SearchNextItemClick(*doc, nullptr);  // F3 goes on with the same text, across the line break
    EXPECT_EQ(doc->txtDoc->textCursor().selectionStart(), 9);
    SearchNextItemClick(*doc, nullptr);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].text, u"検索文字列 \"abc\" は見つかりませんでした"_s);
    EXPECT_EQ(doc->txtDoc->textCursor().selectionStart(), 9);  // kept on a miss
}

TEST_F(FindReplaceTest, SearchingUpAndWithOptions)
{
    setText(u"ABC abc abcd"_s);
    select(12, 12);
    setFind(findDialogOf(*doc), u"abc"_s, false, true, true);
    Find(*doc);
    EXPECT_EQ(doc->txtDoc->textCursor().selectionStart(), 4);
    setFind(findDialogOf(*doc), u"abc"_s, false, false, false);
    Find(*doc);
    EXPECT_EQ(doc->txtDoc->textCursor().selectionStart(), 0);
}

TEST_F(FindReplaceTest, FindNextAndReplaceSeeWhatWasTypedSinceTheLastSearch)
{
    setText(u"abc xyz"_s);
    setFind(findDialogOf(*doc), u"abc"_s);
    Find(*doc);
    ASSERT_EQ(doc->txtDoc->textCursor().selectionStart(), 0);

    // The same length as before: only the change itself can tell.
    select(4, 7);
    QTest::keyClicks(doc->txtDoc, u"abc"_s);
    ASSERT_EQ(text(), u"abc abc"_s);
    select(0, 3);
    SearchNextItemClick(*doc, nullptr);
    EXPECT_EQ(doc->txtDoc->textCursor().selectionStart(), 4);
    EXPECT_TRUE(fake.messages.isEmpty());

    select(7, 7);
    QTest::keyClicks(doc->txtDoc, u" ABC"_s);
    select(0, 0);
    setReplace(u"abc"_s, u"-"_s);
    ReplaceDialogReplace(*doc, true);
    EXPECT_EQ(text(), u"- - -"_s);
}

TEST_F(FindReplaceTest, SearchDialogTakesOnlyTheFirstLineOfAMultiLineSelection)
{
    setText(u"first\r\nsecond"_s);
    select(2, 10);
    ReplaceItemClick(*doc, nullptr);
    EXPECT_EQ(replaceDialogOf(*doc).findText(), u"rst"_s);
    EXPECT_TRUE(replaceDialogOf(*doc).isVisible());
}

TEST_F(FindReplaceTest, ReplaceIgnoresCaseForTheSelectionThenSelectsTheNextMatch)
{
    setText(u"Abc abc abc"_s);
    select(0, 3);
    setReplace(u"abc"_s, u"XY"_s, true, true);
    replaceDialogOf(*doc).cmdReplace->click();
    EXPECT_EQ(text(), u"XY abc abc"_s);
    EXPECT_EQ(doc->txtDoc->textCursor().selectionStart(), 3);
    EXPECT_EQ(selected(), u"abc"_s);
    EXPECT_TRUE(doc->isModified());

    replaceDialogOf(*doc).cmdReplace->click();
    replaceDialogOf(*doc).cmdReplace->click();
    EXPECT_EQ(text(), u"XY XY XY"_s);
    EXPECT_EQ(caret(), 8);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].text, u"検索文字列 \"abc\" は見つかりませんでした"_s);
}

TEST_F(FindReplaceTest, ReplaceAllFromTheMiddleGoesDownOnlyAndSilently)
{
    setText(u"ab ab\r\nab ab ab"_s);
    select(4, 4);
    setReplace(u"ab"_s, u"<ab>"_s);
    replaceDialogOf(*doc).cmdReplaceAll->click();
    EXPECT_EQ(text(), u"ab ab\r\n<ab> <ab> <ab>"_s);
    EXPECT_EQ(caret(), int(text().size()) - 1);
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(FindReplaceTest, ReplaceAllUpNeverSearchesItsOwnReplacement)
{
    setText(u"a a a"_s);
    select(3, 3);
    setReplace(u"a"_s, u"aa"_s, false);
    ReplaceDialogReplace(*doc, true);
    EXPECT_EQ(text(), u"aa aa a"_s);
}

TEST_F(FindReplaceTest, ReplaceAllReplacesTheSelectedMatchToo)
{
    setText(u"日本abc語abcABC"_s);
    select(2, 5);
    setReplace(u"abc"_s, u"ｘ"_s);
    ReplaceDialogReplace(*doc, true);
    EXPECT_EQ(text(), u"日本ｘ語ｘｘ"_s);
}

TEST_F(FindReplaceTest, ReplacementsLeaveNoUndoOfTheEditorsOwn)
{
    setText(u"one two"_s);
    select(0, 0);
    doc->StartTag = u"<B>"_s;
    doc->InsertTagPair(InsertMode::BeforeSelection);
    ASSERT_EQ(text(), u"<B>one two"_s);
    setReplace(u"two"_s, u"2"_s);
    ReplaceDialogReplace(*doc, true);
    ASSERT_EQ(text(), u"<B>one 2"_s);
    EXPECT_FALSE(doc->txtDoc->document()->isUndoAvailable());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"one two"_s);
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"<B>one 2"_s);
}

TEST_F(FindReplaceTest, ReplaceDialogFindReportsAMissAndStaysOpen)
{
    setText(u"abc"_s);
    ReplaceItemClick(*doc, nullptr);
    setReplace(u"zz"_s, u""_s);
    replaceDialogOf(*doc).cmdFindNext->click();
    EXPECT_TRUE(replaceDialogOf(*doc).isVisible());
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].text, u"検索文字列 \"zz\" は見つかりませんでした"_s);
}

TEST_F(FindReplaceTest, FindButtonsWaitForAFindText)
{
    TReplaceDialog &dialog = replaceDialogOf(*doc);
    dialog.txtFind->clear();
    EXPECT_FALSE(dialog.cmdFindNext->isEnabled());
    EXPECT_FALSE(dialog.cmdReplace->isEnabled());
    EXPECT_FALSE(dialog.cmdReplaceAll->isEnabled());
    dialog.txtFind->setText(u"a"_s);
    EXPECT_TRUE(dialog.cmdFindNext->isEnabled());
    EXPECT_TRUE(dialog.cmdReplaceAll->isEnabled());
}

TEST_F(FindReplaceTest, ClosingTheWindowClosesItsDialogs)
{
    setText(u"abc"_s);
    SearchItemClick(*doc, nullptr);
    ReplaceItemClick(*doc, nullptr);
    ASSERT_TRUE(findDialogOf(*doc).isVisible() && replaceDialogOf(*doc).isVisible());
    FormCloseQuery(*doc);
    EXPECT_FALSE(findDialogOf(*doc).isVisible());
    EXPECT_FALSE(replaceDialogOf(*doc).isVisible());
}

TEST_F(DocFixture, ClipboardCommandsAreTheEditorsOwnAndUndoable)
{
    setText(u"one\r\ntwo three"_s);
    select(2, 6);
    CutItemClick(*doc, nullptr);
    EXPECT_EQ(text(), u"ono three"_s);
    EXPECT_EQ(QApplication::clipboard()->text(), u"e\ntw"_s);
    select(0, 0);
    PasteItemClick(*doc, nullptr);
    EXPECT_EQ(text(), u"e\r\ntwono three"_s);

    selectText(u"three"_s);
    DeleteItemClick(*doc, nullptr);
    EXPECT_EQ(text(), u"e\r\ntwono "_s);
    EXPECT_TRUE(QApplication::clipboard()->text() == u"e\ntw"_s);  // Delete leaves it alone

    doc->UndoItemClick();
    EXPECT_EQ(text(), u"e\r\ntwono three"_s);
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"ono three"_s);
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"one\r\ntwo three"_s);
}

TEST_F(DocFixture, PasteTakesEveryLineEndAsALineBreakAndCopyKeepsCharacters)
{
    setText(QString());
    QApplication::clipboard()->setText(u"a\r\nb\rc\u2028d\u00A0e"_s);
    PasteItemClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a\r\nb\r\nc\r\nd\u00A0e"_s);
    EXPECT_EQ(doc->txtDoc->document()->blockCount(), 4);

    select(0, int(doc->txtDoc->rawText().size()));
    CopyItemClick(*doc, nullptr);
    EXPECT_EQ(QApplication::clipboard()->text(), u"a\nb\nc\nd\u00A0e"_s);
}

} // namespace
