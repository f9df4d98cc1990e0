#include "platform/text_file.h"

#include "platform/cp932_codec.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <initializer_list>
#include <random>
#include "support/file_bytes.h"
#include "support/unprivileged.h"

#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

std::string hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toStdString();
}

std::string units(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2)
            .toHex(' ')
            .toStdString();
}

class TextFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString &name) const { return m_dir.filePath(name); }


    // Everything in `folder`, hidden files included, so stray temporary
    // files show up.
    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                              | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }

    QTemporaryDir m_dir;
};

struct ReadCase
{
    const char *name;
    QByteArray bytes;
    QString text;
    LineEnd lineEnd;
};

TEST_F(TextFileTest, ReadsAndNormalizesLineEnds)
{
    const ReadCase cases[] = {
        {"empty", {}, {}, LineEnd::CrLf},
        {"no line end", "abc", u"abc"_s, LineEnd::CrLf},
        {"CR LF", "a\r\nb\r\n", u"a\nb\n"_s, LineEnd::CrLf},
        {"LF", "a\nb\n", u"a\nb\n"_s, LineEnd::Lf},
        {"single LF", "\n", u"\n"_s, LineEnd::Lf},
        {"lone CR", "a\rb", u"a\nb"_s, LineEnd::CrLf},
        {"single CR", "\r", u"\n"_s, LineEnd::CrLf},
        {"CR LF and LF", "a\r\nb\nc", u"a\nb\nc"_s, LineEnd::CrLf},
        {"LF and lone CR", "a\nb\rc", u"a\nb\nc"_s, LineEnd::CrLf},
        {"CR CR LF LF", "\r\r\n\n", u"\n\n\n"_s, LineEnd::CrLf},
        {"LF CR is two ends", "a\n\rb", u"a\n\nb"_s, LineEnd::CrLf},
        {"CR at end", "a\r\nb\r", u"a\nb\n"_s, LineEnd::CrLf},
        {"Japanese", bytesOf({0x93, 0xFA, 0x96, 0x7B, 0x0D, 0x0A, 0x8C, 0xEA}),
         u"日本\n語"_s, LineEnd::CrLf},
        {"lead byte before CR LF", bytesOf({0x81, 0x0D, 0x0A}),
         QString::fromUcs4(U"\U000F0081\n", 2), LineEnd::CrLf},
        {"lead byte before LF", bytesOf({0x81, 0x0A}), QString::fromUcs4(U"\U000F0081\n", 2),
         LineEnd::Lf},
        {"placeholder between CR and LF", bytesOf({0x0D, 0xFF, 0x0A}),
         QString::fromUcs4(U"\n\U000F00FF\n", 3), LineEnd::CrLf},
    };
    for (const ReadCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path(u"read.txt"_s);
        writeBytes(file, c.bytes);
        const std::optional<LoadedText> loaded = readTextFile(file);
        ASSERT_TRUE(loaded.has_value());
        EXPECT_EQ(units(loaded->text), units(c.text));
        EXPECT_EQ(loaded->lineEnd, c.lineEnd);
    }
}

TEST_F(TextFileTest, ReadFailsOnMissingFileAndDirectory)
{
    EXPECT_FALSE(readTextFile(path(u"missing.txt"_s)).has_value());
    EXPECT_FALSE(readTextFile(path(u"missing/file.txt"_s)).has_value());
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder"_s));
    EXPECT_FALSE(readTextFile(path(u"folder"_s)).has_value());
}

TEST_F(TextFileTest, ReadFailsWithoutPermission)
{
    const QString file = path(u"secret.txt"_s);
    writeBytes(file, "abc");
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0), 0);
    ASSERT_EQ(chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    const Unprivileged user;
    ASSERT_TRUE(user.ok());
    EXPECT_FALSE(readTextFile(file).has_value());
}

// Each is refused before a byte is read: a FIFO without a writer would
// hold the open for ever, /dev/zero would fill the memory.
TEST_F(TextFileTest, ReadRefusesWhatIsNoRegularFileWithoutWaiting)
{
    const QString fifo = path(u"fifo"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder"_s));
    for (const QString &special : {fifo, path(u"folder"_s), u"/dev/zero"_s, u"/dev/null"_s}) {
        SCOPED_TRACE(special.toStdString());
        EXPECT_FALSE(readTextFile(special).has_value());
    }
}

TEST_F(TextFileTest, ReadRefusesAFileAboveTheLimit)
{
    const QString big = path(u"big.html"_s);
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(MaxPageBytes + 1));  // sparse: no disk used
    file.close();
    EXPECT_FALSE(readTextFile(big).has_value());
}

