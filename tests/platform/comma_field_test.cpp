#include "platform/comma_field.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <climits>

namespace {

struct FieldCase
{
    const char16_t *text;
    int n;
    const char16_t *expected;
};

const FieldCase fieldCases[] = {
    { u"a,b,c", 1, u"a" },
    { u"a,b,c", 2, u"b" },
    { u"a,b,c", 3, u"c" },
    { u"a,b,c", 4, u"" },
    { u"a,b,c", 0, u"" },
    { u"a,b,c", -1, u"" },
    { u"a,b,c", INT_MIN, u"" },
    { u"a,b,c", INT_MAX, u"" },
    { u"a,,b", 1, u"a" },
    { u"a,,b", 2, u"" },
    { u"a,,b", 3, u"b" },
    { u",a", 1, u"" },
    { u",a", 2, u"a" },
    { u"a,", 1, u"a" },
    { u"a,", 2, u"" },
    { u"", 1, u"" },
    { u"", 2, u"" },
    { u"abc", 1, u"abc" },
    { u"abc", 2, u"" },
    { u" a , b ", 2, u" b " },
    { u"ＭＳ ゴシック,12,太字", 1, u"ＭＳ ゴシック" },
    { u"ＭＳ ゴシック,12,太字", 3, u"太字" },
    // Ideographic and full-width commas are text, not separators.
    { u"日本、語，字,次", 1, u"日本、語，字" },
    { u"日本、語，字,次", 2, u"次" },
};

TEST(NthCommaField, Table)
{
    for (const FieldCase &c : fieldCases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString() + " #" + std::to_string(c.n));
        EXPECT_EQ(NthCommaField(text, c.n).toStdString(),
                  QString::fromUtf16(c.expected).toStdString());
    }
}

TEST(NthCommaField, EveryFieldOfALongListInOrder)
{
    QStringList parts;
    for (int i = 0; i < 1000; ++i)
        parts.append(QString::number(i * 7));
    const QString text = parts.join(u',');
    for (int i = 0; i < parts.size(); ++i)
        ASSERT_EQ(NthCommaField(text, i + 1), parts.at(i)) << "field " << i + 1;
    EXPECT_TRUE(NthCommaField(text, int(parts.size()) + 1).isEmpty());
}

} // namespace
