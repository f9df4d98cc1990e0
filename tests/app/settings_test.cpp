#include "main_form_fixture.h"

#include "app/recent_files.h"
#include "app/settings.h"

#include <QAction>
#include "support/file_bytes.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

class Settings : public MainFormFixture
{
protected:
    // Starts the main window on a configuration file with these bytes.
    void restartWith(const QByteArray &ini)
    {
        form.reset();
        writeBytes(fake.configFilePath(), ini);
        start();
    }
};

TEST_F(Settings, AFirstStartUsesTheDefaultsAndExitWritesEveryKey)
{
    EXPECT_TRUE(form->SpeedPanel->isVisible());
    EXPECT_TRUE(form->pnlExt->isVisible());
    EXPECT_EQ(form->DisplayFont.family(), u"ＭＳ Ｐゴシック"_s);
    EXPECT_EQ(form->DisplayFont.pointSize(), 11);
    EXPECT_TRUE(form->BrowserPath.isEmpty());
    EXPECT_FALSE(form->N3->isVisible());
    form->FileNewItemClick();
    EXPECT_FALSE(current()->N22->isVisible());

    form->move(40, 30);
    form->resize(900, 640);
    form->FileExitItemClick();
    const QByteArray expected = "[Marquill]\r\nLeft=40\r\nTop=30\r\nWidth=900\r\nHeight=640\r\n"
                                "ToolBar1=1\r\nToolBar2=1\r\nFontName=ＭＳ Ｐゴシック\r\nFontSize=11\r\n"
                                "File0=\r\nFile1=\r\nFile2=\r\nFile3=\r\nFile4=\r\nFile5=\r\nFile6=\r\n"
                                "File7=\r\nFile8=\r\nFile9=\r\nBrowserPath=\r\n";
    EXPECT_EQ(readBytes(fake.configFilePath()), expected);
}

TEST_F(Settings, ValuesAreReadByTheirRules)
{
    restartWith("[marquill]\r\n"
                "left=$20\r\nTop=abc\r\nWidth=  700\r\nHeight=\r\n"
                "ToolBar1=0\r\nToolBar2=abc\r\n"
                "FontName=*\r\nFontSize=14\r\n"
                "File0=\r\nFile1=/home/ユーザー/a&b.html\r\n"
                "BrowserPath=/usr/bin/firefox\r\n");
    EXPECT_EQ(form->x(), 32);
    EXPECT_EQ(form->width(), 700);
    EXPECT_FALSE(form->SpeedPanel->isVisible());
    EXPECT_TRUE(form->pnlExt->isVisible());
    EXPECT_EQ(form->DisplayFont.family(), u"ＭＳ Ｐゴシック"_s);
    EXPECT_EQ(form->DisplayFont.pointSize(), 14);
    EXPECT_EQ(form->BrowserPath, u"/usr/bin/firefox"_s);
    EXPECT_FALSE(form->OpenFile[0]->isVisible());
    EXPECT_TRUE(form->OpenFile[1]->isVisible());
    EXPECT_EQ(form->OpenFile[1]->text(), u"&1 /home/ユーザー/a&&b.html"_s);
    EXPECT_TRUE(form->N3->isVisible());

    form->FileNewItemClick();
    EXPECT_TRUE(current()->N22->isVisible());
    EXPECT_FALSE(current()->OpenFile[0]->isVisible());
    EXPECT_EQ(current()->OpenFile[1]->text(), form->OpenFile[1]->text());
    EXPECT_EQ(current()->txtDoc->font().pointSize(), 14);
}

TEST_F(Settings, ExitRewritesItsKeysAndKeepsEverythingElse)
{
    restartWith("; written by hand\r\n[Other]\r\nkeep=this\r\n\r\n[Marquill]\r\nToolBar2=0\r\nUnknown=1\r\n");
    form->FileExitItemClick();
    const QByteArray written = readBytes(fake.configFilePath());
    EXPECT_TRUE(written.startsWith("; written by hand\r\n[Other]\r\nkeep=this\r\n\r\n[Marquill]\r\nToolBar2=0\r\n"
                                   "Unknown=1\r\nLeft="))
        << written.toStdString();
    EXPECT_TRUE(written.endsWith("File9=\r\nBrowserPath=\r\n"));
    EXPECT_EQ(written.count("ToolBar2="), 1);
}

