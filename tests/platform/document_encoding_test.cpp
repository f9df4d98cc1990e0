#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

using namespace Qt::StringLiterals;

namespace {

std::string hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toStdString();
}

std::string units(const QString &text)
{
    std::string out;
    for (QChar c : text)
        out += QString::number(c.unicode(), 16).rightJustified(4, u'0').toStdString() + ' ';
    return out;
}

const char *nameOf(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::ShiftJis: return "Shift-JIS";
    case TextEncoding::Utf8: return "UTF-8";
    case TextEncoding::Utf8Bom: return "UTF-8 with BOM";
    case TextEncoding::EucJp: return "EUC-JP";
    }
    return "?";
}

// The placeholder of a byte that is not text in the page's encoding.
QString stray(int byte)
{
    return QString::fromUcs4(std::u32string(1, char32_t(0xF0000 + byte)).data(), 1);
}

struct DetectCase
{
    const char *name;
    QByteArray bytes;
    TextEncoding encoding;
    // Shift-JIS decoding has tests of its own.
    std::optional<QString> text;
    LineEnd lineEnd;
    // What saving gives back, when not `bytes`.
    std::optional<QByteArray> written = {};
};

TEST(DocumentEncoding, DetectsDecodesAndWritesBackTheSameBytes)
{
    const DetectCase cases[] = {
        {"byte-order mark", "\xef\xbb\xbf<P>\xe6\x97\xa5\xe6\x9c\xac</P>\r\n", TextEncoding::Utf8Bom,
         u"<P>日本</P>\n"_s, LineEnd::CrLf},
        {"byte-order mark and ASCII", "\xef\xbb\xbf<P>\n", TextEncoding::Utf8Bom, u"<P>\n"_s,
         LineEnd::Lf},
        {"byte-order mark alone", "\xef\xbb\xbf", TextEncoding::Utf8Bom, {}, LineEnd::CrLf},
        {"plain ASCII stays Shift-JIS", "<HTML>\r\n</HTML>\r\n", TextEncoding::ShiftJis,
         u"<HTML>\n</HTML>\n"_s, LineEnd::CrLf},
        {"empty stays Shift-JIS", {}, TextEncoding::ShiftJis, {}, LineEnd::CrLf},
        {"Japanese UTF-8", "<P>\xe3\x81\x82\xe3\x81\x84</P>\n", TextEncoding::Utf8,
         u"<P>あい</P>\n"_s, LineEnd::Lf},
        {"two-byte and four-byte UTF-8", "caf\xc3\xa9 \xf0\x9f\x98\x80\r\n", TextEncoding::Utf8,
         u"café 😀\n"_s, LineEnd::CrLf},
        {"Shift-JIS Japanese is not UTF-8", "<P>\x93\xfa\x96\x7b</P>\r\n", TextEncoding::ShiftJis,
         u"<P>日本</P>\n"_s, LineEnd::CrLf},
        {"Shift-JIS hiragana", "\x82\xa0\x82\xa2", TextEncoding::ShiftJis, u"あい"_s, LineEnd::CrLf},
        // Shift-JIS that reads as UTF-8 up to its last byte.
        {"truncated sequence at the end", "\xe6\x97\xa5\xe6\x9c", TextEncoding::ShiftJis, {},
         LineEnd::CrLf},
        {"invalid byte inside UTF-8", "\xe6\x97\xa5\xff\xe6\x9c\xac\n", TextEncoding::ShiftJis, {},
         LineEnd::Lf},
        {"invalid bytes inside marked UTF-8", "\xef\xbb\xbf\xe6\x97\xa5\xff\x80\xe6\x9c\r\n",
         TextEncoding::Utf8Bom, u"日"_s + stray(0xff) + stray(0x80) + stray(0xe6) + stray(0x9c) + u"\n"_s,
         LineEnd::CrLf},
        {"overlong form is not UTF-8, even marked", "\xef\xbb\xbf\xc0\xaf\xe0\x80\xaf",
         TextEncoding::Utf8Bom,
         stray(0xc0) + stray(0xaf) + stray(0xe0) + stray(0x80) + stray(0xaf), LineEnd::CrLf},
        {"encoded surrogate is not UTF-8", "\xef\xbb\xbf\xed\xa0\x80", TextEncoding::Utf8Bom,
         stray(0xed) + stray(0xa0) + stray(0x80), LineEnd::CrLf},
        {"above U+10FFFF is not UTF-8", "\xef\xbb\xbf\xf4\x90\x80\x80", TextEncoding::Utf8Bom,
         stray(0xf4) + stray(0x90) + stray(0x80) + stray(0x80), LineEnd::CrLf},
        // Characters the editor would change: kept as the bytes they came as.
        {"placeholder character in the page", "\xf3\xb0\x81\x81 \xc3\xa9", TextEncoding::Utf8,
         stray(0xf3) + stray(0xb0) + stray(0x81) + stray(0x81) + u" é"_s, LineEnd::CrLf},
        {"paragraph separator and frame marks", "\xe2\x80\xa9\xef\xb7\x90\xef\xb7\x91\xef\xb7\x92",
         TextEncoding::Utf8,
         stray(0xe2) + stray(0x80) + stray(0xa9) + stray(0xef) + stray(0xb7) + stray(0x90) + stray(0xef)
                 + stray(0xb7) + stray(0x91) + u"\uFDD2"_s,
         LineEnd::CrLf},
        // A lone CR comes back as CR LF, as in Shift-JIS pages.
        // EUC-JP: told by kana, by bytes CP932 cannot read, else by the page's word.
        {"EUC-JP kana", "<P>\xa4\xa2\xa4\xa4</P>\r\n", TextEncoding::EucJp, u"<P>あい</P>\n"_s,
         LineEnd::CrLf},
        {"EUC-JP kanji that CP932 cannot read", "\xc6\xfc\xcb\xdc\n", TextEncoding::EucJp,
         u"日本\n"_s, LineEnd::Lf},
        {"EUC-JP half-width kana and JIS X 0212", "\xa4\xa2\x8e\xb1\x8f\xb0\xa1",
         TextEncoding::EucJp, u"あｱ丂"_s, LineEnd::CrLf},
        {"EUC-JP kana whatever the page says", "<meta charset=Shift_JIS>\xa4\xa2",
         TextEncoding::EucJp, u"<meta charset=Shift_JIS>あ"_s, LineEnd::CrLf},
        {"valid both ways, no kana: Shift-JIS", "\xb0\xa1", TextEncoding::ShiftJis, u"ｰ｡"_s,
         LineEnd::CrLf},
        {"valid both ways, declared EUC-JP", "<META charset=\"euc-jp\">\xb0\xa1", TextEncoding::EucJp,
         u"<META charset=\"euc-jp\">亜"_s, LineEnd::CrLf},
        {"Shift-JIS half-width kana declared EUC-JP", "<meta charset=EUC-JP>\xb1\xb2\xb3",
         TextEncoding::ShiftJis, u"<meta charset=EUC-JP>ｱｲｳ"_s, LineEnd::CrLf},
        {"invalid both ways, declared EUC-JP", "<meta charset=EUC-JP>\xa4\xa2\xff",
         TextEncoding::EucJp, u"<meta charset=EUC-JP>あ"_s + stray(0xff), LineEnd::CrLf},
        {"ASCII declared EUC-JP", "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=EUC-JP\">",
         TextEncoding::EucJp, std::nullopt, LineEnd::CrLf},
        {"ASCII declared UTF-8", "<meta http-equiv=content-type content='text/html;charset=utf-8'>\n",
         TextEncoding::Utf8, std::nullopt, LineEnd::Lf},
        {"ASCII declared in a comment only", "<!-- <meta charset=UTF-8> -->", TextEncoding::ShiftJis,
         std::nullopt, LineEnd::CrLf},
        {"lone CR in UTF-8", "\xc3\xa9\r\xc3\xa9\r", TextEncoding::Utf8, u"é\né\n"_s, LineEnd::CrLf,
         "\xc3\xa9\r\n\xc3\xa9\r\n"},
    };
    for (const DetectCase &c : cases) {
        SCOPED_TRACE(c.name);
        const LoadedText loaded = decodeDocument(c.bytes);
        EXPECT_STREQ(nameOf(loaded.encoding), nameOf(c.encoding));
        if (c.text) {
            EXPECT_EQ(units(loaded.text), units(*c.text));
        }
        EXPECT_EQ(loaded.lineEnd, c.lineEnd);
        const EncodedText encoded = encodeDocument(loaded.text, loaded.lineEnd, loaded.encoding);
        EXPECT_TRUE(encoded.unencodable.isEmpty());
        EXPECT_EQ(hex(encoded.bytes), hex(c.written.value_or(c.bytes)));
    }
}

