#include "platform/cp932_codec.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
#include "support/file_bytes.h"

#include <initializer_list>
#include <random>
#include <string>

using namespace Qt::StringLiterals;

namespace {

QString textOf(std::initializer_list<char32_t> codePoints)
{
    QString result;
    for (char32_t c : codePoints) {
        if (c >= 0x10000) {
            result.append(QChar(QChar::highSurrogate(c)));
            result.append(QChar(QChar::lowSurrogate(c)));
        } else {
            result.append(QChar(char16_t(c)));
        }
    }
    return result;
}

// Readable, exact renderings so a failing comparison shows what differs.
std::string hex(QByteArrayView bytes)
{
    return QByteArray(bytes.data(), bytes.size()).toHex(' ').toStdString();
}

std::string units(QStringView text)
{
    std::string result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            result += QStringLiteral("U+%1 ")
                              .arg(uint(QChar::surrogateToUcs4(c, text[i + 1].unicode())), 5, 16,
                                   QLatin1Char('0'))
                              .toStdString();
            ++i;
        } else if (QChar::isSurrogate(c)) {
            result += QStringLiteral("<%1> ").arg(uint(c), 4, 16, QLatin1Char('0')).toStdString();
        } else {
            result += QStringLiteral("U+%1 ").arg(uint(c), 4, 16, QLatin1Char('0')).toStdString();
        }
    }
    return result;
}

void expectRoundTrip(const QByteArray &bytes)
{
    const QString text = cp932::decode(bytes);
    EXPECT_TRUE(QStringView(text).isValidUtf16()) << hex(bytes);
    const cp932::Encoded encoded = cp932::encode(text);
    EXPECT_EQ(encoded.firstUnencodable, -1) << hex(bytes);
    EXPECT_EQ(hex(encoded.bytes), hex(bytes));
}

