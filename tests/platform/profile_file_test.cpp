#include "support/file_bytes.h"
#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <random>

using namespace Qt::StringLiterals;

namespace {

const QString missing = QStringLiteral("<missing>");

// CP932 bytes as Windows writes them.
const QByteArray cpFont = QByteArray::fromHex("8374834883938367");              // フォント
const QByteArray cpGothic = QByteArray::fromHex("826c827220835383568362834e");  // ＭＳ ゴシック
const QByteArray cpHyouji = QByteArray::fromHex("955c8ea6");  // 表示: second byte is '\'
const QByteArray cpZo = QByteArray::fromHex("835d");          // ゾ: second byte is ']'

// Byte literals that may hold NUL bytes.
template<std::size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, qsizetype(N - 1));
}

std::string bytesText(const QByteArray &bytes)
{
    return bytes.toStdString();
}

class ProfileFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString &name = QStringLiteral("marquill.ini")) const
    {
        return m_dir.filePath(name);
    }


    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir m_dir;
};

TEST_F(ProfileFileTest, MissingFileReadsEmptyAndWriteCreatesIt)
{
    EXPECT_TRUE(ReadProfileValue(path(), u"Marquill"_s, u"key"_s).isEmpty());
    EXPECT_EQ(ProfileFile::load(path()).value(u"Marquill", u"key", missing), missing);
    EXPECT_FALSE(QFileInfo::exists(path())) << "reading must not create the file";

    ASSERT_TRUE(WriteProfileValue(path(), u"Marquill"_s, u"key"_s, u"value"_s));
    EXPECT_EQ(bytesText(readBytes(path())), "[Marquill]\r\nkey=value\r\n");
    EXPECT_EQ(ReadProfileValue(path(), u"Marquill"_s, u"key"_s), u"value");
    EXPECT_EQ(entries(), QStringList{ u"marquill.ini"_s }) << "no temporary file left behind";
}

TEST_F(ProfileFileTest, EmptyProfileSavesAsEmptyFile)
{
    ASSERT_TRUE(ProfileFile::load(path()).save(path()));
    EXPECT_EQ(bytesText(readBytes(path())), "");
}

struct ReadCase
{
    const char *name;
    QByteArray file;
    const char16_t *section;
    const char16_t *key;
    QString expected;  // through value() with the default `missing`
};