struct WriteCase
{
    const char *name;
    QString text;
    LineEnd lineEnd;
    QByteArray bytes;
};

TEST_F(TextFileTest, WritesLineEndsAndEncodes)
{
    const WriteCase cases[] = {
        {"empty", {}, LineEnd::CrLf, {}},
        {"no line end", u"abc"_s, LineEnd::CrLf, "abc"},
        {"CR LF", u"a\nb\n"_s, LineEnd::CrLf, "a\r\nb\r\n"},
        {"LF", u"a\nb\n"_s, LineEnd::Lf, "a\nb\n"},
        {"block separator as CR LF", u"a\u2029b\n\u2029"_s, LineEnd::CrLf, "a\r\nb\r\n\r\n"},
        {"block separator as LF", u"a\u2029b"_s, LineEnd::Lf, "a\nb"},
        {"Japanese", u"日本\n語"_s, LineEnd::CrLf,
         bytesOf({0x93, 0xFA, 0x96, 0x7B, 0x0D, 0x0A, 0x8C, 0xEA})},
        {"placeholders go back as bytes", QString::fromUcs4(U"\U000F0081\n\U000F8790", 3),
         LineEnd::CrLf, bytesOf({0x81, 0x0D, 0x0A, 0x87, 0x90})},
        {"one-way mapping", u"\u301C"_s, LineEnd::CrLf, bytesOf({0x81, 0x60})},
    };
    for (const WriteCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path(u"write.txt"_s);
        const SaveResult result = writeTextFile(file, c.text, c.lineEnd);
        EXPECT_EQ(result.status, SaveResult::Status::Saved);
        EXPECT_EQ(hex(readBytes(file)), hex(c.bytes));
    }
    EXPECT_EQ(entries(m_dir.path()), QStringList{u"write.txt"_s});
}

TEST_F(TextFileTest, OverwritesLongerFileCompletely)
{
    const QString file = path(u"doc.txt"_s);
    writeBytes(file, QByteArray(10000, 'x'));
    ASSERT_EQ(writeTextFile(file, u"short\n"_s, LineEnd::CrLf).status, SaveResult::Status::Saved);
    EXPECT_EQ(hex(readBytes(file)), hex("short\r\n"));
}

struct UnencodableCase
{
    const char *name;
    QString text;
    QString character;
    qsizetype line;
};

TEST_F(TextFileTest, ReportsUnencodableAndWritesNothing)
{
    const UnencodableCase cases[] = {
        {"first line", u"caf\u00E9\n"_s, u"\u00E9"_s, 1},
        {"third line after both separators", u"a\n\u2029日本😀語\u00E9"_s, u"😀"_s, 3},
        {"lone surrogate", u"ab\n"_s + QChar(0xD800) + u"c"_s, QString(QChar(0xD800)), 2},
        {"high surrogate at end", u"\n\n"_s + QChar(0xD83D), QString(QChar(0xD83D)), 3},
        {"placeholder of nothing", QString::fromUcs4(U"\n\U000F0100", 2),
         QString::fromUcs4(U"\U000F0100", 1), 2},
    };
    const QString existing = path(u"existing.txt"_s);
    writeBytes(existing, "old contents\r\n");
    for (const UnencodableCase &c : cases) {
        SCOPED_TRACE(c.name);
        const SaveResult fresh = writeTextFile(path(u"new.txt"_s), c.text, LineEnd::CrLf);
        EXPECT_EQ(fresh.status, SaveResult::Status::Unencodable);
        EXPECT_EQ(units(fresh.character), units(c.character));
        EXPECT_EQ(fresh.line, c.line);

        const SaveResult over = writeTextFile(existing, c.text, LineEnd::Lf);
        EXPECT_EQ(over.status, SaveResult::Status::Unencodable);
        EXPECT_EQ(units(over.character), units(c.character));
        EXPECT_EQ(over.line, c.line);
        EXPECT_EQ(hex(readBytes(existing)), hex("old contents\r\n"));
    }
    EXPECT_EQ(entries(m_dir.path()), QStringList{u"existing.txt"_s});
}

struct RoundTripCase
{
    const char *name;
    QByteArray bytes;
};

