#include "document/markup_tokenizer.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The lines with each span written as {kind:text}: e element, a attribute
// name, v value, c comment, r character reference, d declaration, s script,
// y style.
QString marked(QStringView line, const QList<MarkupSpan> &spans)
{
    static const char letters[] = "eavcrdsy";
    QString out;
    qsizetype at = 0;
    for (const MarkupSpan &span : spans) {
        out += line.sliced(at, span.start - at);
        out += u'{';
        out += QChar::fromLatin1(letters[int(span.kind)]);
        out += u':';
        out += line.sliced(span.start, span.length);
        out += u'}';
        at = span.start + span.length;
    }
    out += line.sliced(at);
    return out;
}

QString colouredPage(const QString &page)
{
    QStringList out;
    MarkupState state;
    for (const QString &line : page.split(u'\n')) {
        QList<MarkupSpan> spans;
        state = tokenizeLine(line, state, &spans);
        out << marked(line, spans);
    }
    return out.join(u'\n');
}

struct Row {
    const char *page;
    const char *coloured;
};

class MarkupTokenizer : public ::testing::TestWithParam<Row>
{
};

TEST_P(MarkupTokenizer, ColoursEachKindAndCarriesTheStateAcrossLines)
{
    EXPECT_EQ(colouredPage(QString::fromUtf8(GetParam().page)).toStdString(), GetParam().coloured);
}

INSTANTIATE_TEST_SUITE_P(Rows, MarkupTokenizer, ::testing::Values(
    Row{"<FONT SIZE=\"3\" color='red'>文字</FONT>",
        "{e:<FONT} {a:SIZE}={v:\"3\"} {a:color}={v:'red'}{e:>}文字{e:</FONT>}"},
    Row{"<TD WIDTH=50% NOWRAP><BR/>",
        "{e:<TD} {a:WIDTH}={v:50%} {a:NOWRAP}{e:><BR/>}"},
    Row{"a<!-- b <B>\nc\nd --> e",
        "a{c:<!-- b <B>}\n{c:c}\n{c:d -->} e"},
    Row{"<A\n  HREF = \"x.htm\n#top\"\n>t",
        "{e:<A}\n  {a:HREF} = {v:\"x.htm}\n{v:#top\"}\n{e:>}t"},
    Row{"<A HREF=\n x>",
        "{e:<A} {a:HREF}=\n {v:x}{e:>}"},
    Row{"<SCRIPT LANGUAGE=\"JavaScript\">\nif (a<b) s=\"</B>\";\n</script>x",
        "{e:<SCRIPT} {a:LANGUAGE}={v:\"JavaScript\"}{e:>}\n{s:if (a<b) s=\"</B>\";}\n{e:</script>}x"},
    Row{"<style>p { color: red }</STYLE><p>",
        "{e:<style>}{y:p { color: red }}{e:</STYLE><p>}"},
    Row{"<SCRIPT SRC=\"a.js\"/>t",
        "{e:<SCRIPT} {a:SRC}={v:\"a.js\"}{e:/>}t"},
    Row{"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\n<?xml?>",
        "{d:<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">}\n{d:<?xml?>}"},
    Row{"&amp; &#123; &#x1F;&copy & x",
        "{r:&amp;} {r:&#123;} {r:&#x1F;&copy} & x"},
    Row{"a < b <3 </ c>",
        "a < b <3 </ c>"},
    Row{"<!DOCTYPE\nHTML>",
        "{d:<!DOCTYPE}\n{d:HTML>}"}));

TEST(MarkupTokenizerPart, ColoursOnlyTheWantedPartAndStillEndsInTheSameState)
{
    const QString line = u"<A HREF=\"x\">t</A><!-- c"_s;
    QList<MarkupSpan> all;
    const MarkupState end = tokenizeLine(line, {}, &all);
    QList<MarkupSpan> part;
    EXPECT_EQ(tokenizeLine(line, {}, &part, 4, 14), end);
    EXPECT_EQ(end, (MarkupState{MarkupState::Comment, MarkupState::None}));
    EXPECT_EQ(marked(line, part).toStdString(), "<A H{a:REF}={v:\"x\"}{e:>}t{e:<}/A><!-- c");
    EXPECT_EQ(MarkupState::unpacked(end.packed()), end);
    EXPECT_EQ(MarkupState::unpacked(-1), MarkupState());
}

} // namespace
