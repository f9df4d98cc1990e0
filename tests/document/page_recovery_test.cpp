#include "document/page_recovery.h"

#include "document/file_commands.h"
#include "platform/recovery_session.h"
#include "support/doc_fixture.h"
#include "support/file_bytes.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Short times, so that the rules show within a test.
constexpr RecoveryTiming quick{200ms, 700ms};

class PageRecoveryTest : public DocFixture
{
protected:
    std::shared_ptr<RecoverySession> session =
        std::make_shared<RecoverySession>(fake.folder.filePath(u"recovery"_s));
    QString page = fake.folder.filePath(u"page.html"_s);
    PageRecovery *recovery = nullptr;

    void SetUp() override
    {
        writeBytes(page, "<P>\r\n");
        setText(u"<P>\r\n"_s);
        doc->setWindowTitle(page);
        doc->setFileName(page);
        doc->lineEnd = LineEnd::Lf;
        doc->fileStamp = fileState(page).stamp;
        recovery = new PageRecovery(*doc, 4, session, quick);
    }

    void type(const QString &typed) { QTest::keyClicks(doc->txtDoc, typed); }

    // The copy on disk now, nullopt when there is none.
    std::optional<RecoveryRecord> copy()
    {
        session->flush();
        const QString file = session->folder() + u'/' + RecoverySession::pageFileName(4);
        if (session->folder().isEmpty() || !QFile::exists(file))
            return std::nullopt;
        return parseRecoveryBytes(readBytes(file));
    }
};

TEST_F(PageRecoveryTest, APauseInTypingCopiesTheWholePage)
{
    type(u"abc"_s);
    EXPECT_FALSE(copy().has_value());  // nothing on the keystroke itself
    QTest::qWait(400);
    const std::optional<RecoveryRecord> saved = copy();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->caption, page);
    EXPECT_EQ(saved->fileName, page);
    EXPECT_EQ(saved->lineEnd, LineEnd::Lf);
    EXPECT_EQ(saved->fileStamp, doc->fileStamp);
    EXPECT_EQ(saved->text, u"abc<P>\n"_s);
}

TEST_F(PageRecoveryTest, TypingWithoutPausesIsCopiedWithinTheLongestWait)
{
    // A pause that never comes: every key restarts it, so only the longest
    // wait, which keys do not restart, can bring the copy.
    delete recovery;
    recovery = new PageRecovery(*doc, 4, session, RecoveryTiming{24h, 300ms});
    int keys = 0;
    std::optional<RecoveryRecord> seen;
    while (!seen && keys < 400) {
        type(u"x"_s);
        ++keys;
        QTest::qWait(50);
        seen = copy();
    }
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, QString(keys, u'x') + u"<P>\n"_s);
}

TEST_F(PageRecoveryTest, UndoingToTheFileSavingOrClosingRemovesTheCopy)
{
    const struct {
        const char *name;
        std::function<void(TMDIChild &)> act;
    } cases[] = {
        {"undo to the saved text", [](TMDIChild &d) {
             while (d.txtDoc->document()->isUndoAvailable())
                 d.txtDoc->undo();
         }},
        {"save", [](TMDIChild &d) { EXPECT_TRUE(saveDocument(d)); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        type(u"edit"_s);
        recovery->copyNow();
        ASSERT_TRUE(copy().has_value());
        c.act(*doc);
        EXPECT_FALSE(doc->isModified());
        EXPECT_FALSE(copy().has_value());
        QTest::qWait(300);  // and no timer brings it back
        EXPECT_FALSE(copy().has_value());
    }
    type(u"edit"_s);
    recovery->copyNow();
    ASSERT_TRUE(copy().has_value());
    fake.answers = {Answer::No};
    EXPECT_TRUE(doc->close());
    EXPECT_FALSE(copy().has_value());
}

} // namespace