bool isLead(int b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isTrail(int b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

struct DecodeCase
{
    const char *name;
    QByteArray bytes;
    QString text;
};

TEST(Cp932Codec, DecodesKnownSamples)
{
    const DecodeCase cases[] = {
        {"empty", {}, {}},
        {"ascii", "Hello, <b>World</b>!", u"Hello, <b>World</b>!"_s},
        {"nihongo", bytesOf({0x93, 0xFA, 0x96, 0x7B, 0x8C, 0xEA}), u"日本語"_s},
        {"hiragana katakana ideographic space",
         bytesOf({0x82, 0xA0, 0x83, 0x41, 0x81, 0x40}), u"あア\u3000"_s},
        {"half-width katakana", bytesOf({0xB1, 0xDF, 0xA1}), u"ｱﾟ｡"_s},
        {"backslash and tilde stay ASCII", bytesOf({0x5C, 0x7E}), u"\\~"_s},
        {"wave dash as Windows reads it", bytesOf({0x81, 0x60}), u"\uFF5E"_s},
        {"horizontal bar", bytesOf({0x81, 0x5C}), u"\u2015"_s},
        {"NEC circled digit", bytesOf({0x87, 0x40}), u"\u2460"_s},
        {"IBM small roman numeral", bytesOf({0xFA, 0x40}), u"\u2170"_s},
        {"IBM kanji", bytesOf({0xFA, 0x5C, 0xFC, 0x4B}), u"\u7E8A\u9ED1"_s},
        {"user-defined area", bytesOf({0xF0, 0x40, 0xF9, 0xFC}), u"\uE000\uE757"_s},
        {"line ends untouched", "a\r\nb\rc\n", u"a\r\nb\rc\n"_s},
        {"nul and controls", bytesOf({0x00, 0x01, 0x1F, 0x7F}), textOf({0, 1, 0x1F, 0x7F})},
        {"NEC duplicate of a JIS code", bytesOf({0x87, 0x90}), textOf({0xF8790})},
        {"NEC-selected IBM duplicate", bytesOf({0xED, 0x40}), textOf({0xFED40})},
        {"IBM duplicate of an NEC code", bytesOf({0xFA, 0x4A}), textOf({0xFFA4A})},
        {"bytes glibc rejects", bytesOf({0x80, 0xA0, 0xFD, 0xFE, 0xFF}),
         textOf({0xF0080, 0xF00A0, 0xF00FD, 0xF00FE, 0xF00FF})},
        {"lead byte at end", bytesOf({'a', 0x81}), textOf({'a', 0xF0081})},
        {"lead byte then control", bytesOf({0x88, 0x0A}), textOf({0xF0088, '\n'})},
        {"lead byte then CR LF", bytesOf({0x93, 0x0D, 0x0A}), textOf({0xF0093, '\r', '\n'})},
        {"lead then invalid trail", bytesOf({0x81, 0x7F, 0x41}), textOf({0xF0081, 0x7F, 'A'})},
        {"unassigned code: lead alone, trail rescanned", bytesOf({0x85, 0x40}),
         textOf({0xF0085, '@'})},
        {"rescanned trail starts a code", bytesOf({0x85, 0x81, 0x40}),
         textOf({0xF0085, 0x3000})},
        {"unassigned past IBM range", bytesOf({0xFC, 0x4C}), textOf({0xF00FC, 'L'})},
        {"lead lead at end", bytesOf({0x82, 0xA0, 0xE0}), textOf({0x3042, 0xF00E0})},
    };
    for (const DecodeCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(units(cp932::decode(c.bytes)), units(c.text));
    }
}

struct EncodeCase
{
    const char *name;
    QString text;
    QByteArray bytes;
};

TEST(Cp932Codec, EncodesKnownSamples)
{
    const EncodeCase cases[] = {
        {"empty", {}, {}},
        {"ascii with line ends", u"a\r\nb\n"_s, "a\r\nb\n"},
        {"nihongo", u"日本語"_s, bytesOf({0x93, 0xFA, 0x96, 0x7B, 0x8C, 0xEA})},
        {"half-width katakana", u"ｱﾟ"_s, bytesOf({0xB1, 0xDF})},
        {"fullwidth tilde", u"\uFF5E"_s, bytesOf({0x81, 0x60})},
        {"wave dash one way", u"\u301C"_s, bytesOf({0x81, 0x60})},
        {"yen sign one way", u"\u00A5"_s, bytesOf({0x5C})},
        {"overline one way", u"\u203E"_s, bytesOf({0x7E})},
        {"em dash one way", u"\u2014"_s, bytesOf({0x81, 0x5C})},
        {"minus sign one way", u"\u2212"_s, bytesOf({0x81, 0x7C})},
        {"double vertical line one way", u"\u2016"_s, bytesOf({0x81, 0x61})},
        {"cent, pound, not sign one way", u"\u00A2\u00A3\u00AC"_s,
         bytesOf({0x81, 0x91, 0x81, 0x92, 0x81, 0xCA})},
        {"character with duplicates uses its canonical code", u"\u2252\u2160\u7E8A"_s,
         bytesOf({0x81, 0xE0, 0x87, 0x54, 0xFA, 0x5C})},
        {"byte placeholders", textOf({0xF0000, 0xF0080, 0xF00FF, 0xF0041}),
         bytesOf({0x00, 0x80, 0xFF, 0x41})},
        {"duplicate placeholders", textOf({0xF8790, 0xFED40, 0xFFA5B}),
         bytesOf({0x87, 0x90, 0xED, 0x40, 0xFA, 0x5B})},
        {"user-defined area", u"\uE000\uE757"_s, bytesOf({0xF0, 0x40, 0xF9, 0xFC})},
    };
    for (const EncodeCase &c : cases) {
        SCOPED_TRACE(c.name);
        const cp932::Encoded encoded = cp932::encode(c.text);
        EXPECT_EQ(encoded.firstUnencodable, -1);
        EXPECT_EQ(hex(encoded.bytes), hex(c.bytes));
    }
}

struct UnencodableCase
{
    const char *name;
    QString text;
    qsizetype index;
    QByteArray before;
};

TEST(Cp932Codec, StopsAtFirstUnencodable)
{
    const UnencodableCase cases[] = {
        {"accented letter", u"abcé日本"_s, 3, "abc"},
        {"emoji", u"日本😀語"_s, 2, bytesOf({0x93, 0xFA, 0x96, 0x7B})},
        {"emoji first", u"😀a"_s, 0, {}},
        {"lone high surrogate", textOf({'a', 0xD83D, 'b'}), 1, "a"},
        {"high surrogate at end", textOf({'a', 'b', 0xD83D}), 2, "ab"},
        {"lone low surrogate", textOf({'a', 0xDE00, 'b'}), 1, "a"},
        {"two high surrogates", textOf({0xD83D, 0xD83D, 0xDE00}), 0, {}},
        {"paragraph separator", u"a\u2029b"_s, 1, "a"},
        {"private use past the byte placeholders", textOf({'x', 0xF0100}), 1, "x"},
        {"placeholder of a canonical code", textOf({'x', 0xF88A0}), 1, "x"},
        {"placeholder of an unassigned code", textOf({0xF8790, 0xF8540}), 2,
         bytesOf({0x87, 0x90})},
        {"just below the placeholders", textOf({0xEFFFF}), 0, {}},
        {"later characters are ignored", u"ab\u00E9\u00E9\u00E9"_s, 2, "ab"},
    };
    for (const UnencodableCase &c : cases) {
        SCOPED_TRACE(c.name);
        const cp932::Encoded encoded = cp932::encode(c.text);
        EXPECT_EQ(encoded.firstUnencodable, c.index);
        EXPECT_EQ(hex(encoded.bytes), hex(c.before));
    }
}

TEST(Cp932Codec, ListsEveryUnencodableAndEncodesTheRest)
{
    const struct {
        const char *name;
        QString text;
        QList<qsizetype> listed;
        QByteArray bytes;
    } cases[] = {
        {"none", u"日a\n"_s, {}, bytesOf({0x93, 0xFA, 'a', '\r', '\n'})},
        {"letters, emoji and a lone surrogate", textOf({0xE9, 'a', 0x1F600, 0xD83D, 'b', 0xE9}), {0, 2, 4, 6}, "ab"},
        {"placeholders pass", textOf({0xF0080, 0xF0100, 0xF8790}), {2}, bytesOf({0x80, 0x87, 0x90})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        codec::UnencodableList listed;
        const cp932::Encoded encoded = cp932::encodeLines(c.text, "\r\n", &listed);
        EXPECT_EQ(listed, c.listed);
        EXPECT_EQ(encoded.firstUnencodable, c.listed.isEmpty() ? -1 : c.listed.first());
        EXPECT_EQ(hex(encoded.bytes), hex(c.bytes));
    }
}

struct LinesCase
{
    const char *name;
    QByteArray bytes;
    QString text;
    bool hasLf;
    bool hasCr;
};

TEST(Cp932Codec, DecodeLinesJoinsLineEnds)
{
    const QByteArray run(40, 'x');
    const QString runText(40, u'x');
    const LinesCase cases[] = {
        {"empty", {}, {}, false, false},
        {"none", "abc", u"abc"_s, false, false},
        {"LF", "a\nb\n", u"a\nb\n"_s, true, false},
        {"CR LF", "a\r\nb\r\n", u"a\nb\n"_s, false, true},
        {"lone CR", "a\rb", u"a\nb"_s, false, true},
        {"CR CR LF LF", "\r\r\n\n", u"\n\n\n"_s, true, true},
        {"LF CR", "\n\r", u"\n\n"_s, true, true},
        {"lead byte then CR LF", bytesOf({0x81, 0x0D, 0x0A}), textOf({0xF0081, '\n'}), false, true},
        {"CR, placeholder, LF", bytesOf({0x0D, 0xFF, 0x0A}), textOf({'\n', 0xF00FF, '\n'}), true,
         true},
        {"LF inside a long ASCII run", run + "\n" + run, runText + u"\n"_s + runText, true, false},
        {"CR LF inside a long ASCII run", run + "\r\n" + run, runText + u"\n"_s + runText, false,
         true},
        {"CR ending a long ASCII run", run + "\r", runText + u"\n"_s, false, true},
        {"CR at the end of an ASCII block, LF after", QByteArray(15, 'y') + "\r\n" + run,
         QString(15, u'y') + u"\n"_s + runText, false, true},
        {"LF at the end of an ASCII block", QByteArray(15, 'y') + "\n" + run,
         QString(15, u'y') + u"\n"_s + runText, true, false},
    };
    for (const LinesCase &c : cases) {
        SCOPED_TRACE(c.name);
        const cp932::DecodedLines decoded = cp932::decodeLines(c.bytes);
        EXPECT_EQ(units(decoded.text), units(c.text));
        EXPECT_EQ(decoded.hasLf, c.hasLf);
        EXPECT_EQ(decoded.hasCr, c.hasCr);
    }
}

// Inputs near the 64 KiB steps in which decoding sizes its output.
TEST(Cp932Codec, CodesAndLineEndsAcrossLargeSteps)
{
    for (qsizetype prefix : {65534, 65535, 65536, 131071}) {
        SCOPED_TRACE(prefix);
        const QByteArray ascii(prefix, 'a');
        const QString asciiText(prefix, u'a');
        const QByteArray pair = ascii + bytesOf({0x82, 0xA0, 0x82, 0xA0});
        EXPECT_EQ(units(cp932::decode(pair)), units(asciiText + u"ああ"_s));
        const cp932::DecodedLines lines = cp932::decodeLines(ascii + "\r\nb");
        EXPECT_EQ(units(lines.text), units(asciiText + u"\nb"_s));
        EXPECT_FALSE(lines.hasLf);
        EXPECT_TRUE(lines.hasCr);
        expectRoundTrip(pair);
        expectRoundTrip(ascii + QByteArray(70000, char(0xFD)) + ascii);
    }
}

TEST(Cp932Codec, EncodeLinesWritesEachBreakAsGiven)
{
    const QString text = u"a\nb\u2029日\n\n"_s;
    const cp932::Encoded crLf = cp932::encodeLines(text, "\r\n");
    EXPECT_EQ(crLf.firstUnencodable, -1);
    EXPECT_EQ(hex(crLf.bytes), hex(bytesOf({'a', 13, 10, 'b', 13, 10, 0x93, 0xFA, 13, 10, 13, 10})));
    const cp932::Encoded lf = cp932::encodeLines(text, "\n");
    EXPECT_EQ(lf.firstUnencodable, -1);
    EXPECT_EQ(hex(lf.bytes), hex(bytesOf({'a', 10, 'b', 10, 0x93, 0xFA, 10, 10})));

    const cp932::Encoded stopped = cp932::encodeLines(u"a\nb\u2029\u00E9"_s, "\r\n");
    EXPECT_EQ(stopped.firstUnencodable, 4);
    EXPECT_EQ(hex(stopped.bytes), hex("a\r\nb\r\n"));
}

// Every one- and two-byte input, which covers every lead/trail pair, every
// duplicate and every stray byte in every position a pair can have.
TEST(Cp932Codec, EveryShortInputRoundTrips)
{
    for (int a = 0; a < 256; ++a) {
        expectRoundTrip(bytesOf({a}));
        for (int b = 0; b < 256; ++b)
            expectRoundTrip(bytesOf({a, b}));
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(Cp932Codec, ClassifiesEveryDoubleByteCode)
{
    int canonical = 0;
    int duplicates = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLead(lead))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrail(trail))
                continue;
            const int code = lead << 8 | trail;
            const QString text = cp932::decode(bytesOf({lead, trail}));
            const QList<uint> codePoints = text.toUcs4();
            if (codePoints.size() == 1 && codePoints[0] < 0x10000) {
                ++canonical;
                EXPECT_FALSE(cp932::isPlaceholder(codePoints[0]));
            } else if (codePoints.size() == 1) {
                ++duplicates;
                EXPECT_EQ(codePoints[0], 0xF0000u + code) << std::hex << code;
                EXPECT_TRUE(cp932::isPlaceholder(codePoints[0]));
            } else {
                // Not a code: the lead byte stands alone.
                ASSERT_EQ(codePoints.size(), 2) << std::hex << code;
                EXPECT_EQ(codePoints[0], 0xF0000u + lead) << std::hex << code;
                EXPECT_FALSE(cp932::isPlaceholder(0xF0000u + code)) << std::hex << code;
            }
        }
    }
    EXPECT_EQ(canonical, 9604 - 398);
    EXPECT_EQ(duplicates, 398);
}

TEST(Cp932Codec, DuplicateDecodesToPlaceholderNotToItsCharacter)
{
    // 0x8790 is Windows' second code for U+2252, which it writes as 0x81E0.
    EXPECT_EQ(units(cp932::decode(bytesOf({0x81, 0xE0}))), units(u"\u2252"_s));
    EXPECT_EQ(units(cp932::decode(bytesOf({0x87, 0x90}))), units(textOf({0xF8790})));
    EXPECT_EQ(hex(cp932::encode(u"\u2252"_s).bytes), hex(bytesOf({0x81, 0xE0})));
}

TEST(Cp932Codec, IsPlaceholder)
{
    const struct
    {
        char32_t c;
        bool placeholder;
    } cases[] = {
        {0xF0000, true},  {0xF0080, true},  {0xF00FF, true},  {0xF0100, false},
        {0xF8790, true},  {0xFED40, true},  {0xFFA5B, true},  {0xF88A0, false},
        {0xF8540, false}, {0xFFCFC, false}, {0xEFFFF, false}, {'A', false},
        {0xE000, false},  {0x10FFFF, false}, {0xF813F, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cp932::isPlaceholder(c.c), c.placeholder) << std::hex << quint32(c.c);
}

TEST(Cp932Codec, NeverReadsPastTheView)
{
    // The byte after the view would complete a valid code.
    const QByteArray buffer = bytesOf({'a', 0x82, 0xA0});
    EXPECT_EQ(units(cp932::decode(QByteArrayView(buffer).first(2))), units(textOf({'a', 0xF0082})));
    EXPECT_EQ(units(cp932::decode(QByteArrayView(buffer).sliced(1, 1))), units(textOf({0xF0082})));
}

TEST(Cp932Codec, HandMadeInputsRoundTrip)
{
    QByteArray allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes.append(char(b));
    QByteArray allBytesDown = allBytes;
    std::reverse(allBytesDown.begin(), allBytesDown.end());

    QByteArray everyDuplicate;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const QByteArray pair = bytesOf({lead, trail});
            const QList<uint> codePoints = cp932::decode(pair).toUcs4();
            if (codePoints.size() == 1 && codePoints[0] >= 0xF8140)
                everyDuplicate += pair;
        }
    }
    ASSERT_EQ(everyDuplicate.size(), 2 * 398);

    const QByteArray cases[] = {
        cp932::encode(u"<p>日本語のテキスト、ｶﾀｶﾅ、①Ⅰⅰ\uE000。</p>\r\n"_s).bytes,
        everyDuplicate,
        QStringLiteral("UTF-8: 日本語 é 😀 \u301C\r\n").toUtf8(),
        allBytes,
        allBytesDown,
        bytesOf({0x80, 0xA0, 0xFD, 0xFE, 0xFF, 0x80}),
        bytesOf({0x40, 0x7E, 0x80, 0xFC, 0x9F}),   // stray trail bytes, lead at end
        bytesOf({0x81, 0x81, 0x81}),               // pair, then a lone lead
        bytesOf({0xFC, 0xFC, 0xFC, 0xFC}),         // lead bytes forming no code
        QByteArray(1000, char(0x81)),
        // Long enough that the output outgrows its first buffer several times.
        QByteArray(300000, char(0xFF)) + cp932::encode(u"日本"_s).bytes + QByteArray(300000, char(0xE0)),
    };
    for (const QByteArray &bytes : cases)
        expectRoundTrip(bytes);
}