TEST_F(ProfileFileTest, ReadsValues)
{
    const ReadCase cases[] = {
        { "plain", "[Marquill]\r\nkey=value\r\n", u"Marquill", u"key", u"value"_s },
        { "section case", "[MARQUILL]\r\nkey=v\r\n", u"marquill", u"key", u"v"_s },
        { "key case", "[Marquill]\r\nFontName=v\r\n", u"Marquill", u"FONTNAME", u"v"_s },
        { "case folding is ASCII only", "[\xC3\x84]\r\nk=v\r\n", u"\u00E4", u"k", missing },
        { "full-width letters are not folded", "[Marquill]\r\n\xEF\xBC\xA1=v\r\n", u"Marquill",
          u"\uFF41", missing },
        { "blanks around name and value", "[ Marquill ]\r\n \tkey \t=  \t value x \t \r\n",
          u"Marquill", u"key", u"value x"_s },
        { "double quotes", "[S]\r\nk=\"  quoted  \"\r\n", u"S", u"k", u"  quoted  "_s },
        { "single quotes", "[S]\r\nk= 'q' \r\n", u"S", u"k", u"q"_s },
        { "only one pair of quotes", "[S]\r\nk=\"\"q\"\"\r\n", u"S", u"k", u"\"q\""_s },
        { "empty quotes", "[S]\r\nk=\"\"\r\n", u"S", u"k", u""_s },
        { "lone quote kept", "[S]\r\nk=\"\r\n", u"S", u"k", u"\""_s },
        { "mismatched quotes kept", "[S]\r\nk=\"q'\r\n", u"S", u"k", u"\"q'"_s },
        { "empty value", "[S]\r\nk=\r\n", u"S", u"k", u""_s },
        { "value holds further '='", "[S]\r\nk=a=b\r\n", u"S", u"k", u"a=b"_s },
        { "blank requested names are trimmed", "[S]\r\nk=v\r\n", u" S ", u" k ", u"v"_s },
        { "comment never matches", "[S]\r\n;k=v\r\n", u"S", u";k", missing },
        { "indented comment never matches", "[S]\r\n  ;k=v\r\n", u"S", u";k", missing },
        { "line without '=' is not a key", "[S]\r\nk\r\n", u"S", u"k", missing },
        { "keys before any section belong to none", "k=v\r\n[S]\r\n", u"S", u"k", missing },
        { "key of the next section", "[S]\r\na=1\r\n[T]\r\nk=v\r\n", u"S", u"k", missing },
        { "missing section", "[S]\r\nk=v\r\n", u"T", u"k", missing },
        { "first duplicate section", "[S]\r\nk=1\r\n[T]\r\n[s]\r\nk=2\r\n", u"S", u"k", u"1"_s },
        { "only the first duplicate section", "[S]\r\na=1\r\n[S]\r\nk=2\r\n", u"S", u"k",
          missing },
        { "first duplicate key", "[S]\r\nk=1\r\nK=2\r\n", u"S", u"k", u"1"_s },
        { "last ']' closes the name", "[a]b] ;note\r\nk=v\r\n", u"a]b", u"k", u"v"_s },
        { "unclosed '[' is no section", "[S]\r\n[k=v\r\n", u"S", u"[k", u"v"_s },
        { "empty section name", "[]\r\nk=v\r\n", u"", u"k", u"v"_s },
        { "no final line end", "[S]\r\nk=v", u"S", u"k", u"v"_s },
        { "LF line ends", "[S]\na=1\nk=v\n", u"S", u"k", u"v"_s },
        { "CR line ends", "[S]\ra=1\rk=v\r", u"S", u"k", u"v"_s },
        { "mixed line ends", "[S]\na=1\r\nb=2\rk=v\n", u"S", u"k", u"v"_s },
        { "UTF-8 byte order mark", "\xEF\xBB\xBF[S]\r\nk=v\r\n", u"S", u"k", u"v"_s },
        { "Japanese UTF-8", "[表示]\r\nフォント=ＭＳ ゴシック\r\n", u"表示", u"フォント",
          u"ＭＳ ゴシック"_s },
        { "NUL bytes", raw("[S]\r\nk=a\0b\r\n"), u"S", u"k", QString::fromUtf16(u"a\0b", 3) },
        { "no sections at all", "just some\r\ntext=here\r\n", u"S", u"text", missing },
    };
    for (const ReadCase &c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path(), c.file);
        const ProfileFile profile = ProfileFile::load(path());
        EXPECT_EQ(profile.value(QStringView(c.section), QStringView(c.key), missing).toStdString(),
                  c.expected.toStdString());
    }
}

TEST_F(ProfileFileTest, StarReadsAsEmpty)
{
    const struct
    {
        QByteArray file;
        QString expected;
    } cases[] = {
        { "[S]\r\nk=*\r\n", u""_s },
        { "[S]\r\nk= * \r\n", u""_s },
        { "[S]\r\nk=\"*\"\r\n", u""_s },
        { "[S]\r\nk=**\r\n", u"**"_s },
        { "[S]\r\nk=*a\r\n", u"*a"_s },
        { "[S]\r\nother=x\r\n", u""_s },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(bytesText(c.file));
        writeBytes(path(), c.file);
        EXPECT_EQ(ReadProfileValue(path(), u"s"_s, u"K"_s).toStdString(), c.expected.toStdString());
    }
}

struct WriteCase
{
    const char *name;
    QByteArray before;
    const char16_t *section;
    const char16_t *key;
    const char16_t *value;
    QByteArray after;
};

