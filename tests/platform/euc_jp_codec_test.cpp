#include "platform/euc_jp_codec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace Qt::StringLiterals;

namespace {

std::string hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toStdString();
}

QString stray(int byte)
{
    const char32_t c = char32_t(0xF0000 + byte);
    return QString::fromUcs4(&c, 1);
}

TEST(EucJpCodec, DecodesEachKindOfCodeAndWritesItBack)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QString text;
        qsizetype kana;
    } cases[] = {
        {"ASCII", "<P>a\\b~</P>", u"<P>a\\b~</P>"_s, 0},
        {"hiragana and katakana", "\xa4\xa2\xa5\xa2", u"あア"_s, 2},
        {"kanji and punctuation", "\xc6\xfc\xcb\xdc\xa1\xa3", u"日本。"_s, 0},
        {"half-width katakana", "\x8e\xb1\x8e\xdf", u"ｱﾟ"_s, 0},
        {"JIS X 0212", "\x8f\xb0\xa1", u"丂"_s, 0},
        {"stray bytes", "\x80\xff\xa4", stray(0x80) + stray(0xff) + stray(0xa4), 0},
        {"a row JIS X 0208 leaves empty", "\xa9\xa1", stray(0xa9) + stray(0xa1), 0},
        {"SS2 without kana after it", "\x8e\xe0", stray(0x8e) + stray(0xe0), 0},
        {"SS3 cut short", "\x8f\xb0", stray(0x8f) + stray(0xb0), 0},
        {"a code cut short, then ASCII", "\xa4" "a", stray(0xa4) + u"a"_s, 0},
        {"CR LF joined", "a\r\n\xa4\xa2\r\n", u"a\nあ\n"_s, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const eucjp::Decoded decoded = eucjp::decodeLines(c.bytes);
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(decoded.kana, c.kana);
        const QByteArray lineBreak = decoded.hasCr ? "\r\n" : "\n";
        EXPECT_EQ(hex(eucjp::encodeLines(decoded.text, lineBreak).bytes), hex(c.bytes));
    }
}

TEST(EucJpCodec, ListsEveryCharacterItCannotHold)
{
    const QString text = u"a😀é日\u2029한b"_s;
    codec::UnencodableList unencodable;
    const codec::Encoded listed = eucjp::encodeLines(text, "\r\n", &unencodable);
    EXPECT_EQ(unencodable, (QList<qsizetype>{1, 6}));
    EXPECT_EQ(listed.firstUnencodable, 1);
    // é is in JIS X 0212.
    EXPECT_EQ(hex(listed.bytes), hex("a\x8f\xab\xb1\xc6\xfc\r\nb"));
    const codec::Encoded stopped = eucjp::encodeLines(text, "\r\n");
    EXPECT_EQ(stopped.firstUnencodable, 1);
    EXPECT_EQ(hex(stopped.bytes), hex("a"));
}

TEST(EucJpCodec, RandomBytesRoundTrip)
{
    std::mt19937 random(20261208);
    // Mostly bytes that start or continue codes, so that valid and broken
    // codes of every kind meet.
    const uchar interesting[] = {0x8e, 0x8f, 0xa1, 0xa4, 0xa5, 0xb0, 0xdf, 0xe0, 0xf4, 0xfe, 0xff, 0x80, 'a', '\n'};
    for (int n = 0; n < 3000; ++n) {
        QByteArray bytes;
        const int size = int(random() % 40);
        for (int i = 0; i < size; ++i) {
            const unsigned pick = random() % 3;
            uchar b = pick == 0 ? uchar(random()) : pick == 1 ? interesting[random() % std::size(interesting)]
                                                             : uchar(0xa1 + random() % 94);
            bytes.append(char(b == '\r' ? '\n' : b));
        }
        const eucjp::Decoded decoded = eucjp::decodeLines(bytes);
        ASSERT_EQ(hex(eucjp::encodeLines(decoded.text, "\n").bytes), hex(bytes)) << "case " << n;
        const eucjp::Decoded tried = eucjp::decodeLines(bytes, true);
        ASSERT_EQ(tried.strays == 0, decoded.strays == 0) << "case " << n;
    }
}

} // namespace