TEST(Cp932Codec, RandomBytesRoundTrip)
{
    std::mt19937 random(20240601);
    // Bytes drawn so that leads, trails and stray bytes meet in every order.
    const int interesting[] = {0x00, 0x0A, 0x0D, 0x40, 0x5C, 0x7E, 0x7F, 0x80, 0x81, 0x87,
                               0x90, 0x9F, 0xA0, 0xA1, 0xDF, 0xE0, 0xED, 0xEE, 0xF0, 0xFA,
                               0xFC, 0xFD, 0xFE, 0xFF};
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<int> pick(0, int(std::size(interesting)) - 1);
    std::uniform_int_distribution<int> lead(0x81, 0xFC);
    std::uniform_int_distribution<int> trail(0x40, 0xFC);
    std::uniform_int_distribution<int> mode(0, 3);
    std::uniform_int_distribution<int> length(0, 400);

    for (int n = 0; n < 5000; ++n) {
        QByteArray bytes;
        const int size = length(random);
        const int style = n % 3;
        while (bytes.size() < size) {
            const int m = mode(random);
            if (style == 0 || m == 0) {
                bytes.append(char(anyByte(random)));
            } else if (m == 1) {
                bytes.append(char(interesting[pick(random)]));
            } else {
                bytes.append(char(lead(random)));
                bytes.append(char(trail(random)));
            }
        }
        expectRoundTrip(bytes);
        if (::testing::Test::HasFailure())
            return;
    }
}