TEST_F(ProfileFileTest, WritesInPlace)
{
    const WriteCase cases[] = {
        { "new file", "", u"Marquill", u"key", u"value", "[Marquill]\r\nkey=value\r\n" },
        { "empty value", "", u"Marquill", u"key", u"", "[Marquill]\r\nkey=\r\n" },
        { "replace keeps every other line",
          "; Marquill settings\r\n"
          "top=level\r\n"
          "[Other]\r\n"
          "key=other  ; not ours\r\n"
          "\r\n"
          "[Marquill]\r\n"
          "; window\r\n"
          "  Width = 640\r\n"
          "Key = \"old\"\r\n"
          "Unknown=keep me\r\n"
          "garbage line\r\n"
          "\r\n"
          "[Last]\r\n"
          "z=1\r\n",
          u"marquill", u"key", u"new",
          "; Marquill settings\r\n"
          "top=level\r\n"
          "[Other]\r\n"
          "key=other  ; not ours\r\n"
          "\r\n"
          "[Marquill]\r\n"
          "; window\r\n"
          "  Width = 640\r\n"
          "key=new\r\n"
          "Unknown=keep me\r\n"
          "garbage line\r\n"
          "\r\n"
          "[Last]\r\n"
          "z=1\r\n" },
        { "replace with empty value", "[S]\r\nk=old\r\n", u"S", u"k", u"", "[S]\r\nk=\r\n" },
        { "new key ends its section, not the file",
          "[S]\r\na=1\r\nb=2\r\n\r\n\r\n[T]\r\nc=3\r\n", u"S", u"k", u"v",
          "[S]\r\na=1\r\nb=2\r\nk=v\r\n\r\n\r\n[T]\r\nc=3\r\n" },
        { "new key stays ahead of a comment leading into the next section",
          "[S]\r\na=1\r\n\r\n; about T\r\n[T]\r\n", u"S", u"k", u"v",
          "[S]\r\na=1\r\nk=v\r\n\r\n; about T\r\n[T]\r\n" },
        { "new key in a section without keys", "[S]\r\n; none yet\r\n\r\n[T]\r\n", u"S", u"k",
          u"v", "[S]\r\nk=v\r\n; none yet\r\n\r\n[T]\r\n" },
        { "new key in the last section", "[S]\r\na=1", u"S", u"k", u"v",
          "[S]\r\na=1\r\nk=v\r\n" },
        { "new section after the last line", "[S]\r\na=1\r\n", u"T", u"k", u"v",
          "[S]\r\na=1\r\n\r\n[T]\r\nk=v\r\n" },
        { "new section after a blank line", "[S]\r\na=1\r\n\r\n", u"T", u"k", u"v",
          "[S]\r\na=1\r\n\r\n[T]\r\nk=v\r\n" },
        { "same-named key elsewhere is not ours", "k=0\r\n[S]\r\nk=1\r\n", u"T", u"k", u"v",
          "k=0\r\n[S]\r\nk=1\r\n\r\n[T]\r\nk=v\r\n" },
        { "first duplicate section", "[S]\r\nk=1\r\n[S]\r\nk=2\r\n", u"s", u"K", u"v",
          "[S]\r\nK=v\r\n[S]\r\nk=2\r\n" },
        { "key only in the second duplicate", "[S]\r\na=1\r\n[S]\r\nk=2\r\n", u"S", u"k", u"v",
          "[S]\r\na=1\r\nk=v\r\n[S]\r\nk=2\r\n" },
        { "first duplicate key", "[S]\r\nk=1\r\nk=2\r\n", u"S", u"k", u"v",
          "[S]\r\nk=v\r\nk=2\r\n" },
        { "comment is not the key", "[S]\r\n;k=1\r\n", u"S", u"k", u"v", "[S]\r\nk=v\r\n;k=1\r\n" },
        { "LF file stays LF", "[S]\na=1\n\n[T]\n", u"S", u"k", u"v", "[S]\na=1\nk=v\n\n[T]\n" },
        { "first line end decides", "[S]\na=1\r\n", u"S", u"a", u"2", "[S]\na=2\n" },
        { "CR file becomes CR LF", "[S]\ra=1\rb=2", u"S", u"a", u"3", "[S]\r\na=3\r\nb=2\r\n" },
        { "byte order mark kept", "\xEF\xBB\xBF[S]\r\na=1\r\n", u"S", u"a", u"2",
          "\xEF\xBB\xBF[S]\r\na=2\r\n" },
        { "Japanese as UTF-8", "", u"表示", u"フォント", u"ＭＳ ゴシック",
          "[表示]\r\nフォント=ＭＳ ゴシック\r\n" },
        { "line breaks in a value stay on one line", "[S]\r\n", u"S", u"k", u"a\r\n[T]\nb",
          "[S]\r\nk=a  [T] b\r\n" },
        { "NUL bytes kept", raw("[S]\r\nn=\0x\0\r\n"), u"S", u"k", u"v",
          raw("[S]\r\nn=\0x\0\r\nk=v\r\n") },
    };
    for (const WriteCase &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path());
        if (!c.before.isEmpty())
            writeBytes(path(), c.before);
        ASSERT_TRUE(WriteProfileValue(path(), QString::fromUtf16(c.section),
                                      QString::fromUtf16(c.key), QString::fromUtf16(c.value)));
        EXPECT_EQ(bytesText(readBytes(path())), bytesText(c.after));
    }
}