TEST_F(TextFileTest, HandMadeFilesRoundTrip)
{
    QByteArray binary;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            binary.append(char(b));
    }
    const RoundTripCase cases[] = {
        {"empty", {}},
        {"no line end", "just one line"},
        {"ends without newline", "a\r\nb"},
        {"trailing CR LF", "a\r\nb\r\n"},
        {"only CR LF", "\r\n\r\n"},
        {"LF", "a\nb\n\n"},
        {"ends without newline LF", "a\nb"},
        {"Japanese", cp932::encode(u"<p>日本語のテキスト</p>\r\nｶﾀｶﾅ①\r\n"_s).bytes},
        {"binary without CR or LF", binary},
        {"lead bytes before line ends", bytesOf({0x81, 0x0D, 0x0A, 0xFC, 0x0D, 0x0A, 0xE0})},
        {"UTF-8", QStringLiteral("日本語 é 😀\nline\n").toUtf8()},
    };
    for (const RoundTripCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QString in = path(u"in.txt"_s);
        const QString out = path(u"out.txt"_s);
        writeBytes(in, c.bytes);
        const std::optional<LoadedText> loaded = readTextFile(in);
        ASSERT_TRUE(loaded.has_value());
        const SaveResult result = writeTextFile(out, loaded->text, loaded->lineEnd, loaded->encoding);
        ASSERT_EQ(result.status, SaveResult::Status::Saved);
        EXPECT_EQ(hex(readBytes(out)), hex(c.bytes));
    }
}

TEST_F(TextFileTest, RandomFilesWithUniformLineEndsRoundTrip)
{
    std::mt19937 random(77);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<int> lead(0x81, 0xFC);
    std::uniform_int_distribution<int> trail(0x40, 0xFC);
    std::uniform_int_distribution<int> mode(0, 2);
    std::uniform_int_distribution<int> lineCount(0, 12);
    std::uniform_int_distribution<int> lineLength(0, 40);
    std::bernoulli_distribution coin;

    const QString in = path(u"in.txt"_s);
    const QString out = path(u"out.txt"_s);
    for (int n = 0; n < 150; ++n) {
        const bool crLf = coin(random);
        const QByteArray lineEnd = crLf ? "\r\n" : "\n";
        QByteArray bytes;
        const int lines = lineCount(random);
        bool hasLineEnd = false;
        for (int line = 0; line < lines; ++line) {
            if (line > 0) {
                bytes += lineEnd;
                hasLineEnd = true;
            }
            const int length = lineLength(random);
            for (int i = 0; i < length; ++i) {
                int b;
                const int m = mode(random);
                if (m == 0) {
                    b = anyByte(random);
                } else if (m == 1) {
                    b = lead(random);
                } else {
                    b = trail(random);
                }
                // Line ends are placed by the loop alone.
                if (b != '\r' && b != '\n')
                    bytes.append(char(b));
            }
        }
        if (lines > 0 && coin(random)) {
            bytes += lineEnd;
            hasLineEnd = true;
        }

        writeBytes(in, bytes);
        const std::optional<LoadedText> loaded = readTextFile(in);
        ASSERT_TRUE(loaded.has_value());
        EXPECT_EQ(loaded->lineEnd, hasLineEnd && !crLf ? LineEnd::Lf : LineEnd::CrLf);
        const SaveResult result = writeTextFile(out, loaded->text, loaded->lineEnd);
        ASSERT_EQ(result.status, SaveResult::Status::Saved);
        ASSERT_EQ(hex(readBytes(out)), hex(bytes)) << "case " << n;
    }
}

TEST_F(TextFileTest, MixedLineEndsAreWrittenAsCrLf)
{
    const QString in = path(u"mixed.txt"_s);
    writeBytes(in, "a\r\nb\nc\rd\n\re");
    const std::optional<LoadedText> loaded = readTextFile(in);
    ASSERT_TRUE(loaded.has_value());
    ASSERT_EQ(loaded->lineEnd, LineEnd::CrLf);
    ASSERT_EQ(writeTextFile(in, loaded->text, loaded->lineEnd).status, SaveResult::Status::Saved);
    EXPECT_EQ(hex(readBytes(in)), hex("a\r\nb\r\nc\r\nd\r\n\r\ne"));
}

