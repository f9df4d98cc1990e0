#include "dialogs/media/script_command.h"
#include "dialogs/media/script_templates.h"
#include "support/doc_fixture.h"

#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// The blocks as a reader of the page sees them, written out line by line.
const QString O = u"<SCRIPT LANGUAGE=\"JavaScript\">\r\n"
                  u"<!-- Hide from old browser unsupported browser.\r\n"_s;
const QString C = u"// End old browser hiding here. -->\r\n"
                  u"</SCRIPT>\r\n"_s;

const QString scrollerLeft = O
        + u"var m1=\"  ここにステータスバーに流したいメッセージを書いて下さい。\";\r\n"
          u"var m2=\"このスクリプトは日本語用に作られており、２バイトずつスクロール\";\r\n"
          u"var m3=\"しますので、メッセージは全て全角で書かないと文字化けします。\";\r\n"
          u"var Msg=m1+m2+m3;\r\n"
          u"function ScrollMsg(){\r\n"
          u"  aChar=Msg.substring(0,2);\r\n"
          u"  Msg=Msg.substring(2,Msg.length);\r\n"
          u"  Msg=Msg+aChar;\r\n"
          u"  window.status=Msg;\r\n"
          u"  setTimeout(\"ScrollMsg()\",200);\r\n"
          u"}\r\n"
          u"ScrollMsg();\r\n"_s
        + C;

const QString scrollerRight = O
        + u"var m1=\"  ここにステータスバーに流したいメッセージを書いて下さい。\";\r\n"
          u"var m2=\"このスクリプトは日本語用に作られており、２バイトずつスクロール\";\r\n"
          u"var m3=\"しますので、メッセージは全て全角で書かないと文字化けします。\";\r\n"
          u"var Msg=m1+m2+m3;\r\n"
          u"function ScrollMsg(){\r\n"
          u"  aChar=Msg.substring(Msg.length-2,Msg.length);\r\n"
          u"  Msg=Msg.substring(0,Msg.length-2);\r\n"
          u"  Msg=aChar+Msg;\r\n"
          u"  window.status=Msg;\r\n"
          u"  setTimeout(\"ScrollMsg()\",200);\r\n"
          u"}\r\n"
          u"ScrollMsg();\r\n"_s
        + C;

const QString clock = u"<FORM METHOD=\"post\">\r\n"
                      u"現在の時刻：<INPUT NAME=\"watch\" SIZE=10>\r\n"
                      u"</FORM>\r\n"_s
        + O
        + u"function watch() {\r\n"
          u"  now = new Date();\r\n"
          u"  hour = now.getHours();\r\n"
          u"  min = now.getMinutes();\r\n"
          u"  sec = now.getSeconds();\r\n"
          u"  if (hour < 10) {\r\n"
          u"    hour = \"0\" + hour;\r\n"
          u"  }\r\n"
          u"  if (min < 10) {\r\n"
          u"    min = \"0\" + min;\r\n"
          u"  }\r\n"
          u"  if (sec < 10) {\r\n"
          u"    sec = \"0\" + sec;\r\n"
          u"  }\r\n"
          u"  document.forms[0].elements[0].value = hour+\":\"+min+\":\"+sec;\r\n"
          u"  setTimeout('watch()', 999); // 1000msec = 1sec\r\n"
          u"  }\r\n"
          u"  watch();\r\n"_s
        + C;

const QString alert = O + u"alert(\"ここに表示したいメッセージを書いてください\")\r\n"_s + C;

// Length in the editor, where a line break is one character.
int editorLength(const QString &markup)
{
    return int(markup.size() - markup.count(u"\r\n"_s));
}

// --- templates --------------------------------------------------------------

TEST(ScriptTemplates, EveryBlockWhole)
{
    const struct {
        const char *what;
        QString built;
        QString expected;
        int lines;
    } rows[] = {
        {"script block opening", scriptBlock().start, O, 2},
        {"script block closing", scriptBlock().end, C, 2},
        {"scroller to the left", statusBarScroller(ScrollDirection::Left), scrollerLeft, 16},
        {"scroller to the right", statusBarScroller(ScrollDirection::Right), scrollerRight, 16},
        {"clock", clockBlock(), clock, 25},
        {"alert", alertBlock(), alert, 5},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.built, row.expected) << row.what;
        // Every line ends in CR LF, and there is no other line end.
        EXPECT_EQ(row.built.count(u"\r\n"_s), row.lines) << row.what;
        EXPECT_EQ(row.built.count(u'\n'), row.lines) << row.what;
        EXPECT_EQ(row.built.count(u'\r'), row.lines) << row.what;
        EXPECT_TRUE(row.built.endsWith(u"\r\n"_s)) << row.what;
    }
}