TEST_F(ProfileFileTest, LongValuesKeptWhole)
{
    for (const int length : { 127, 128, 129, 255, 256, 300, 5000, 70000 }) {
        SCOPED_TRACE(length);
        QFile::remove(path());
        QString value;
        for (int i = 0; i < length; ++i)
            value.append(QChar(u'a' + i % 26));
        ASSERT_TRUE(WriteProfileValue(path(), u"Marquill"_s, u"long"_s, value));
        ASSERT_TRUE(WriteProfileValue(path(), u"Marquill"_s, u"after"_s, u"x"_s));
        EXPECT_EQ(bytesText(readBytes(path())),
                  "[Marquill]\r\nlong=" + value.toStdString() + "\r\nafter=x\r\n");
        EXPECT_EQ(ReadProfileValue(path(), u"Marquill"_s, u"long"_s), value);
        EXPECT_EQ(ReadProfileValue(path(), u"Marquill"_s, u"after"_s), u"x");
    }
}

TEST_F(ProfileFileTest, JapaneseValueSurvives)
{
    const QString value = u"C:\\文書\\日本語のファイル名・ソ表示〜～.html"_s;
    ASSERT_TRUE(WriteProfileValue(path(), u"Marquill"_s, u"最近"_s, value));
    EXPECT_EQ(bytesText(readBytes(path())), "[Marquill]\r\n最近=" + value.toStdString() + "\r\n");
    EXPECT_EQ(ReadProfileValue(path(), u"Marquill"_s, u"最近"_s).toStdString(),
              value.toStdString());
}

TEST_F(ProfileFileTest, ReadsWindowsCp932File)
{
    const QByteArray file = "[Marquill]\r\n" + cpFont + "=" + cpGothic + "\r\n"
                          + "title = \"" + cpHyouji + "\"\r\n"
                          + "[" + cpZo + "]\r\n"
                          + "k=" + cpZo + "\r\n";
    writeBytes(path(), file);

    EXPECT_EQ(ReadProfileValue(path(), u"Marquill"_s, u"フォント"_s), u"ＭＳ ゴシック");
    EXPECT_EQ(ReadProfileValue(path(), u"Marquill"_s, u"title"_s), u"表示");
    EXPECT_EQ(ReadProfileValue(path(), u"ゾ"_s, u"k"_s), u"ゾ");

    // Rewriting one key leaves the CP932 lines as they were; the new line is
    // UTF-8, and each line is read in its own encoding.
    ASSERT_TRUE(WriteProfileValue(path(), u"Marquill"_s, u"新規"_s, u"値"_s));
    const QByteArray expected = "[Marquill]\r\n" + cpFont + "=" + cpGothic + "\r\n"
                              + "title = \"" + cpHyouji + "\"\r\n"
                              + "新規=値\r\n"
                              + "[" + cpZo + "]\r\n"
                              + "k=" + cpZo + "\r\n";
    EXPECT_EQ(bytesText(readBytes(path())), bytesText(expected));
    EXPECT_EQ(ReadProfileValue(path(), u"Marquill"_s, u"新規"_s), u"値");
    EXPECT_EQ(ReadProfileValue(path(), u"Marquill"_s, u"フォント"_s), u"ＭＳ ゴシック");
    EXPECT_EQ(ReadProfileValue(path(), u"ゾ"_s, u"k"_s), u"ゾ");
}

TEST_F(ProfileFileTest, BinaryGarbageBeforeValidSection)
{
    // Every byte value except line ends, NUL included, so the lines can be
    // compared byte for byte after a rewrite.
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray garbage;
    for (int line = 0; line < 200; ++line) {
        const int length = line % 50 == 0 ? 4000 : line % 40;
        for (int i = 0; i < length; ++i) {
            char c = char(byte(random));
            if (c == '\r' || c == '\n')
                c = '\0';
            garbage.append(c);
        }
        garbage.append("\r\n");
    }
    garbage.append(raw("[\xFF\xFE\x00]\r\n=\xFF\r\n[\r\n]\r\n\xFF\xFF=\xFF\r\n"));

    const QByteArray tail = "[Marquill]\r\nwidth=640\r\n\x81\x82\xFF\r\nheight=480\r\n";
    writeBytes(path(), garbage + tail);

    EXPECT_EQ(ReadProfileValue(path(), u"Marquill"_s, u"width"_s), u"640");
    EXPECT_EQ(ReadProfileValue(path(), u"Marquill"_s, u"height"_s), u"480");

    ASSERT_TRUE(WriteProfileValue(path(), u"Marquill"_s, u"width"_s, u"800"_s));
    ASSERT_TRUE(WriteProfileValue(path(), u"Marquill"_s, u"depth"_s, u"24"_s));
    EXPECT_EQ(bytesText(readBytes(path())),
              bytesText(garbage
                        + "[Marquill]\r\nwidth=800\r\n\x81\x82\xFF\r\nheight=480\r\ndepth=24\r\n"));
    EXPECT_EQ(ReadProfileValue(path(), u"Marquill"_s, u"height"_s), u"480");
}

