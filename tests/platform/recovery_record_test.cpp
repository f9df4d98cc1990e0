#include "platform/recovery_record.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

std::string shown(const QString &text)
{
    return text.toUtf8().toStdString();
}

struct RecordCase {
    const char *name;
    RecoveryRecord record;
    QString textBack;  // '\n' between lines
};

TEST(RecoveryRecord, EveryFieldComesBack)
{
    const FileStamp stamp{1234, 1'765'000'000'123'456'789, 65024, 10952888};
    const RecordCase cases[] = {
        {"named page", {u"/home/a/page.html"_s, u"/home/a/page.html"_s, LineEnd::CrLf, TextEncoding::ShiftJis, stamp,
                        u"<HTML>\n日本語\n"_s}, u"<HTML>\n日本語\n"_s},
        {"new page, no file", {u"New-3"_s, {}, LineEnd::CrLf, TextEncoding::ShiftJis, std::nullopt, u"x"_s}, u"x"_s},
        {"LF page and another encoding", {u"a"_s, u"/a"_s, LineEnd::Lf, TextEncoding::Utf8Bom, stamp, u"a\nb"_s},
         u"a\nb"_s},
        {"editor's block separators", {u"b"_s, {}, LineEnd::CrLf, TextEncoding::ShiftJis, std::nullopt,
                                       u"a\u2029\u2029b\u2029"_s}, u"a\n\nb\n"_s},
        {"empty text", {u"c"_s, {}, LineEnd::CrLf, TextEncoding::ShiftJis, std::nullopt, {}}, {}},
        {"text that looks like a header", {u"d"_s, {}, LineEnd::CrLf, TextEncoding::ShiftJis, std::nullopt,
                                          u"\n\ncaption=x\ntextBytes=1\n\n"_s},
         u"\n\ncaption=x\ntextBytes=1\n\n"_s},
        {"names with line ends, percent signs and equals",
         {u"50% = half\nsecond\rline"_s, u"/tmp/%0A/=x\n.html"_s, LineEnd::CrLf, TextEncoding::ShiftJis, std::nullopt,
          u"t"_s}, u"t"_s},
        {"placeholders of undecodable bytes", {u"e"_s, {}, LineEnd::CrLf, TextEncoding::ShiftJis, std::nullopt,
                                               QString::fromUcs4(U"\U000F0081\U000F8790", 2)},
         QString::fromUcs4(U"\U000F0081\U000F8790", 2)},
    };
    for (const RecordCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<RecoveryRecord> back = parseRecoveryBytes(recoveryBytes(c.record));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(shown(back->caption), shown(c.record.caption));
        EXPECT_EQ(shown(back->fileName), shown(c.record.fileName));
        EXPECT_EQ(back->lineEnd, c.record.lineEnd);
        EXPECT_EQ(back->encoding, c.record.encoding);
        EXPECT_EQ(back->fileStamp, c.record.fileStamp);
        EXPECT_EQ(shown(back->text), shown(c.textBack));
    }
}

TEST(RecoveryRecord, TheTextIsPlainUtf8AfterTheHeader)
{
    const RecoveryRecord record{u"New-1"_s, {}, LineEnd::CrLf, TextEncoding::ShiftJis, std::nullopt, u"日本\u2029b"_s};
    EXPECT_EQ(recoveryBytes(record).toStdString(),
              "Marquill recovery 1\ncaption=New-1\nfile=\nlineEnd=CRLF\nencoding=CP932\n"
              "textBytes=8\n\n\xe6\x97\xa5\xe6\x9c\xac\nb");
}

TEST(RecoveryRecord, AnythingButAWholeRecordIsRefused)
{
    const QByteArray whole = recoveryBytes({u"p"_s, u"/p"_s, LineEnd::CrLf, TextEncoding::ShiftJis,
                                            FileStamp{1, 2, 3, 4}, u"some text"_s});
    ASSERT_TRUE(parseRecoveryBytes(whole).has_value());
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"cut in the text", whole.chopped(1)},
        {"text grown", whole + "x"},
        {"cut in the header", whole.first(30)},
        {"another format", QByteArray(whole).replace("recovery 1", "recovery 2")},
        {"a header line without '='", QByteArray(whole).replace("lineEnd=CRLF", "lineEnd")},
        {"a damaged stamp", QByteArray(whole).replace("stamp=1 2 3 4", "stamp=1 2 x 4")},
        {"no length", QByteArray(whole).replace("textBytes=9\n", "")},
        {"some other file", "<HTML>\r\n\r\n</HTML>"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(parseRecoveryBytes(c.bytes).has_value());
    }
}

} // namespace
