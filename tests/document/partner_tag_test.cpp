#include "document/partner_tag.h"

#include <QString>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// `|` is the caret, `^` the start of the partner expected (none: no partner).
struct Row {
    const char *page;
};

class PartnerTag : public ::testing::TestWithParam<Row>
{
};

TEST_P(PartnerTag, FindsTheMatchingTagCountingNesting)
{
    QString page = QString::fromUtf8(GetParam().page);
    const qsizetype caret = page.indexOf(u'|');
    page.remove(caret, 1);
    const qsizetype expected = page.indexOf(u'^');
    if (expected >= 0)
        page.remove(expected, 1);
    const std::optional<TagPartners> found = findPartnerTag(page, expected >= 0 && expected < caret ? caret - 1 : caret);
    if (expected < 0) {
        EXPECT_FALSE(found) << "found at " << found->partner.start;
        return;
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(found->partner.start, expected);
    EXPECT_EQ(page.at(found->partner.start + found->partner.length - 1), u'>');
}

INSTANTIATE_TEST_SUITE_P(Rows, PartnerTag, ::testing::Values(
    Row{"<|B>t^</B>"},
    Row{"|<B>t^</b>"},
    Row{"<B CLASS=\"a>b\"|>t^</B>"},
    Row{"<DIV|><DIV>a</DIV><!-- </DIV> -->^</DIV></DIV>"},
    Row{"<DIV>^<DIV><DIV>a</DIV><|/DIV></DIV>"},
    Row{"^<B><I>x</I>\n</B|>"},
    Row{"<B>|t</B>"},
    Row{"<B>t</B>|"},
    Row{"<BR|><BR>"},
    Row{"<IMG SRC=\"a\"|>"},
    Row{"<P|/>"},
    Row{"<B|>never closed"},
    Row{"< B|>x</B>"},
    Row{"unopened </B|>"},
    // Comments are skipped both ways, tags in them not counted.
    Row{"^<B>x<!-- <B> -->y<|/B>"},
    Row{"<B|>x<!-- </B> -->y^</B>"},
    Row{"^<B><!--<B>--><!-- <B> --></B|>"},
    Row{"<B>x<!---->y<!-->^<B>--></B|>"},
    // A "-->" after a comment already closed is text.
    Row{"<B>a<!-- x -->^<B>b --></B|>"},
    Row{"^<B><!-- x --><B>a</B> --></B|>"}));

TEST(PartnerTagReach, MarksNothingBeyondItsReach)
{
    const QString filler(100, u'x');
    const QString page = u"<B>"_s + filler + u"</B>"_s;
    EXPECT_TRUE(findPartnerTag(page, 1, 106));
    EXPECT_FALSE(findPartnerTag(page, 1, 105));
    const qsizetype end = page.size() - 2;
    EXPECT_TRUE(findPartnerTag(page, end, end));
    EXPECT_FALSE(findPartnerTag(page, end, end - 1));
}

// Text the reach cuts in two: a comment whose start is beyond it may hide
// the partner, so none is given; one whole inside is skipped.
TEST(PartnerTagReach, ReadsACommentOnlyWithinItsReach)
{
    const QString filler(100, u'x');
    // "<B>x" then a comment holding a start tag, then the end tag.
    const QString back = u"<B>x<!--<B>"_s + filler + u"--></B>"_s;
    const qsizetype end = back.size() - 2;
    const auto partnerFrom = [](const QString &page, qsizetype caret, qsizetype reach) {
        const std::optional<TagPartners> found = findPartnerTag(page, caret, reach);
        return found ? found->partner.start : qsizetype(-1);
    };
    EXPECT_EQ(partnerFrom(back, end, end), 0);
    EXPECT_EQ(partnerFrom(back, end, end - 4), -1);  // the comment's start is the first read
    EXPECT_EQ(partnerFrom(back, end, end - 5), -1);  // it is not: nor the <B> inside
    EXPECT_EQ(partnerFrom(back, end, end - 8), -1);
    // A comment holding an end tag, closed just within the reach or beyond.
    const QString ahead = u"<B><!--</B>"_s + filler + u"--></B>"_s;
    const qsizetype lastEnd = ahead.size();
    EXPECT_EQ(partnerFrom(ahead, 1, lastEnd - 1), lastEnd - 4);
    EXPECT_EQ(partnerFrom(ahead, 1, lastEnd - 5), -1);  // "-->" read whole, "</B>" not
    EXPECT_EQ(partnerFrom(ahead, 1, lastEnd - 6), -1);  // "-->" cut: the rest is comment
}

} // namespace
