#include "main_form_fixture.h"

#include "app/program.h"
#include "document/file_commands.h"
#include "support/file_bytes.h"

#include <random>

using namespace Qt::StringLiterals;

namespace {

// Any bytes at all, with every line ending in `lineEnd`.
QByteArray randomPage(std::mt19937 &random, const QByteArray &lineEnd)
{
    QByteArray bytes;
    const int lines = int(random() % 20);
    for (int i = 0; i < lines; ++i) {
        const int length = int(random() % 60);
        for (int j = 0; j < length; ++j) {
            char c = char(random() % 256);
            if (c == '\r' || c == '\n')
                c = ' ';
            bytes.append(c);
        }
        if (random() % 8 != 0 || i + 1 < lines)
            bytes.append(lineEnd);
    }
    return bytes;
}

class RoundTrip : public MainFormFixture
{
protected:
    // Opens `bytes` as the program's command-line file and saves it unedited
    // under another name; returns what was written.
    QByteArray openAndSaveAs(const QByteArray &bytes, int n)
    {
        const QString original = path("original.html");
        const QString copy = path(qPrintable(u"copy%1.html"_s.arg(n)));
        writeBytes(original, bytes);
        openStartupFiles(*form, {original});
        TMDIChild *doc = current();
        if (!doc || doc->fileName() != original)
            return "<not opened>";
        fake.saveNames = {copy};
        saveDocumentAs(*doc);
        doc->closeWithoutAsking();
        return readBytes(copy);
    }
};

TEST_F(RoundTrip, HandMadePagesComeBackByteForByte)
{
    const QByteArray pages[] = {
        "<HTML>\r\n<BODY>\x93\xfa\x96\x7b\x8c\xea</BODY>\r\n</HTML>\r\n",
        "unix\nlines\n\x82\xa0\x82\xa2\n",
        "no line end at all",
        "",
        "\r\n\r\n",
        QByteArrayLiteral("nul\0and\x7f\x80\xa0\xfd\xfe\xff\r\n"),
        "duplicates \x87\x90\xed\x40\xfa\x5c \x81\x60\r\n",
        "stray trail \x40\x5c lead at end \x82",
        "lead then break \x82\r\nok\r\n",
        "\xef\xbb\xbfutf-8 \xe6\x97\xa5\xe6\x9c\xac\r\n",
        "\xe3\x81\x82\xe3\x81\x84\n",
        "tab\tform\x0c" "feed vt\x0b" "escape\x1b\r\n",
        "\xa0\xa0 half-width \xb1\xb2\xb3\r\n",
    };
    int n = 0;
    for (const QByteArray &page : pages)
        EXPECT_EQ(openAndSaveAs(page, n++).toHex(' '), page.toHex(' '));
}

TEST_F(RoundTrip, RandomPagesWithUniformLineEndsComeBackByteForByte)
{
    std::mt19937 random(20261208);
    for (int n = 0; n < 60; ++n) {
        const QByteArray page = randomPage(random, n % 2 ? "\n" : "\r\n");
        const QByteArray written = openAndSaveAs(page, n);
        ASSERT_EQ(written.toHex(' '), page.toHex(' ')) << "page " << n;
    }
}

TEST_F(RoundTrip, JapaneseTextSavedClosedAndReopenedIsIdentical)
{
    const QString file = path("日本語.html");
    form->FileNewItemClick();
    TMDIChild *doc = current();
    doc->txtDoc->selectAll();
    doc->txtDoc->insertPlainText(u"<P>ﾎｰﾑﾍﾟｰｼﾞへようこそ～①㈱髙</P>\n"_s);
    fake.saveNames = {file};
    ASSERT_TRUE(saveDocument(*doc));
    const QByteArray first = readBytes(file);
    EXPECT_EQ(first, QByteArray("<P>\xce\xb0\xd1\xcd\xdf\xb0\xbc\xde\x82\xd6\x82\xe6\x82\xa4\x82\xb1\x82\xbb"
                                "\x81\x60\x87\x40\x87\x8a\xfb\xfc</P>\r\n"));
    doc->closeWithoutAsking();

    fake.openNames = {file};
    form->FileOpenItemClick();
    doc = current();
    ASSERT_NE(doc, nullptr);
    doc->setModified(true);
    ASSERT_TRUE(saveDocument(*doc));
    EXPECT_EQ(readBytes(file), first);
}

} // namespace
