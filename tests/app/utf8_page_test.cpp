#include "main_form_fixture.h"

#include "document/file_commands.h"
#include "support/file_bytes.h"

#include <QLabel>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

class Utf8Page : public MainFormFixture
{
protected:
    // Opens `bytes` with Open, as a user would, and saves it unedited with
    // Save; the bytes on disk afterwards.
    QByteArray openAndSave(const QByteArray &bytes, int n)
    {
        const QString file = path(qPrintable(u"page%1.html"_s.arg(n)));
        writeBytes(file, bytes);
        fake.openNames = {file};
        form->FileOpenItemClick();
        TMDIChild *doc = current();
        if (!doc || doc->fileName() != file)
            return "<not opened>";
        m_shownText = docText(doc);
        m_encoding = form->statusBar()->findChild<QLabel *>(u"StatusEncoding"_s)->text();
        // Save writes only what is marked as changed.
        doc->setModified(true);
        if (!saveDocument(*doc))
            return "<not saved>";
        doc->closeWithoutAsking();
        return readBytes(file);
    }

    QString m_shownText;
    QString m_encoding;
};

TEST_F(Utf8Page, PagesOfEitherKindComeBackByteForByte)
{
    const struct {
        const char *name;
        QByteArray bytes;
        const char *encoding;
        QString shown;  // as the editor holds it, lines joined with CR LF
    } cases[] = {
        {"marked", "\xef\xbb\xbf<P>\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e</P>\r\n", "UTF-8",
         u"<P>日本語</P>\r\n"_s},
        {"ASCII", "<HTML>\n</HTML>\n", "Shift_JIS", u"<HTML>\r\n</HTML>\r\n"_s},
        {"Japanese UTF-8 with LF", "<P>\xe3\x81\x93\xe3\x82\x93\n\xe3\x81\xab\xe3\x81\xa1\xe3\x81\xaf</P>\n",
         "UTF-8", u"<P>こん\r\nにちは</P>\r\n"_s},
        {"Shift-JIS Japanese", "<P>\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd</P>\r\n", "Shift_JIS",
         u"<P>こんにちは</P>\r\n"_s},
        {"truncated at the end", "\xe3\x81\x93\xe3\x82", "Shift_JIS", {}},
        {"invalid byte inside", "\xe3\x81\x93\xff\xe3\x82\x93\r\n", "Shift_JIS", {}},
        {"marked with invalid bytes", "\xef\xbb\xbf\xe3\x81\x93\xff\xe3\x82", "UTF-8", {}},
        {"what CP932 lacks", "caf\xc3\xa9 \xf0\x9f\x98\x80 \xed\x95\x9c\r\n", "UTF-8",
         u"café 😀 한\r\n"_s},
        // Characters a text editor treats specially, each kept as it was.
        {"special characters",
         QByteArray("\xc2\xa0|\xe2\x80\xa8|\xe2\x80\xa9|\xef\xbf\xbc|\xef\xb7\x90|\xef\xbb\xbf|\x00|"
                    "\xc2\x85|\xf3\xb0\x81\x81|\x0b\x0c\r\n", 37),
         "UTF-8", {}},
    };
    int n = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(openAndSave(c.bytes, n++).toHex(' '), c.bytes.toHex(' '));
        EXPECT_EQ(m_encoding, QString::fromLatin1(c.encoding));
        if (!c.shown.isEmpty()) {
            EXPECT_EQ(m_shownText, c.shown);
        }
    }
}

TEST_F(Utf8Page, AUtf8PageTakesAnyCharacterAndStaysUtf8UnderANewName)
{
    const QString file = path("page.html");
    writeBytes(file, "\xef\xbb\xbf<P>\xe6\x97\xa5</P>\n");
    fake.openNames = {file};
    form->FileOpenItemClick();
    TMDIChild *doc = current();
    ASSERT_NE(doc, nullptr);
    doc->txtDoc->moveCursor(QTextCursor::End);
    doc->txtDoc->insertPlainText(u"é😀"_s);
    const QString copy = path("copy.html");
    fake.saveNames = {copy};
    ASSERT_TRUE(saveDocumentAs(*doc));
    EXPECT_TRUE(fake.messages.isEmpty());
    EXPECT_EQ(readBytes(copy).toHex(' '),
              QByteArray("\xef\xbb\xbf<P>\xe6\x97\xa5</P>\n\xc3\xa9\xf0\x9f\x98\x80").toHex(' '));
}

TEST_F(Utf8Page, NewDocumentsAreShiftJis)
{
    form->FileNewItemClick();
    TMDIChild *doc = current();
    doc->txtDoc->selectAll();
    doc->txtDoc->insertPlainText(u"日本\n"_s);
    const QString file = path("new.html");
    fake.saveNames = {file};
    ASSERT_TRUE(saveDocument(*doc));
    EXPECT_EQ(readBytes(file).toHex(' '), QByteArray("\x93\xfa\x96\x7b\r\n").toHex(' '));

    doc->txtDoc->insertPlainText(u"é"_s);
    EXPECT_FALSE(saveDocument(*doc));
    ASSERT_EQ(fake.unencodableReports.size(), 1);
    EXPECT_EQ(fake.unencodableReports[0].encodingName, u"Shift_JIS"_s);
}

// --- the busy cursor -------------------------------------------------------

bool busy()
{
    const QCursor *cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

TEST_F(Utf8Page, OpeningShowsTheBusyCursorUntilTheWindowIsReady)
{
    const QString file = path("page.html");
    writeBytes(file, "<P>\r\n");
    QList<bool> busyAtActivation;
    QObject::connect(form->ClientArea, &QMdiArea::subWindowActivated, form.get(),
                     [&](QMdiSubWindow *w) {
                         if (w)
                             busyAtActivation << busy();
                     });
    fake.openNames = {file};
    form->FileOpenItemClick();
    ASSERT_FALSE(busyAtActivation.isEmpty());
    EXPECT_EQ(busyAtActivation, QList<bool>(busyAtActivation.size(), true));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Utf8Page, NoBoxComesUpUnderTheBusyCursorAndNoneIsLeftBehind)
{
    // A file that cannot be read.
    QString locked = path("locked.html");
    writeBytes(locked, "x");
    QFile::setPermissions(locked, QFileDevice::Permissions());
    if (QFile probe(locked); probe.open(QIODevice::ReadOnly))
        locked = u"/proc/self/mem"_s;
    EXPECT_EQ(form->OpenDocumentWindow(locked), nullptr);

    // A character Shift-JIS cannot hold, then a folder that is gone.
    form->FileNewItemClick();
    TMDIChild *doc = current();
    doc->txtDoc->insertPlainText(u"é"_s);
    fake.saveNames = {path("page.html"), path("gone/page.html")};
    EXPECT_FALSE(saveDocument(*doc));
    doc->txtDoc->selectAll();
    doc->txtDoc->insertPlainText(u"x"_s);
    EXPECT_FALSE(saveDocumentAs(*doc));

    ASSERT_EQ(fake.messages.size(), 2);
    for (const FakePlatform::Message &m : fake.messages)
        EXPECT_FALSE(m.underBusyCursor) << m.text.toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
