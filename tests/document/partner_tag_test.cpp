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
    Row{"unopened </B|>"}));

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

} // namespace