TEST(ScriptTemplates, ScrollersDifferOnlyInTheLinesThatMoveTheText)
{
    const QStringList left = statusBarScroller(ScrollDirection::Left).split(u"\r\n"_s);
    const QStringList right = statusBarScroller(ScrollDirection::Right).split(u"\r\n"_s);
    ASSERT_EQ(left.size(), 17);  // 16 lines and the empty rest after the last line end
    ASSERT_EQ(right.size(), 17);
    for (int i = 0; i < 17; ++i) {
        const int number = i + 1;
        if (number >= 8 && number <= 10)
            EXPECT_NE(left[i], right[i]) << "line " << number;
        else
            EXPECT_EQ(left[i], right[i]) << "line " << number;
    }
}

// --- commands ---------------------------------------------------------------

class ScriptCommandTest : public DocFixture
{
protected:
    void run(void (*command)(TMDIChild &, QObject *), int tag)
    {
        const auto sender = senderWithTag(tag);
        command(*doc, sender.get());
    }
};

TEST_F(ScriptCommandTest, ScriptBlockWrapsTheSelection)
{
    const struct {
        const char *what;
        QString selection;
    } rows[] = {
        {"a whole line", u"alert(1);\r\n"_s},
        {"part of a line", u"alert(1);"_s},
        {"nothing", QString()},
    };
    for (const auto &row : rows) {
        setText(u"<BODY>\r\n"_s + row.selection + u"</BODY>"_s);
        if (row.selection.isEmpty())
            select(editorLength(u"<BODY>\r\n"_s), editorLength(u"<BODY>\r\n"_s));
        else
            selectText(QString(row.selection).replace(u"\r\n"_s, QString(QChar::ParagraphSeparator)));
        run(JavaScriptScriptClick, 0);
        const QString block = O + row.selection + C;
        EXPECT_EQ(text(), u"<BODY>\r\n"_s + block + u"</BODY>"_s) << row.what;
        EXPECT_EQ(caret(), editorLength(u"<BODY>\r\n"_s + block)) << row.what;
        EXPECT_EQ(selected(), QString()) << row.what;
        EXPECT_TRUE(doc->isModified()) << row.what;
        doc->UndoItemClick();
        EXPECT_EQ(text(), u"<BODY>\r\n"_s + row.selection + u"</BODY>"_s) << row.what;
    }
}

TEST_F(ScriptCommandTest, ClockAndAlertGoInFrontOfTheSelection)
{
    const struct {
        const char *what;
        int tag;
        const QString &block;
    } rows[] = {{"clock", 0, clock}, {"alert", 1, alert}};
    for (const auto &row : rows) {
        setText(u"x abc y"_s);
        selectText(u"abc"_s);
        run(JavaScriptClockClick, row.tag);
        EXPECT_EQ(text(), u"x "_s + row.block + u"abc y"_s) << row.what;
        EXPECT_EQ(caret(), editorLength(u"x "_s + row.block)) << row.what;
        EXPECT_EQ(selected(), QString()) << row.what;
        doc->UndoItemClick();
        EXPECT_EQ(text(), u"x abc y"_s) << row.what;
    }
}

// The page of the examples, with `</HEAD>` spelt as given.
QString page(const QString &headEnd)
{
    return u"<HTML>\r\n<HEAD>\r\n<TITLE>x</TITLE>\r\n"_s + headEnd + u"\r\n<BODY>\r\nabc\r\n</BODY>\r\n</HTML>"_s;
}

