#include "document/file_commands.h"
#include "support/doc_fixture.h"

#include "support/file_bytes.h"

#include <QFile>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

class FileCommandsTest : public DocFixture
{
protected:
    QString path(const char *name) const { return fake.folder.filePath(QString::fromUtf8(name)); }

    // A document as a window opened on `name` holds it.
    void openAs(const QString &name, const QString &textCrLf)
    {
        setText(textCrLf);
        doc->setWindowTitle(name);
        doc->setFileName(name);
        const FileState state = fileState(name);
        if (state.kind == FileKind::Regular)
            doc->fileStamp = state.stamp;
    }

    void edit(const QString &typed)
    {
        QTextCursor cursor = doc->txtDoc->textCursor();
        cursor.insertText(typed);
        doc->txtDoc->setTextCursor(cursor);
    }
};

TEST_F(FileCommandsTest, SaveOfAnUnmodifiedDocumentDoesNothing)
{
    const QString file = path("page.html");
    openAs(file, u"<HTML>"_s);  // the file itself is gone
    QSignalSpy saved(doc, &TMDIChild::saved);
    EXPECT_TRUE(saveDocument(*doc));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(saved.count(), 0);
    EXPECT_TRUE(fake.saveRequests.isEmpty());
}

TEST_F(FileCommandsTest, SaveOfAnEditedNewDocumentAsksForANameAndWritesShiftJisCrLf)
{
    setText(u"<HTML>\r\n</HTML>\r\n"_s);
    doc->setWindowTitle(u"New-1"_s);
    edit(u"日本語"_s);
    const QString file = path("新しい.htm");
    fake.saveNames = {file};
    QSignalSpy saved(doc, &TMDIChild::saved);

    FileSaveItemClick(*doc, nullptr);

    ASSERT_EQ(fake.saveRequests.size(), 1);
    EXPECT_EQ(fake.saveRequests[0].filter, u"HTMLﾌｧｲﾙ(*.htm*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*"_s);
    EXPECT_EQ(fake.saveRequests[0].initialName, QString());
    EXPECT_EQ(readBytes(file), QByteArray("\x93\xfa\x96\x7b\x8c\xea<HTML>\r\n</HTML>\r\n"));
    EXPECT_EQ(doc->windowTitle(), file);
    EXPECT_EQ(doc->fileName(), file);
    EXPECT_FALSE(doc->isModified());
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(saved.at(0).at(0).toString(), file);
}

TEST_F(FileCommandsTest, SaveOfAnUntouchedNewDocumentAsksNothing)
{
    setText(u"<HTML>"_s);
    FileSaveItemClick(*doc, nullptr);
    EXPECT_TRUE(fake.saveRequests.isEmpty());
}

TEST_F(FileCommandsTest, CancelledSaveAsChangesNothing)
{
    setText(u"x"_s);
    doc->setWindowTitle(u"New-1"_s);
    edit(u"y"_s);
    EXPECT_FALSE(saveDocument(*doc));
    EXPECT_EQ(doc->windowTitle(), u"New-1"_s);
    EXPECT_TRUE(doc->fileName().isEmpty());
    EXPECT_TRUE(doc->isModified());
}

TEST_F(FileCommandsTest, SaveAsOffersTheNamePartAndWritesAnUnmodifiedText)
{
    const QString old = path("old.html");
    writeBytes(old, "abc\r\n");
    openAs(old, u"abc\r\n"_s);
    const QString renamed = path("renamed");  // no extension is added
    fake.saveNames = {renamed};
    FileSaveAsItemClick(*doc, nullptr);
    ASSERT_EQ(fake.saveRequests.size(), 1);
    EXPECT_EQ(fake.saveRequests[0].initialName, u"old.html"_s);
    EXPECT_EQ(fake.saveRequests[0].initialFolder, fake.folder.path());
    EXPECT_EQ(readBytes(renamed), QByteArray("abc\r\n"));
    EXPECT_EQ(doc->windowTitle(), renamed);
    EXPECT_FALSE(doc->isModified());
}

TEST_F(FileCommandsTest, ALinuxFileKeepsItsLfLineEnds)
{
    const QString file = path("lf.html");
    openAs(file, u"a\r\nb\r\n"_s);
    doc->lineEnd = LineEnd::Lf;
    edit(u"z"_s);
    EXPECT_TRUE(saveDocument(*doc));
    EXPECT_EQ(readBytes(file), QByteArray("za\nb\n"));
}

