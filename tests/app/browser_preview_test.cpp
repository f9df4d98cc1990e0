#include "main_form_fixture.h"

#include "dialogs/links/browser_dialog.h"
#include "support/file_bytes.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

using Start = FakePlatform::BrowserStart;

class BrowserPreview : public MainFormFixture
{
protected:
    void restartWith(const QByteArray &ini)
    {
        form.reset();
        writeBytes(fake.configFilePath(), ini);
        start();
    }

    TMDIChild *openSaved(const char *name, const QByteArray &bytes)
    {
        writeBytes(path(name), bytes);
        TMDIChild *doc = form->OpenDocumentWindow(path(name));
        doc->txtDoc->setFocus();
        return doc;
    }
};

TEST_F(BrowserPreview, CtrlEShowsTheSavedPageInTheBrowserFromTheSettings)
{
    restartWith("[Marquill]\r\nBrowserPath=/usr/bin/firefox\r\n");
    TMDIChild *doc = openSaved("page.html", "<P>x</P>\r\n");
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(doc->txtDoc, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(fake.messages.isEmpty());
    EXPECT_EQ(fake.browserStarts, (QList<Start>{{u"/usr/bin/firefox"_s, path("page.html")}}));
}

TEST_F(BrowserPreview, ChoosingTheBrowserWritesItAtOnceForEveryWindow)
{
    restartWith("[Marquill]\r\nFontSize=12\r\nBrowserPath=/usr/bin/firefox\r\n");
    TMDIChild *first = openSaved("a.html", "a");
    whenShown<TfrmBrowser>([](TfrmBrowser &dlg) {
        EXPECT_EQ(dlg.txtFilename->text(), u"/usr/bin/firefox"_s);
        dlg.txtFilename->setText(u"/usr/bin/chromium"_s);
        dlg.OKBtn->click();
    });
    trigger(u"KP1"_s);
    EXPECT_EQ(form->BrowserPath, u"/usr/bin/chromium"_s);
    EXPECT_EQ(readBytes(fake.configFilePath()), "[Marquill]\r\nFontSize=12\r\nBrowserPath=/usr/bin/chromium\r\n");

    // Another window's preview takes the new browser.
    openSaved("b.html", "b");
    ASSERT_NE(current(), first);
    trigger(u"ToolDsp"_s);
    EXPECT_EQ(fake.browserStarts, (QList<Start>{{u"/usr/bin/chromium"_s, path("b.html")}}));
}

} // namespace