// Long ASCII runs with line ends, duplicates and stray bytes between them,
// checked against decode() and encode() with the line ends done by hand.
TEST(Cp932Codec, LinesAgreeWithPlainCodecOnRandomText)
{
    std::mt19937 random(4242);
    const QByteArray pieces[] = {"\r", "\n", "\r\n", bytesOf({0x82, 0xA0}), bytesOf({0x87, 0x90}),
                                 bytesOf({0xFF}), bytesOf({0x81}), bytesOf({0xB1})};
    std::uniform_int_distribution<int> runLength(0, 40);
    std::uniform_int_distribution<int> pick(0, int(std::size(pieces)) - 1);
    std::uniform_int_distribution<int> letter('!', '~');
    std::uniform_int_distribution<int> count(0, 30);

    for (int n = 0; n < 3000; ++n) {
        QByteArray bytes;
        for (int piece = count(random); piece > 0; --piece) {
            for (int i = runLength(random); i > 0; --i)
                bytes.append(char(letter(random)));
            bytes += pieces[pick(random)];
        }

        const QString plain = cp932::decode(bytes);
        expectRoundTrip(bytes);
        QString joined;
        bool hasLf = false;
        bool hasCr = false;
        for (qsizetype i = 0; i < plain.size(); ++i) {
            if (plain[i] == u'\r') {
                hasCr = true;
                if (i + 1 < plain.size() && plain[i + 1] == u'\n')
                    ++i;
                joined += u'\n';
            } else {
                hasLf |= plain[i] == u'\n';
                joined += plain[i];
            }
        }
        const cp932::DecodedLines lines = cp932::decodeLines(bytes);
        ASSERT_EQ(units(lines.text), units(joined)) << hex(bytes);
        ASSERT_EQ(lines.hasLf, hasLf) << hex(bytes);
        ASSERT_EQ(lines.hasCr, hasCr) << hex(bytes);

        for (const char *lineBreak : {"\r\n", "\n"}) {
            QString expanded = joined;
            expanded.replace(u'\n', QString::fromLatin1(lineBreak));
            const cp932::Encoded expected = cp932::encode(expanded);
            const cp932::Encoded actual = cp932::encodeLines(joined, lineBreak);
            ASSERT_EQ(actual.firstUnencodable, -1) << hex(bytes);
            ASSERT_EQ(hex(actual.bytes), hex(expected.bytes)) << hex(bytes);
        }
    }
}

