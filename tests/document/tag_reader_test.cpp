#include "document/tag_reader.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ReaderRow {
    const char16_t *page;    // '|' marks the caret
    const char16_t *tags;    // the names found, innermost first, ',' between
    const char16_t *tag;     // the first one's start tag as it stands in the page
    const char16_t *spelled; // its attributes as spelled, '|' between
    const char16_t *content; // its content when read whole
    const char16_t *colour;  // the colour digits under the caret
};

const ReaderRow readerRows[] = {
    {u"a<FO|NT size=\"+1\" color=red class=x>b</FONT>", u"FONT", u"<FONT size=\"+1\" color=red class=x>",
     u"size=\"+1\"|color=red|class=x", u"", u""},
    {u"|<font\u2029 SIZE = '3'\r\n>", u"font", u"<font\u2029 SIZE = '3'\r\n>", u"SIZE = '3'", u"", u""},
    {u"<B><FONT color=red>x</FO|NT></B>", u"FONT", u"<FONT color=red>", u"color=red", u"", u""},
    {u"<FONT a=1><FONT b=2>x</FONT>y</|FONT>", u"FONT", u"<FONT a=1>", u"a=1", u"", u""},
    {u"<IMG ALT=\"a>b\" SR|C=x.gif>", u"IMG", u"<IMG ALT=\"a>b\" SRC=x.gif>", u"ALT=\"a>b\"|SRC=x.gif", u"", u""},
    {u"<IMG ALT=\"<B>\" SRC=x NO|SHADE>", u"IMG", u"<IMG ALT=\"<B>\" SRC=x NOSHADE>", u"ALT=\"<B>\"|SRC=x|NOSHADE",
     u"", u""},
    {u"<HR COLOR=#FF00|00>", u"HR", u"<HR COLOR=#FF0000>", u"COLOR=#FF0000", u"", u"FF0000"},
    {u"#abcdef|", u"", u"", u"", u"", u"abcdef"},
    {u"&#123|456;", u"", u"", u"", u"", u""},
    {u"#12345|67", u"", u"", u"", u"", u""},
    {u"plain te|xt <B>", u"", u"", u"", u"", u""},
    {u"<FONT COLOR=\"red>|x", u"", u"", u"", u"", u""},
    {u"<TABLE BORDER=\"1\">\r\n<TR><TD>a|b</TD></TR>\r\n</TABLE>", u"TABLE", u"<TABLE BORDER=\"1\">",
     u"BORDER=\"1\"", u"\r\n<TR><TD>ab</TD></TR>\r\n", u""},
    {u"<table><tr><td><TABLE ID=in><TR><T|D>x</TD></TR></TABLE></td></tr></table>", u"TD,TABLE,table",
     u"<TD>", u"", u"", u""},
    {u"<TABLE><TR><TD>|unclosed", u"", u"", u"", u"", u""},
    {u"<SELECT NAME=\"a\">\u2029<OPTION>x\u2029</SEL|ECT>", u"SELECT", u"<SELECT NAME=\"a\">", u"NAME=\"a\"",
     u"\u2029<OPTION>x\u2029", u""},
    {u"<UL>\r\n<LI TYPE=disk>a\r\n<UL><LI>b</UL>\r\n<LI>|c\r\n</UL>", u"UL", u"<UL>", u"",
     u"\r\n<LI TYPE=disk>a\r\n<UL><LI>b</UL>\r\n<LI>c\r\n", u""},
    {u"<A HREF=x>a</A>|", u"", u"", u"", u"", u""},
    {u"|<BR CLEAR=all>", u"BR", u"<BR CLEAR=all>", u"CLEAR=all", u"", u""},
};

QString joined(const QList<TagElement> &tags)
{
    QStringList names;
    for (const TagElement &tag : tags)
        names << tag.name;
    return names.join(u',');
}

} // namespace

TEST(TagReader, FindsTheTagUnderTheCaret)
{
    for (const ReaderRow &row : readerRows) {
        QString page = QString::fromUtf16(row.page);
        SCOPED_TRACE(page.toStdString());
        const qsizetype caret = page.indexOf(u'|');
        page.remove(caret, 1);
        const CaretTarget target = readTagAt(page, caret);
        EXPECT_EQ(joined(target.tags), QString::fromUtf16(row.tags));
        EXPECT_EQ(target.colourDigits, QString::fromUtf16(row.colour));
        if (target.tags.isEmpty())
            continue;
        const TagElement &tag = target.tags.first();
        EXPECT_EQ(page.mid(tag.start, tag.end - tag.start), QString::fromUtf16(row.tag));
        QStringList spelled;
        for (const TagAttribute &attribute : tag.attributes)
            spelled << attribute.spelling;
        EXPECT_EQ(spelled.join(u'|'), QString::fromUtf16(row.spelled));
        EXPECT_EQ(tag.content, QString::fromUtf16(row.content));
        if (tag.elementEnd >= 0) {
            const QString endTag = page.mid(tag.contentEnd, tag.elementEnd - tag.contentEnd);
            EXPECT_EQ(endTag.toUpper(), u"</"_s + tag.name.toUpper() + u'>');
        }
    }
}

TEST(TagReader, ReadsValuesWithoutTheirQuotes)
{
    const ParsedTag tag = parseTagAt(u"<INPUT TYPE='a b' Name=\"\" CHECKED size=3>", 0);
    ASSERT_TRUE(tag.valid());
    QStringList values;
    for (const TagAttribute &attribute : tag.element.attributes)
        values << attribute.name + u':' + (attribute.hasValue ? attribute.value : u"-"_s);
    EXPECT_EQ(values.join(u'|'), u"TYPE:a b|Name:|CHECKED:-|size:3");
}
