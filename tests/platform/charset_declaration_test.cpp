#include "platform/charset_declaration.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(CharsetDeclaration, FindsTheValueOfEitherFormAndNothingElse)
{
    const struct {
        const char *name;
        QString page;
        QStringList values;
    } cases[] = {
        {"http-equiv", u"<HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">"_s,
         {u"Shift_JIS"_s}},
        {"content first, lower case, single quotes",
         u"<meta content='text/html;charset=euc-jp' http-equiv='content-type'>"_s, {u"euc-jp"_s}},
        {"charset attribute, unquoted", u"<meta charset=utf-8>"_s, {u"utf-8"_s}},
        {"charset attribute, spaces and slash", u"<Meta  charset = \"UTF-8\" />"_s, {u"UTF-8"_s}},
        {"both forms", u"<meta charset=a><META http-equiv=Content-Type content=\"text/html; charset=b\">"_s,
         {u"a"_s, u"b"_s}},
        {"another http-equiv", u"<meta http-equiv=refresh content=\"5; charset=x\">"_s, {}},
        {"content without charset", u"<meta http-equiv=Content-Type content=\"text/html\">"_s, {}},
        {"inside a comment", u"<!-- <meta charset=utf-8> --><meta charset=x-sjis>"_s, {u"x-sjis"_s}},
        {"not a META", u"<metadata charset=utf-8><p charset=utf-8>"_s, {}},
        {"past the head", QString(CharsetSearchLength, u' ') + u"<meta charset=utf-8>"_s, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QStringList values;
        for (const CharsetDeclaration &d : findCharsetDeclarations(c.page))
            values << c.page.sliced(d.start, d.length);
        EXPECT_EQ(values, c.values);
    }
}

TEST(CharsetDeclaration, KnowsTheNamesOfWhatItReads)
{
    const struct {
        const char *name;
        std::optional<TextEncoding> encoding;
    } cases[] = {
        {"Shift_JIS", TextEncoding::ShiftJis}, {"shift_jis", TextEncoding::ShiftJis},
        {"X-SJIS", TextEncoding::ShiftJis},    {"windows-31j", TextEncoding::ShiftJis},
        {"euc-jp", TextEncoding::EucJp},       {"utf-8", TextEncoding::Utf8},
        {"utf8", std::nullopt},                {"iso-2022-jp", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(encodingOfCharset(QString::fromLatin1(c.name)), c.encoding) << c.name;
}

} // namespace