TEST_F(Settings, ADamagedFileNeverStopsTheStart)
{
    QByteArray garbage(200000, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 251);
    restartWith(garbage + "\r[Marquill]\rToolBar1=0\r" + QByteArray(3 << 20, 'x') + "\rFontSize=9\r");
    EXPECT_FALSE(form->SpeedPanel->isVisible());
    EXPECT_EQ(form->DisplayFont.pointSize(), 9);
}

TEST_F(Settings, SettingsSurviveARestart)
{
    const QString file = path("kept.html");
    writeBytes(file, "x");
    fake.openNames = {file};
    form->FileOpenItemClick();
    fake.fonts = {QFont(u"IPAGothic"_s, 13)};
    form->FontItemClick();
    form->ExtClick();
    form->FileExitItemClick();

    form.reset();
    start();
    EXPECT_EQ(form->Recent.at(0), file);
    EXPECT_EQ(form->DisplayFont.family(), u"IPAGothic"_s);
    EXPECT_EQ(form->DisplayFont.pointSize(), 13);
    EXPECT_FALSE(form->pnlExt->isVisible());
    EXPECT_TRUE(form->SpeedPanel->isVisible());
}

TEST(RecentFilesList, PushMovesOrDropsTheLast)
{
    RecentFiles files;
    for (int i = 9; i >= 0; --i)
        files.push(u"f"_s + QString::number(i));  // f0 in front ... f9 last
    files.push(u"F5"_s);
    QStringList order;
    for (int i = 0; i < RecentFiles::Count; ++i)
        order << files.at(i);
    EXPECT_EQ(order, (QStringList{u"F5"_s, u"f0"_s, u"f1"_s, u"f2"_s, u"f3"_s, u"f4"_s, u"f6"_s,
                                  u"f7"_s, u"f8"_s, u"f9"_s}));
    files.push(u"new"_s);
    EXPECT_EQ(files.at(0), u"new"_s);
    EXPECT_EQ(files.at(9), u"f8"_s);
    EXPECT_EQ(files.indexOf(u"F9"_s), -1);
}

TEST(RecentFilesList, GapsAreKept)
{
    RecentFiles files;
    files.set(3, u"three"_s);
    files.push(u"one"_s);
    EXPECT_EQ(files.at(0), u"one"_s);
    EXPECT_EQ(files.at(4), u"three"_s);
    EXPECT_TRUE(files.at(1).isEmpty());
    files.push(u"THREE"_s);
    EXPECT_EQ(files.at(0), u"THREE"_s);
    EXPECT_EQ(files.at(1), u"one"_s);
    EXPECT_TRUE(files.at(4).isEmpty());
}

TEST(SettingsFile, WritesEveryKeyInOrder)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"sub/MARQUILL.INI"_s);  // the folder is made when missing
    MainSettings s;
    s.left = -5;
    s.top = 0;
    s.width = 640;
    s.height = 480;
    s.toolBar2 = false;
    s.fontName = u"IPAGothic"_s;
    s.fontSize = 12;
    s.recentFiles.set(2, u"/tmp/長い名前/"_s + QString(300, u'a') + u".html"_s);
    s.browserPath = u"/usr/bin/chromium"_s;
    ASSERT_TRUE(writeSettings(file, s));
    const QByteArray expected = "[Marquill]\r\nLeft=-5\r\nTop=0\r\nWidth=640\r\nHeight=480\r\n"
                                "ToolBar1=1\r\nToolBar2=0\r\nFontName=IPAGothic\r\nFontSize=12\r\n"
                                "File0=\r\nFile1=\r\nFile2=" + s.recentFiles.at(2).toUtf8() + "\r\n"
                                "File3=\r\nFile4=\r\nFile5=\r\nFile6=\r\nFile7=\r\nFile8=\r\nFile9=\r\n"
                                "BrowserPath=/usr/bin/chromium\r\n";
    EXPECT_EQ(readBytes(file), expected);

    MainSettings back;
    readSettings(file, back);
    EXPECT_EQ(back.left, -5);
    EXPECT_EQ(back.recentFiles.at(2), s.recentFiles.at(2));
    EXPECT_FALSE(back.toolBar2);
}

} // namespace