TEST_F(ProfileFileTest, HugeSingleLine)
{
    const qsizetype size = 10 * 1024 * 1024;
    const QByteArray huge(size, 'x');

    const struct
    {
        const char *name;
        QByteArray file;
    } cases[] = {
        { "huge value", "[Marquill]\r\nbefore=1\r\nhuge=" + huge + "\r\nafter=2\r\n" },
        { "huge line without '='", "[Marquill]\r\nbefore=1\r\n" + huge + "\r\nafter=2\r\n" },
        { "huge section-like line", "[" + huge + "\r\n[Marquill]\r\nbefore=1\r\nafter=2\r\n" },
        { "huge binary line", "[Marquill]\r\nbefore=1\r\n" + QByteArray(size, '\xFF')
                                  + "\r\nafter=2\r\n" },
        { "huge CP932 value", "[Marquill]\r\nbefore=1\r\nwide=" + QByteArray(size, '\x81')
                                  + "\r\nafter=2\r\n" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path(), c.file);
        const ProfileFile profile = ProfileFile::load(path());
        EXPECT_EQ(profile.value(u"Marquill", u"before", missing), u"1");
        EXPECT_EQ(profile.value(u"Marquill", u"after", missing), u"2");
        EXPECT_EQ(profile.value(u"Marquill", u"absent", missing), missing);
    }

    // 0x81 0x81 is CP932's full-width equals sign.
    writeBytes(path(), cases[4].file);
    EXPECT_TRUE(ProfileFile::load(path()).value(u"Marquill", u"wide", missing)
                == QString(size / 2, QChar(u'\uFF1D')));

    writeBytes(path(), cases[0].file);
    EXPECT_EQ(ProfileFile::load(path()).value(u"Marquill", u"huge", missing).size(), size);
    ASSERT_TRUE(WriteProfileValue(path(), u"Marquill"_s, u"after"_s, u"3"_s));
    EXPECT_TRUE(readBytes(path()) == "[Marquill]\r\nbefore=1\r\nhuge=" + huge + "\r\nafter=3\r\n");

    // One line, no line end, no section.
    writeBytes(path(), huge);
    EXPECT_EQ(ProfileFile::load(path()).value(u"Marquill", u"before", missing), missing);
}

TEST_F(ProfileFileTest, ManyLinesReadAndRewriteWhole)
{
    const int count = 300000;
    QByteArray file = "[Other]\r\n";
    for (int i = 0; i < count; ++i)
        file += "key" + QByteArray::number(i) + "=" + QByteArray::number(i * 3) + "\r\n";
    file += "[Marquill]\r\nlast=yes\r\n";
    writeBytes(path(), file);

    EXPECT_EQ(ReadProfileValue(path(), u"Other"_s, u"key299999"_s), u"899997");
    EXPECT_EQ(ReadProfileValue(path(), u"Marquill"_s, u"last"_s), u"yes");
    ASSERT_TRUE(WriteProfileValue(path(), u"Marquill"_s, u"last"_s, u"no"_s));
    file.chop(5);
    EXPECT_TRUE(readBytes(path()) == file + "no\r\n");
}

TEST_F(ProfileFileTest, FailedSaveReportsAndWritesNothing)
{
    writeBytes(path(u"plain-file"_s), "untouched");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"existing-folder"_s));

    const struct
    {
        const char *name;
        QString target;
    } cases[] = {
        { "missing folder", path(u"missing/marquill.ini"_s) },
        { "missing folders", path(u"missing/deeper/marquill.ini"_s) },
        { "parent is a file", path(u"plain-file/marquill.ini"_s) },
        { "target is a folder", path(u"existing-folder"_s) },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(WriteProfileValue(c.target, u"Marquill"_s, u"key"_s, u"value"_s));
        EXPECT_FALSE(ProfileFile().save(c.target));
    }
    EXPECT_EQ(entries(), (QStringList{ u"existing-folder"_s, u"plain-file"_s }));
    EXPECT_TRUE(QDir(path(u"existing-folder"_s)).isEmpty());
    EXPECT_EQ(bytesText(readBytes(path(u"plain-file"_s))), "untouched");
}

TEST_F(ProfileFileTest, FolderReadsAsEmptyProfile)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder"_s));
    EXPECT_TRUE(ReadProfileValue(path(u"folder"_s), u"Marquill"_s, u"key"_s).isEmpty());
}

} // namespace