TEST_F(TextFileTest, KeepsPermissionsOfReplacedFile)
{
    const QString file = path(u"doc.txt"_s);
    const QByteArray name = QFile::encodeName(file);
    // 0444: for root, QSaveFile alone would add the owner's write bit.
    for (mode_t mode : {mode_t(0640), mode_t(0604), mode_t(0755), mode_t(0444)}) {
        SCOPED_TRACE(mode);
        writeBytes(file, "old");
        ASSERT_EQ(chmod(name.constData(), mode), 0);
        ASSERT_EQ(writeTextFile(file, u"new"_s, LineEnd::CrLf).status,
                  SaveResult::Status::Saved);
        struct stat st = {};
        ASSERT_EQ(stat(name.constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
        EXPECT_EQ(hex(readBytes(file)), hex("new"));
    }
}

TEST_F(TextFileTest, WritesThroughSymbolicLink)
{
    const QString real = path(u"real.txt"_s);
    const QString link = path(u"link.txt"_s);
    writeBytes(real, "old");
    ASSERT_TRUE(QFile::link(u"real.txt"_s, link));
    ASSERT_EQ(writeTextFile(link, u"new\n"_s, LineEnd::CrLf).status, SaveResult::Status::Saved);
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), QFileInfo(real).absoluteFilePath());
    EXPECT_EQ(hex(readBytes(real)), hex("new\r\n"));
    EXPECT_EQ(entries(m_dir.path()), (QStringList{u"link.txt"_s, u"real.txt"_s}));
}

TEST_F(TextFileTest, WriteFailsWhereNoFileCanBeMade)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder"_s));
    writeBytes(path(u"plain.txt"_s), "plain");
    const QString targets[] = {
        path(u"missing/doc.txt"_s),
        path(u"plain.txt/doc.txt"_s),
        path(u"folder"_s),
    };
    for (const QString &target : targets) {
        SCOPED_TRACE(target.toStdString());
        const SaveResult result = writeTextFile(target, u"text\n"_s, LineEnd::CrLf);
        EXPECT_EQ(result.status, SaveResult::Status::WriteFailed);
        EXPECT_FALSE(result.errorString.isEmpty());
    }
    EXPECT_EQ(entries(m_dir.path()), (QStringList{u"folder"_s, u"plain.txt"_s}));
    EXPECT_TRUE(entries(path(u"folder"_s)).isEmpty());
    EXPECT_EQ(hex(readBytes(path(u"plain.txt"_s))), hex("plain"));
}

TEST_F(TextFileTest, WriteFailsInReadOnlyFolderAndKeepsTarget)
{
    const QString folder = path(u"locked"_s);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"locked"_s));
    const QString existing = folder + u"/doc.txt"_s;
    writeBytes(existing, "old\r\n");
    const QByteArray folderName = QFile::encodeName(folder);
    ASSERT_EQ(chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(folderName.constData(), 0555), 0);

    SaveResult fresh;
    SaveResult over;
    QStringList left;
    {
        const Unprivileged user;
        ASSERT_TRUE(user.ok());
        fresh = writeTextFile(folder + u"/new.txt"_s, u"x"_s, LineEnd::CrLf);
        over = writeTextFile(existing, u"new\n"_s, LineEnd::CrLf);
        left = entries(folder);
    }
    chmod(folderName.constData(), 0755);

    EXPECT_EQ(fresh.status, SaveResult::Status::WriteFailed);
    EXPECT_FALSE(fresh.errorString.isEmpty());
    EXPECT_EQ(over.status, SaveResult::Status::WriteFailed);
    EXPECT_FALSE(over.errorString.isEmpty());
    EXPECT_EQ(left, QStringList{u"doc.txt"_s});
    EXPECT_EQ(hex(readBytes(existing)), hex("old\r\n"));
}

TEST_F(TextFileTest, WriteLeavesAFifoInThePagesPlaceAlone)
{
    const QString fifo = path(u"page.html"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(writeTextFile(fifo, u"text"_s, LineEnd::CrLf).status, SaveResult::Status::WriteFailed);
    struct stat st = {};
    ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(entries(m_dir.path()), QStringList{u"page.html"_s});
}

// A file size limit makes the write itself fail, for root as well, after
// part of the data has gone to the temporary file.
TEST_F(TextFileTest, FailedWriteKeepsTargetAndLeavesNoPartialFile)
{
    const QString existing = path(u"doc.txt"_s);
    writeBytes(existing, "old\r\n");

    struct rlimit saved = {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);

    const SaveResult over = writeTextFile(existing, QString(100000, u'x'), LineEnd::CrLf);
    const SaveResult fresh = writeTextFile(path(u"new.txt"_s), QString(100000, u'y'),
                                           LineEnd::CrLf);

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(over.status, SaveResult::Status::WriteFailed);
    EXPECT_FALSE(over.errorString.isEmpty());
    EXPECT_EQ(fresh.status, SaveResult::Status::WriteFailed);
    EXPECT_EQ(hex(readBytes(existing)), hex("old\r\n"));
    EXPECT_EQ(entries(m_dir.path()), QStringList{u"doc.txt"_s});
}

} // namespace
