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

// Programs carry no extension here: an entry of "*.EXE" alone lists the
// files one may run, under its description without the pattern.
TEST(FileFilter, AnExeEntryListsThePrograms)
{
    const struct {
        QString filter;
        QList<FileType> types;
    } rows[] = {
        {u"実行ﾌｧｲﾙ(*.EXE)|*.EXE|全てのﾌｧｲﾙ(*.*)|*.*"_s,
         {{u"実行ﾌｧｲﾙ (*)"_s, true}, {u"全てのﾌｧｲﾙ(*.*) (*)"_s, false}}},
        {u"Programs|*.exe; *.EXE|Pages|*.htm"_s,
         {{u"Programs (*)"_s, true}, {u"Pages (*.[hH][tT][mM])"_s, false}}},
        // Mixed with another pattern it stays a pattern.
        {u"Run(*.EXE;*.sh)|*.EXE;*.sh"_s, {{u"Run(*.EXE;*.sh) (*.[eE][xX][eE] *.[sS][hH])"_s, false}}},
        {u"Setup*.exe|setup*.exe"_s, {{u"Setup*.exe ([sS][eE][tT][uU][pP]*.[eE][xX][eE])"_s, false}}},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(fileTypes(row.filter), row.types) << row.filter.toStdString();
        QStringList names;
        for (const FileType &type : row.types)
            names << type.nameFilter;
        EXPECT_EQ(qtNameFilters(row.filter), names);
    }
}

} // namespace
