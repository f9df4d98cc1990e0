#include "platform/file_filter.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(FileFilter, KeepsTheDescriptionsAndMatchesLikeWindows)
{
    const QStringList filters = qtNameFilters(u"HTMLﾌｧｲﾙ(*.htm*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*"_s);
    EXPECT_EQ(filters, (QStringList{u"HTMLﾌｧｲﾙ(*.htm*) (*.[hH][tT][mM]*)"_s, u"全てのﾌｧｲﾙ(*.*) (*)"_s}));
}

TEST(FileFilter, SeveralPatternsAndADanglingDescription)
{
    EXPECT_EQ(qtNameFilters(u"画像(*.gif;*.jpg)|*.gif;*.jpg|余り"_s),
              QStringList{u"画像(*.gif;*.jpg) (*.[gG][iI][fF] *.[jJ][pP][gG])"_s});
    EXPECT_TRUE(qtNameFilters(QString()).isEmpty());
}

// What the patterns match, as the file dialog applies them.
TEST(FileFilter, PatternsMatchEitherCaseAndNamesWithoutADot)
{
    const QStringList filters = qtNameFilters(u"HTML|*.htm*|全て|*.*"_s);
    auto matches = [](const QString &filter, const QString &name) {
        const QString pattern = filter.section(u'(', -1).chopped(1);
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern));
        return re.match(name).hasMatch();
    };
    EXPECT_TRUE(matches(filters[0], u"INDEX.HTM"_s));
    EXPECT_TRUE(matches(filters[0], u"page.html"_s));
    EXPECT_FALSE(matches(filters[0], u"notes.txt"_s));
    EXPECT_TRUE(matches(filters[1], u"README"_s));
}

} // namespace