TEST(Cp932Codec, EncodeStopsInsideLongAsciiRuns)
{
    for (qsizetype at : {0, 7, 8, 15, 16, 17, 100}) {
        SCOPED_TRACE(at);
        const QString text = QString(at, u'z') + u"\u00E9"_s + QString(30, u'z');
        const cp932::Encoded encoded = cp932::encode(text);
        EXPECT_EQ(encoded.firstUnencodable, at);
        EXPECT_EQ(hex(encoded.bytes), hex(QByteArray(at, 'z')));
        const cp932::Encoded lines = cp932::encodeLines(u"\n"_s + text, "\r\n");
        EXPECT_EQ(lines.firstUnencodable, at + 1);
        EXPECT_EQ(hex(lines.bytes), hex("\r\n" + QByteArray(at, 'z')));
    }
}

TEST(Cp932Codec, EveryEncodableCharacterDecodesBackOrIsOneWay)
{
    // Decoding what a BMP character encodes to gives the character again,
    // except for Windows' one-way mappings, whose bytes read as another
    // character that encodes to the same bytes.
    const QString oneWay = u"\u00A2\u00A3\u00A5\u00AC\u203E\u2014\u2016\u2212\u301C"_s;
    int encodable = 0;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString text{QChar(char16_t(c))};
        const cp932::Encoded encoded = cp932::encode(text);
        if (encoded.firstUnencodable == 0) {
            EXPECT_TRUE(encoded.bytes.isEmpty());
            continue;
        }
        ++encodable;
        const QString back = cp932::decode(encoded.bytes);
        if (oneWay.contains(QChar(char16_t(c)))) {
            EXPECT_NE(back, text) << std::hex << quint32(c);
            EXPECT_EQ(back.size(), 1) << std::hex << quint32(c);
            EXPECT_EQ(hex(cp932::encode(back).bytes), hex(encoded.bytes)) << std::hex << quint32(c);
        } else
            EXPECT_EQ(units(back), units(text)) << std::hex << quint32(c);
    }
    // 9206 canonical double-byte codes, 191 single bytes, 9 one-way characters.
    EXPECT_EQ(encodable, 9206 + 191 + 9);
}

} // namespace