TEST(DocumentEncoding, EditorBreaksAndOddUnitsAreWrittenSafely)
{
    const struct {
        const char *name;
        QString text;
        QByteArray bytes;
    } cases[] = {
        {"block separators", u"a\u2029b\nc"_s, "a\r\nb\r\nc"},
        {"placeholders as their bytes", stray(0x00) + stray(0x80) + stray(0xff), QByteArray("\x00\x80\xff", 3)},
        {"a lone high surrogate", u"a"_s + QChar(0xD83D) + u"b"_s, "a\xef\xbf\xbd" "b"},
        {"a lone low surrogate at the end", u"a"_s + QChar(0xDE00), "a\xef\xbf\xbd"},
        {"the highest character", QString::fromUcs4(U"\U0010FFFF", 1), "\xf4\x8f\xbf\xbf"},
        {"beyond the placeholders", QString::fromUcs4(U"\U000F0100", 1), "\xf3\xb0\x84\x80"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(hex(encodeDocument(c.text, LineEnd::CrLf, TextEncoding::Utf8).bytes), hex(c.bytes));
    }
}

// Long runs of ASCII (the fast path), Japanese, emoji and stray bytes in any
// order, with one kind of line end.
QByteArray randomUtf8Page(std::mt19937 &random, const QByteArray &lineEnd)
{
    static const QByteArray pieces[] = {
        "<td align=\"right\">The quick brown fox jumps over the lazy dog</td>",
        "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e", "\xf0\x9f\x98\x80", "\xc3\xa9", "\xef\xbb\xbf",
        "\x80", "\xff", "\xe6\x97", "\xf3\xb0\x80\x80", "\xe2\x80\xa9", "\xe2\x80\xa8", "\t",
    };
    QByteArray bytes = "\xef\xbb\xbf";
    const int count = int(random() % 200);
    for (int i = 0; i < count; ++i) {
        const std::size_t pick = random() % (std::size(pieces) + 1);
        bytes += pick == std::size(pieces) ? lineEnd : pieces[pick];
    }
    return bytes;
}

TEST(DocumentEncoding, RandomMarkedPagesComeBackByteForByte)
{
    std::mt19937 random(20261208);
    for (int n = 0; n < 400; ++n) {
        const QByteArray lineEnd = n % 2 ? "\n" : "\r\n";
        const QByteArray page = randomUtf8Page(random, lineEnd);
        const LoadedText loaded = decodeDocument(page);
        ASSERT_EQ(loaded.encoding, TextEncoding::Utf8Bom) << n;
        const QByteArray back = encodeDocument(loaded.text, loaded.lineEnd, loaded.encoding).bytes;
        ASSERT_EQ(hex(back), hex(page)) << "page " << n;
    }
}

TEST(DocumentEncoding, RandomPagesComeBackWhicheverEncodingTheyGet)
{
    std::mt19937 random(7);
    int utf8Pages = 0;
    for (int n = 0; n < 2000; ++n) {
        // Characters of every length, LF line ends, and now and then a byte
        // that breaks the UTF-8 (or a sequence cut short).
        QString text;
        const int length = int(random() % 24);
        for (int i = 0; i < length; ++i) {
            const char32_t ranges[] = {0x80, 0x800, 0x10000, 0x110000};
            char32_t c = char32_t(random() % ranges[random() % 4]);
            if (c == '\r' || (c >= 0xD800 && c <= 0xDFFF))
                c = '\n';
            text += QString::fromUcs4(&c, 1);
        }
        QByteArray page = text.toUtf8();
        if (random() % 3 == 0 && !page.isEmpty())
            page.insert(qsizetype(random() % page.size()), char(0x80 + random() % 0x80));
        if (random() % 5 == 0 && !page.isEmpty())
            page.chop(1);
        const LoadedText loaded = decodeDocument(page);
        utf8Pages += loaded.encoding != TextEncoding::ShiftJis;
        const QByteArray back = encodeDocument(loaded.text, loaded.lineEnd, loaded.encoding).bytes;
        ASSERT_EQ(hex(back), hex(page)) << "page " << n;
    }
    EXPECT_GT(utf8Pages, 500);
    EXPECT_LT(utf8Pages, 1800);
}

} // namespace
