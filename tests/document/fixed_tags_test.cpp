#include "document/fixed_tags.h"
#include "support/doc_fixture.h"

using namespace Qt::StringLiterals;

namespace {

using Command = void (*)(TMDIChild &, QObject *);

struct FixedCase {
    const char *name;
    Command command;
    int tag;
    const char *sender;        // the entry's name, for commands that go by the sender itself
    const char16_t *expected;  // the text "xabcy" after the command with "abc" selected
    int caret;
};

const FixedCase fixedCases[] = {
    {"Pre", TextPreClick, 0, "", u"x<PRE>\r\nabc</PRE>\r\ny", 19},
    {"Blockquote", TextPreClick, 1, "", u"x<BLOCKQUOTE>\r\nabc</BLOCKQUOTE>\r\ny", 33},
    {"NoFrames", TextPreClick, 2, "", u"x<NOFRAMES>\r\nabc</NOFRAMES>\r\ny", 29},
    {"BasicHtml", TextPreClick, 3, "", u"x<HTML>\r\nabc</HTML>\r\ny", 21},
    {"BasicHead", TextPreClick, 4, "", u"x<HEAD>\r\nabc</HEAD>\r\ny", 21},
    {"BasicBody", TextPreClick, 5, "", u"x<BODY>\r\nabc</BODY>\r\ny", 21},
    {"Lf", LfClick, 0, "", u"xabc<BR>y", 8},
    {"Keisen", KeisenClick, 0, "", u"xabc<HR>\r\ny", 9},
    {"Wbr", TextWbrClick, 0, "", u"xabc<WBR>y", 9},
    {"BrClear", TextBrClearClick, 0, "", u"x<BR CLEAR=all>\r\nabcy", 16},
    {"Left", PositionLeftClick, 0, "", u"x<P ALIGN=left>abc</P>y", 22},
    {"Right", PositionRightClick, 0, "", u"x<P ALIGN=right>abc</P>y", 23},
    {"Title", PageTitleClick, 0, "", u"x<TITLE>abc</TITLE>\r\ny", 20},
    {"Comment", FontCommentClick, 0, "", u"x<!--abc-->y", 11},
    {"Amp", SpecialAmpClick, 0, "SpecialAmp", u"x&AMPabcy", 5},
    {"Lt", SpecialAmpClick, 0, "SpecialLt", u"x&LTabcy", 4},
    {"Gt", SpecialAmpClick, 0, "SpecialGt", u"x&GTabcy", 4},
    {"Quot", SpecialAmpClick, 0, "SpecialQuot", u"x&QUOTabcy", 6},
    {"Reg", SpecialAmpClick, 0, "SpecialReg", u"x&REGabcy", 5},
    {"Copy", SpecialAmpClick, 0, "SpecialCopy", u"x&COPYabcy", 6},
    // The sender's Tag does not choose a reference: its identity does.
    {"RefIgnoresTag", SpecialAmpClick, 3, "SpecialLt", u"x&LTabcy", 4},
};

class FixedTagTest : public DocFixture, public ::testing::WithParamInterface<FixedCase>
{
};

// Lines in the editor are single breaks; the caret counts them as one character.
int caretInEditor(const QString &expectedCrLf, int caretCrLf)
{
    return caretCrLf - int(expectedCrLf.left(caretCrLf).count(u"\r\n"_s));
}

TEST_P(FixedTagTest, WritesItsMarkup)
{
    const FixedCase &c = GetParam();
    setText(u"xabcy"_s);
    select(1, 4);
    const auto sender = senderWithTag(c.tag, c.sender);
    c.command(*doc, sender.get());
    const QString expected = QString::fromUtf16(c.expected);
    EXPECT_EQ(text(), expected);
    EXPECT_EQ(caret(), caretInEditor(expected, c.caret));
    EXPECT_FALSE(doc->txtDoc->textCursor().hasSelection());
    EXPECT_TRUE(doc->isModified());

    doc->UndoItemClick();
    EXPECT_EQ(text(), u"xabcy"_s);
}

INSTANTIATE_TEST_SUITE_P(Commands, FixedTagTest, ::testing::ValuesIn(fixedCases),
                         [](const auto &info) { return std::string(info.param.name); });

const char16_t *const elementsByTag[] = {
    u"B", u"I", u"U", u"TT", u"S", u"EM", u"STRONG", u"ADDRESS", u"CITE", u"KBD",
    u"VAR", u"CODE", u"SAMP", u"SUP", u"SUB", u"Q", u"LANG", u"AU", u"PERSON", u"ACRONYM",
    u"ABBREV", u"INS", u"DEL", u"UL", u"center", u"NOBR", u"BLINK", u"TH", u"TD",
};

TEST_F(DocFixture, FontBoldClickWrapsInTheElementOfEachTag)
{
    for (int tag = 0; tag < int(std::size(elementsByTag)); ++tag) {
        const QString name = QString::fromUtf16(elementsByTag[tag]);
        setText(u"xabcy"_s);
        select(4, 1);
        const auto sender = senderWithTag(tag);
        FontBoldClick(*doc, sender.get());
        const QString expected = u"x<"_s + name + u">abc</"_s + name + u">y"_s;
        EXPECT_EQ(text(), expected) << "Tag " << tag;
        EXPECT_EQ(caret(), expected.size() - 1) << "Tag " << tag;
    }
}

TEST_F(DocFixture, WrappingWithNothingSelectedInsertsTheEmptyPairAtTheCaret)
{
    setText(u"ab"_s);
    select(1, 1);
    const auto bold = senderWithTag(0);
    FontBoldClick(*doc, bold.get());
    EXPECT_EQ(text(), u"a<B></B>b"_s);
    EXPECT_EQ(caret(), 8);

    setText(u"ab"_s);
    select(1, 1);
    PositionLeftClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<P ALIGN=left></P>b"_s);
}

TEST_F(DocFixture, MultiLineSelectionIsWrappedWithItsLineBreaks)
{
    setText(u"one\r\ntwo"_s);
    select(0, 7);
    const auto pre = senderWithTag(0);
    TextPreClick(*doc, pre.get());
    EXPECT_EQ(text(), u"<PRE>\r\none\r\ntwo</PRE>\r\n"_s);
}

TEST_F(DocFixture, DanrakuAsksAndCentresOnYes)
{
    setText(u"xabcy"_s);
    select(1, 4);
    fake.answers = {Answer::Yes};
    DanrakuClick(*doc, nullptr);
    EXPECT_EQ(text(), u"x<P ALIGN=center>abc</P>\r\ny"_s);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(fake.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(fake.messages[0].text, u"段落を中央に揃えますか？"_s);
}

TEST_F(DocFixture, DanrakuWritesAPlainParagraphOnNo)
{
    setText(u"xabcy"_s);
    select(1, 4);
    fake.answers = {Answer::No};
    DanrakuClick(*doc, nullptr);
    EXPECT_EQ(text(), u"x<P>abc</P>\r\ny"_s);
}

TEST_F(DocFixture, UnknownTagsInsertNothing)
{
    setText(u"xabcy"_s);
    select(1, 4);
    const auto far = senderWithTag(29);
    FontBoldClick(*doc, far.get());
    const auto negative = senderWithTag(-1);
    TextPreClick(*doc, negative.get());
    const auto nameless = senderWithTag(0, "SomethingElse");
    SpecialAmpClick(*doc, nameless.get());
    EXPECT_EQ(text(), u"xabcy"_s);
    EXPECT_FALSE(doc->isModified());
}

} // namespace
