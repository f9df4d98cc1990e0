#include "support/doc_fixture.h"

using namespace Qt::StringLiterals;

namespace {

struct InsertCase {
    const char *name;
    int anchor;
    int position;
    bool capture;
    InsertMode mode;
    const char16_t *expected;
    int caret;
};

// Text "xabcy", tags "<B>" and "</B>".
const InsertCase insertCases[] = {
    {"wrap selection", 1, 4, true, InsertMode::ReplaceSelection, u"x<B>abc</B>y", 11},
    {"wrap right to left", 4, 1, true, InsertMode::ReplaceSelection, u"x<B>abc</B>y", 11},
    {"wrap nothing selected", 2, 2, true, InsertMode::ReplaceSelection, u"xa<B></B>bcy", 9},
    {"replace without capture drops selection", 1, 4, false, InsertMode::ReplaceSelection, u"x<B></B>y", 8},
    {"before keeps selection after tags", 1, 4, false, InsertMode::BeforeSelection, u"x<B></B>abcy", 8},
    {"before right to left", 4, 1, false, InsertMode::BeforeSelection, u"x<B></B>abcy", 8},
    {"after selection", 1, 4, false, InsertMode::AfterSelection, u"xabc<B></B>y", 11},
    {"after right to left goes to right end", 4, 1, false, InsertMode::AfterSelection, u"xabc<B></B>y", 11},
    {"after at caret", 0, 0, false, InsertMode::AfterSelection, u"<B></B>xabcy", 7},
};

class InsertTagPairTest : public DocFixture, public ::testing::WithParamInterface<InsertCase>
{
};

TEST_P(InsertTagPairTest, PlacesTagsAndCaret)
{
    const InsertCase &c = GetParam();
    setText(u"xabcy"_s);
    select(c.anchor, c.position);
    doc->ClearTagPair();
    doc->StartTag = u"<B>"_s;
    doc->EndTag = u"</B>"_s;
    if (c.capture)
        doc->CaptureSelection();
    doc->InsertTagPair(c.mode);

    EXPECT_EQ(text(), QString::fromUtf16(c.expected));
    EXPECT_EQ(caret(), c.caret);
    EXPECT_FALSE(doc->txtDoc->textCursor().hasSelection());
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->UndoSnapshot, u"xabcy"_s);
    EXPECT_FALSE(doc->txtDoc->document()->isUndoAvailable());
}

INSTANTIATE_TEST_SUITE_P(Modes, InsertTagPairTest, ::testing::ValuesIn(insertCases),
                         [](const auto &info) {
                             std::string name = info.param.name;
                             for (char &ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST_F(DocFixture, CrLfInTagsBecomesLineBreaksAndCaptureGivesCrLf)
{
    setText(u"one\r\ntwo\r\nthree"_s);
    select(2, 6);  // "e", break, "tw"
    doc->ClearTagPair();
    doc->CaptureSelection();
    EXPECT_EQ(doc->CapturedText, u"e\r\ntw"_s);
    doc->StartTag = u"<PRE>\r\n"_s;
    doc->EndTag = u"</PRE>\r\n"_s;
    doc->InsertTagPair(InsertMode::ReplaceSelection);
    EXPECT_EQ(text(), u"on<PRE>\r\ne\r\ntw</PRE>\r\no\r\nthree"_s);
    EXPECT_EQ(doc->txtDoc->document()->blockCount(), 5);
    EXPECT_EQ(doc->UndoSnapshot, u"one\u2029two\u2029three"_s);
}

TEST_F(DocFixture, TagPairStaysAfterInsertion)
{
    setText(u"abc"_s);
    doc->StartTag = u"<I>"_s;
    doc->EndTag = u"</I>"_s;
    doc->CapturedText = u"z"_s;
    doc->InsertTagPair(InsertMode::ReplaceSelection);
    EXPECT_EQ(doc->StartTag, u"<I>"_s);
    EXPECT_EQ(doc->CapturedText, u"z"_s);
    doc->ClearTagPair();
    EXPECT_TRUE(doc->StartTag.isEmpty() && doc->EndTag.isEmpty() && doc->CapturedText.isEmpty());
}

TEST_F(DocFixture, UndoAlternatesBetweenInsertionAndTextBefore)
{
    setText(u"abc"_s);
    select(0, 3);
    doc->StartTag = u"<B>"_s;
    doc->EndTag = u"</B>"_s;
    doc->CaptureSelection();
    doc->InsertTagPair(InsertMode::ReplaceSelection);
    ASSERT_EQ(text(), u"<B>abc</B>"_s);

    doc->UndoItemClick();
    EXPECT_EQ(text(), u"abc"_s);
    EXPECT_TRUE(doc->isModified());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"<B>abc</B>"_s);
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"abc"_s);
}

TEST_F(DocFixture, UndoTakesBackTypingBeforeTheInsertion)
{
    setText(u"abc"_s);
    select(3, 3);
    doc->EndTag = u"<BR>"_s;
    doc->InsertTagPair(InsertMode::AfterSelection);
    ASSERT_EQ(text(), u"abc<BR>"_s);
    doc->txtDoc->setFocus();
    QTextCursor cursor = doc->txtDoc->textCursor();
    cursor.insertText(u"xyz"_s);  // an edit of the editor's own
    doc->txtDoc->setTextCursor(cursor);
    ASSERT_TRUE(doc->txtDoc->document()->isUndoAvailable());

    doc->UndoItemClick();
    EXPECT_EQ(text(), u"abc<BR>"_s);
    doc->UndoItemClick();  // nothing of its own left: the snapshot
    EXPECT_EQ(text(), u"abc"_s);
}

TEST_F(DocFixture, UndoBeforeAnyInsertionLeavesThePageAloneButAnEmptyPagesSnapshotSwaps)
{
    setText(u"<HTML>\r\n</HTML>\r\n"_s);
    doc->setModified(false);
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"<HTML>\r\n</HTML>\r\n"_s);
    EXPECT_FALSE(doc->isModified());

    // An insertion into an empty page snapshots the empty page, and Undo
    // swaps it in as any snapshot.
    setText(QString());
    doc->StartTag = u"<HR>"_s;
    doc->InsertTagPair(InsertMode::ReplaceSelection);
    doc->UndoItemClick();
    EXPECT_EQ(text(), QString());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"<HR>"_s);
}

TEST_F(DocFixture, InsertionKeepsCharactersTheEditorCouldAlter)
{
    // A non-breaking space, a placeholder for an undecodable byte, a tab.
    const QString odd = u"a\u00A0b\t"_s + QString::fromUcs4(U"\U000F0082") + u"c"_s;
    setText(odd);
    select(0, int(odd.size()));
    doc->StartTag = u"<B>"_s;
    doc->EndTag = u"</B>"_s;
    doc->CaptureSelection();
    doc->InsertTagPair(InsertMode::ReplaceSelection);
    EXPECT_EQ(text(), u"<B>"_s + odd + u"</B>"_s);
    doc->UndoItemClick();
    EXPECT_EQ(text(), odd);
}

} // namespace