TEST_F(ScriptCommandTest, ScrollerGoesOnALineOfItsOwnBeforeTheFirstHeadEnd)
{
    const struct {
        const char *what;
        QString before;
        QString after;  // the text from the head end on
    } rows[] = {
        {"upper case", u"<HTML>\r\n<HEAD>\r\n<TITLE>x</TITLE>\r\n"_s,
         u"</HEAD>\r\n<BODY>\r\nabc\r\n</BODY>\r\n</HTML>"_s},
        {"mixed case", u"<HTML>\r\n<HEAD>\r\n<TITLE>x</TITLE>\r\n"_s,
         u"</Head>\r\n<BODY>\r\nabc\r\n</BODY>\r\n</HTML>"_s},
        {"lower case", u"<html><head><title>x</title>"_s, u"</head><body>abc</body></html>"_s},
        {"two head ends", u"<HEAD>\r\n"_s, u"</head>\r\n<BODY>\r\nabc</HEAD>\r\n</BODY>"_s},
        {"at the very start", QString(), u"</hEAD>abc"_s},
        {"at the very end", u"<HEAD>abc"_s, u"</HEAD>"_s},
        {"after Japanese text", u"<TITLE>日本語のﾍﾟｰｼﾞ</TITLE>"_s, u"</HEAD>本文"_s},
        // Only the complete tag counts: these come before the real one.
        {"near misses first", u"</hea></ head></HEAD ></headx>＜／ｈｅａｄ＞&lt;/head>\r\n"_s,
         u"</HEAD>"_s},
    };
    for (const ScrollDirection direction : {ScrollDirection::Left, ScrollDirection::Right}) {
        const int tag = direction == ScrollDirection::Left ? 0 : 1;
        const QString &block = direction == ScrollDirection::Left ? scrollerLeft : scrollerRight;
        for (const auto &row : rows) {
            setText(row.before + row.after);
            // The selection does not matter when the tag is found.
            selectText(row.after.right(3));
            run(JavaScriptStatusLClick, tag);
            const QString expected = row.before + u"\r\n"_s + block + row.after;
            EXPECT_EQ(text(), expected) << row.what << " tag " << tag;
            EXPECT_EQ(caret(), editorLength(expected)) << row.what;
            EXPECT_EQ(selected(), QString()) << row.what;
            EXPECT_TRUE(doc->isModified()) << row.what;
            EXPECT_FALSE(doc->txtDoc->document()->isUndoAvailable()) << row.what;
        }
    }
}

TEST_F(ScriptCommandTest, ScrollerOfTheExamplePageStandsAfterTheTitleLineAndABlankLine)
{
    setText(page(u"</HEAD>"_s));
    run(JavaScriptStatusLClick, 0);
    EXPECT_EQ(text(), u"<HTML>\r\n<HEAD>\r\n<TITLE>x</TITLE>\r\n\r\n"_s + scrollerLeft
                      + u"</HEAD>\r\n<BODY>\r\nabc\r\n</BODY>\r\n</HTML>"_s);
}

TEST_F(ScriptCommandTest, WithoutHeadEndTheScrollerGoesInFrontOfTheSelection)
{
    const struct {
        const char *what;
        QString page;
    } rows[] = {
        {"no head at all", u"x abc y"_s},
        {"only an open head", u"<HEAD>\r\nx abc y"_s},
        {"an unfinished end tag", u"</head x abc y"_s},
        {"full-width letters", u"＜／ＨＥＡＤ＞x abc y"_s},
    };
    for (const auto &row : rows) {
        setText(row.page);
        selectText(u"abc"_s);
        const int start = doc->txtDoc->textCursor().selectionStart();
        run(JavaScriptStatusLClick, 1);
        QString expected = row.page;
        expected.insert(row.page.indexOf(u"abc"_s), scrollerRight);
        EXPECT_EQ(text(), expected) << row.what;
        EXPECT_EQ(caret(), start + editorLength(scrollerRight)) << row.what;
        doc->UndoItemClick();
        EXPECT_EQ(text(), row.page) << row.what;
    }
}

TEST_F(ScriptCommandTest, UndoTakesTheScrollerOutAndASecondUndoPutsItBack)
{
    const QString before = page(u"</Head>"_s);
    setText(before);
    selectText(u"abc"_s);
    run(JavaScriptStatusLClick, 0);
    const QString placed = text();
    ASSERT_NE(placed, before);

    doc->UndoItemClick();
    EXPECT_EQ(text(), before);
    doc->UndoItemClick();
    EXPECT_EQ(text(), placed);
    doc->UndoItemClick();
    EXPECT_EQ(text(), before);
}

TEST_F(ScriptCommandTest, TypingAfterTheScrollerIsUndoneFirst)
{
    const QString before = page(u"</HEAD>"_s);
    setText(before);
    run(JavaScriptStatusLClick, 0);
    const QString placed = text();
    doc->txtDoc->insertPlainText(u"z"_s);
    EXPECT_EQ(text(), placed + u"z"_s);
    doc->UndoItemClick();
    EXPECT_EQ(text(), placed);
    doc->UndoItemClick();
    EXPECT_EQ(text(), before);
}

TEST_F(ScriptCommandTest, AnUnknownTagWritesNothing)
{
    for (void (*command)(TMDIChild &, QObject *) : {JavaScriptStatusLClick, JavaScriptClockClick}) {
        setText(page(u"</HEAD>"_s));
        run(command, 2);
        EXPECT_EQ(text(), page(u"</HEAD>"_s));
        EXPECT_FALSE(doc->isModified());
    }
}

} // namespace