TEST_F(FileCommandsTest, CharactersShiftJisLacksAreListedAndCancelWritesNothing)
{
    const QString file = path("page.html");
    writeBytes(file, "old\r\n");
    openAs(file, u"ok\r\ncaf\u00e9 au \U0001F600"_s);
    doc->setModified(true);
    QSignalSpy saved(doc, &TMDIChild::saved);

    EXPECT_FALSE(saveDocument(*doc));

    EXPECT_EQ(readBytes(file), QByteArray("old\r\n"));
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(saved.count(), 0);
    EXPECT_TRUE(fake.messages.isEmpty());
    ASSERT_EQ(fake.unencodableReports.size(), 1);
    const UnencodableReport &report = fake.unencodableReports[0];
    EXPECT_EQ(report.encodingName, u"Shift_JIS"_s);
    EXPECT_EQ(report.count, 2);
    ASSERT_EQ(report.shown.size(), 2);
    // The emoji is one character: its column counts it once.
    const UnencodableCharacter expected[] = {{6, 2, 4, u"é"_s, u"本文"_s, false},
                                             {11, 2, 9, u"\U0001F600"_s, u"本文"_s, false}};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(report.shown[i].position, expected[i].position);
        EXPECT_EQ(report.shown[i].line, expected[i].line);
        EXPECT_EQ(report.shown[i].column, expected[i].column);
        EXPECT_EQ(report.shown[i].character, expected[i].character);
        EXPECT_EQ(report.shown[i].place, expected[i].place);
    }
    EXPECT_EQ(selected(), u"é"_s);
}

TEST_F(FileCommandsTest, AFailedWriteKeepsTheDocumentModifiedAndSaysSo)
{
    const QString file = path("missing/folder/page.html");
    setText(u"x"_s);
    edit(u"y"_s);
    fake.saveNames = {file};
    QSignalSpy saved(doc, &TMDIChild::saved);

    EXPECT_FALSE(saveDocument(*doc));

    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->fileName(), file);
    EXPECT_EQ(doc->windowTitle(), file);
    EXPECT_EQ(saved.count(), 0);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].title, u"Marquill 32"_s);
    EXPECT_EQ(fake.messages[0].text, u"ﾌｧｲﾙ "_s + file + u" を作成できません"_s);
}

struct CloseCase {
    const char *name;
    bool modified;
    bool named;
    QList<Answer> answers;
    QList<std::optional<QString>> saveNames;
    bool closes;
    bool written;
};

class CloseQuestionTest : public FileCommandsTest, public ::testing::WithParamInterface<CloseCase>
{
};

TEST_P(CloseQuestionTest, ClosesOnlyWhenNothingIsLost)
{
    const CloseCase &c = GetParam();
    const QString file = path("page.html");
    setText(u"text"_s);
    doc->setWindowTitle(u"New-3"_s);
    if (c.named) {
        doc->setWindowTitle(file);
        doc->setFileName(file);
    }
    if (c.modified)
        edit(u"more "_s);
    fake.answers = c.answers;
    fake.saveNames = c.saveNames;

    const bool closed = doc->close();

    EXPECT_EQ(closed, c.closes);
    EXPECT_EQ(QFile::exists(file), c.written);
    if (!c.closes) {
        EXPECT_TRUE(doc->isModified());
        EXPECT_EQ(doc->txtDoc->toPlainText(), u"more text"_s);
    }
    if (c.modified) {
        ASSERT_FALSE(fake.messages.isEmpty());
        const FakePlatform::Message &question = fake.messages.first();
        EXPECT_EQ(question.kind, MessageKind::Warning);
        EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(question.text, (c.named ? file : u"New-3"_s) + u" は更新されています。保存しますか？"_s);
    } else {
        EXPECT_TRUE(fake.messages.isEmpty());
    }
}

const CloseCase closeCases[] = {
    {"Unmodified", false, true, {}, {}, true, false},
    {"Cancel", true, true, {Answer::Cancel}, {}, false, false},
    {"No", true, true, {Answer::No}, {}, true, false},
    {"YesNamed", true, true, {Answer::Yes}, {}, true, true},
    {"YesUnnamedCancelled", true, false, {Answer::Yes}, {}, false, false},
};

INSTANTIATE_TEST_SUITE_P(Answers, CloseQuestionTest, ::testing::ValuesIn(closeCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FileCommandsTest, YesWithANewNameSavesThenCloses)
{
    const QString file = path("chosen.html");
    setText(u"text"_s);
    doc->setWindowTitle(u"New-1"_s);
    edit(u"more "_s);
    fake.answers = {Answer::Yes};
    fake.saveNames = {file};
    EXPECT_TRUE(doc->close());
    EXPECT_EQ(readBytes(file), QByteArray("more text"));
}

TEST_F(FileCommandsTest, YesWithAFailingWriteKeepsTheWindow)
{
    const QString file = path("no/such/folder/page.html");
    setText(u"text"_s);
    doc->setWindowTitle(file);
    doc->setFileName(file);
    edit(u"more "_s);
    fake.answers = {Answer::Yes};
    EXPECT_FALSE(doc->close());
    EXPECT_TRUE(doc->isModified());
    ASSERT_EQ(fake.messages.size(), 2);
    EXPECT_TRUE(fake.messages[1].text.endsWith(u" を作成できません"_s));
}

} // namespace
