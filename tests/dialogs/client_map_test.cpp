#include "dialogs/media/client_map_dialog.h"
#include "dialogs/media/client_map_tag.h"
#include "dialogs/media/image_dialog.h"
#include "support/dialog_accessibility.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// --- the builders -----------------------------------------------------------

TEST(HotspotTag, WritesOneAreaLine)
{
    const struct {
        const char *what;
        HotspotOptions options;
        QString line;
    } rows[] = {
        {"rectangle", {.coords = u"0,0,10,10"_s, .href = u"a.htm"_s},
         u"<AREA SHAPE=\"RECT\" COORDS=\"0,0,10,10\" HREF=\"a.htm\">\r\n"_s},
        {"circle with target",
         {.shape = HotspotShape::Circle, .coords = u"5,5,5"_s, .href = u"b.htm"_s, .target = true,
          .targetName = u"main"_s},
         u"<AREA SHAPE=\"CIRC\" COORDS=\"5,5,5\" HREF=\"b.htm\" TARGET=\"main\">\r\n"_s},
        {"polygon", {.shape = HotspotShape::Polygon, .coords = u"0,0,20,0,10,15"_s, .href = u"c.htm"_s},
         u"<AREA SHAPE=\"POLY\" COORDS=\"0,0,20,0,10,15\" HREF=\"c.htm\">\r\n"_s},
        {"links nowhere", {.coords = u"1,2,3,4"_s, .noHref = true, .href = u"a.htm"_s},
         u"<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" NOHREF>\r\n"_s},
        {"nowhere, in a target",
         {.noHref = true, .target = true, .targetName = u"_top"_s},
         u"<AREA SHAPE=\"RECT\" COORDS=\"\" NOHREF TARGET=\"_top\">\r\n"_s},
        {"empty fields", {.target = true}, u"<AREA SHAPE=\"RECT\" COORDS=\"\" HREF=\"\" TARGET=\"\">\r\n"_s},
        {"unticked target", {.coords = u"1"_s, .href = u"a.htm"_s, .targetName = u"main"_s},
         u"<AREA SHAPE=\"RECT\" COORDS=\"1\" HREF=\"a.htm\">\r\n"_s},
        // Texts are never checked, escaped or trimmed.
        {"verbatim",
         {.shape = HotspotShape::Circle, .coords = u" 5, x ,\"9\""_s, .href = u"目次.htm?a=1&b=<2> "_s,
          .target = true, .targetName = u" 右 \""_s},
         u"<AREA SHAPE=\"CIRC\" COORDS=\" 5, x ,\"9\"\" HREF=\"目次.htm?a=1&b=<2> \" TARGET=\" 右 \"\">\r\n"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = hotspotTag(row.options);
        EXPECT_EQ(tags.start, row.line) << row.what;
        EXPECT_EQ(tags.end, QString()) << row.what;
    }
}

TEST(ClientMapTag, WrapsInAMapOfTheName)
{
    const struct {
        const char16_t *name;
        const char16_t *start;
    } rows[] = {
        {u"nav", u"<MAP NAME=\"nav\">\r\n"},
        {u"", u"<MAP NAME=\"\">\r\n"},
        {u" 地図 & \"1\" ", u"<MAP NAME=\" 地図 & \"1\" \">\r\n"},
    };
    for (const auto &row : rows) {
        const TagTexts tags = clientMapTag(QString::fromUtf16(row.name));
        EXPECT_EQ(tags.start, QString::fromUtf16(row.start));
        EXPECT_EQ(tags.end, u"</MAP>\r\n"_s);
    }
}

// --- the dialog -------------------------------------------------------------

class ClientMapDialogTest : public DialogFixture
{
protected:
    TfrmClientMap &dlg = attributeDialog<TfrmClientMap>();

    QString line() const { return hotspotTag(dlg.options()).start; }
};

TEST_F(ClientMapDialogTest, EachShapeReachesTheLine)
{
    const struct {
        QRadioButton *button;
        const char16_t *caption;
        const char16_t *line;
    } rows[] = {
        {dlg.RadioButton2, u"円", u"<AREA SHAPE=\"CIRC\" COORDS=\"1,2,3\" HREF=\"a.htm\">\r\n"},
        {dlg.RadioButton3, u"多角形", u"<AREA SHAPE=\"POLY\" COORDS=\"1,2,3\" HREF=\"a.htm\">\r\n"},
        {dlg.RadioButton1, u"四角", u"<AREA SHAPE=\"RECT\" COORDS=\"1,2,3\" HREF=\"a.htm\">\r\n"},
    };
    dlg.reset();
    dlg.txtCoords->setText(u"1,2,3"_s);
    dlg.txtFilename->setText(u"a.htm"_s);
    for (const auto &row : rows) {
        EXPECT_EQ(row.button->text(), QString::fromUtf16(row.caption));
        row.button->click();
        EXPECT_EQ(line(), QString::fromUtf16(row.line));
    }
}

TEST_F(ClientMapDialogTest, EachShowStartsFromAnEmptyRectangle)
{
    dlg.reset();
    dlg.RadioButton3->click();
    dlg.txtCoords->setText(u"1"_s);
    dlg.txtFilename->setText(u"a.htm"_s);
    dlg.chkNohref->click();
    dlg.chkTarget->click();
    dlg.txtName->setText(u"main"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(line(), u"<AREA SHAPE=\"POLY\" COORDS=\"1\" NOHREF TARGET=\"main\">\r\n"_s);

    dlg.reset();
    EXPECT_TRUE(dlg.RadioButton1->isChecked());
    for (QLineEdit *field : {dlg.txtCoords, dlg.txtFilename, dlg.txtName})
        EXPECT_EQ(field->text(), QString()) << field->objectName().toStdString();
    EXPECT_FALSE(dlg.chkNohref->isChecked());
    EXPECT_FALSE(dlg.chkTarget->isChecked());
    EXPECT_TRUE(dlg.txtFilename->isEnabled());
    EXPECT_TRUE(dlg.cmdSansyo->isEnabled());
    EXPECT_FALSE(dlg.txtName->isEnabled());
    EXPECT_EQ(dlg.focusWidget(), dlg.RadioButton1);
    EXPECT_EQ(line(), u"<AREA SHAPE=\"RECT\" COORDS=\"\" HREF=\"\">\r\n"_s);
}

TEST_F(ClientMapDialogTest, NoLinkShutsTheLinkAndTheTargetBoxOpensItsName)
{
    dlg.reset();
    for (bool nowhere : {true, false, true}) {
        dlg.chkNohref->setChecked(nowhere);
        EXPECT_EQ(dlg.txtFilename->isEnabled(), !nowhere);
        EXPECT_EQ(dlg.cmdSansyo->isEnabled(), !nowhere);
        EXPECT_TRUE(dlg.txtCoords->isEnabled());
        EXPECT_FALSE(dlg.txtName->isEnabled());
    }
    for (bool target : {true, false, true}) {
        dlg.chkTarget->setChecked(target);
        EXPECT_EQ(dlg.txtName->isEnabled(), target);
        EXPECT_FALSE(dlg.txtFilename->isEnabled());
    }
}

TEST_F(ClientMapDialogTest, OkKeepsEveryTextAsTyped)
{
    dlg.reset();
    dlg.txtCoords->setText(u"a, b "_s);
    dlg.txtFilename->setText(u" A.HTM"_s);
    dlg.chkTarget->click();
    dlg.txtName->setText(u"x"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.txtCoords->text(), u"a, b "_s);
    EXPECT_EQ(line(), u"<AREA SHAPE=\"RECT\" COORDS=\"a, b \" HREF=\" A.HTM\" TARGET=\"x\">\r\n"_s);
}

TEST_F(ClientMapDialogTest, BrowseWritesTheLowerCasedBareName)
{
    dlg.reset();
    dlg.txtFilename->setText(u"old.htm"_s);
    dlg.cmdSansyo->click();  // cancelled
    EXPECT_EQ(dlg.txtFilename->text(), u"old.htm"_s);
    ASSERT_EQ(fake.openRequests.size(), 1);
    EXPECT_EQ(fake.openRequests[0].filter, u"HTMLﾌｧｲﾙ(*.HTM*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*"_s);

    fake.openNames = {u"/home/user/ソフト表/Site/Index.HTML"_s};
    dlg.cmdSansyo->click();
    EXPECT_EQ(dlg.txtFilename->text(), u"index.html"_s);
    EXPECT_EQ(line(), u"<AREA SHAPE=\"RECT\" COORDS=\"\" HREF=\"index.html\">\r\n"_s);
}

TEST_F(ClientMapDialogTest, EveryControlIsKnownAndReachedByTheKeyboard)
{
    dlg.reset();
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmClientMap"), 9);
    EXPECT_EQ(dlg.windowTitle(), u"クライアントサイド イメージマップ"_s);

    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.chkTarget->setChecked(true);
    QSet<QWidget *> reached;
    dlg.RadioButton1->setFocus();
    for (int i = 0; i < 12; ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QWidget *control : std::initializer_list<QWidget *>{
                 dlg.RadioButton1, dlg.txtCoords, dlg.txtFilename, dlg.cmdSansyo, dlg.chkNohref,
                 dlg.chkTarget, dlg.txtName, dlg.OKBtn, dlg.CancelBtn})
        EXPECT_TRUE(reached.contains(control)) << control->objectName().toStdString();
    dlg.RadioButton1->setFocus();
    QTest::keyClick(dlg.RadioButton1, Qt::Key_Right);
    EXPECT_TRUE(dlg.RadioButton2->isChecked());
    QTest::keyClick(dlg.RadioButton2, Qt::Key_Right);
    EXPECT_TRUE(dlg.RadioButton3->isChecked());
    dlg.reject();
}

// --- the commands -----------------------------------------------------------

class ClientMapCommandTest : public DialogFixture
{
};

TEST_F(ClientMapCommandTest, AHotSpotLineGoesInFrontOfTheSelectionWhichStays)
{
    setText(u"x abc y"_s);
    selectText(u"abc"_s);
    whenShown<TfrmClientMap>([](TfrmClientMap &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.RadioButton1);
        QTest::keyClicks(dlg.txtCoords, u"0,0,10,10"_s);
        QTest::keyClicks(dlg.txtFilename, u"a.htm"_s);
        dlg.OKBtn->click();
    });
    ImageHotspotClick(*doc, nullptr);
    const QString line = u"<AREA SHAPE=\"RECT\" COORDS=\"0,0,10,10\" HREF=\"a.htm\">\r\n"_s;
    EXPECT_EQ(text(), u"x "_s + line + u"abc y"_s);
    EXPECT_EQ(selected(), QString());
    EXPECT_EQ(caret(), 2 + int(line.size()) - 1);  // CR LF is one break in the editor
    EXPECT_EQ(doc->CapturedText, QString());
    EXPECT_EQ(doc->EndTag, QString());
    EXPECT_TRUE(doc->isModified());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"x abc y"_s);
}

TEST_F(ClientMapCommandTest, LeavingTheHotSpotDialogWithoutOkChangesNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmClientMap>(ImageHotspotClick, [](TfrmClientMap &dlg) {
        dlg.txtCoords->setText(u"1,2"_s);
    });
}

TEST_F(ClientMapCommandTest, TheMapWrapsTheSelectedHotSpots)
{
    const QString areas = u"<AREA SHAPE=\"RECT\" COORDS=\"0,0,9,9\" HREF=\"a.htm\">\r\n"
                          u"<AREA SHAPE=\"CIRC\" COORDS=\"5,5,5\" NOHREF>\r\n"_s;
    setText(u"<BODY>\r\n"_s + areas + u"</BODY>"_s);
    select(7, 7 + int(areas.size()) - 2);  // each CR LF is one break in the editor
    fake.inputs = {u"nav"_s};
    ImageClientMapClick(*doc, nullptr);

    ASSERT_EQ(fake.inputRequests.size(), 1);
    EXPECT_EQ(fake.inputRequests[0].title, u"クライアントサイド イメージマップ"_s);
    EXPECT_EQ(fake.inputRequests[0].prompt, u"ＭＡＰの名前を入力して下さい"_s);
    EXPECT_EQ(fake.inputRequests[0].preset, QString());
    // The selection ended with a line break, so the end tag starts a line.
    const QString map = u"<MAP NAME=\"nav\">\r\n"_s + areas + u"</MAP>\r\n"_s;
    EXPECT_EQ(text(), u"<BODY>\r\n"_s + map + u"</BODY>"_s);
    EXPECT_EQ(selected(), QString());
    EXPECT_EQ(caret(), 7 + int(map.size()) - 4);  // each CR LF is one break in the editor
    EXPECT_EQ(doc->CapturedText, areas);
    EXPECT_TRUE(doc->isModified());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"<BODY>\r\n"_s + areas + u"</BODY>"_s);
}

TEST_F(ClientMapCommandTest, TheMapFollowsTheSelectionDirectly)
{
    const struct {
        const char *what;
        const char16_t *name;
        int anchor;
        int position;
        const char16_t *result;
    } rows[] = {
        {"no selection", u"nav", 2, 2, u"ab<MAP NAME=\"nav\">\r\n</MAP>\r\ncd"},
        {"empty name", u"", 0, 4, u"<MAP NAME=\"\">\r\nabcd</MAP>\r\n"},
        {"no line break at its end, right to left", u"m", 3, 1,
         u"a<MAP NAME=\"m\">\r\nbc</MAP>\r\nd"},
    };
    for (const auto &row : rows) {
        setText(u"abcd"_s);
        select(row.anchor, row.position);
        fake.inputs = {QString::fromUtf16(row.name)};
        ImageClientMapClick(*doc, nullptr);
        EXPECT_EQ(text(), QString::fromUtf16(row.result)) << row.what;
    }
    // Each use asks afresh, from an empty field.
    ASSERT_EQ(fake.inputRequests.size(), 3);
    for (const InputBoxRequest &request : fake.inputRequests)
        EXPECT_EQ(request.preset, QString());
}

TEST_F(ClientMapCommandTest, CancellingTheNameChangesNothing)
{
    setText(u"abc"_s);
    selectText(u"b"_s);
    doc->StartTag = u"<X>"_s;
    fake.inputs = {std::nullopt};
    ImageClientMapClick(*doc, nullptr);
    EXPECT_EQ(fake.inputRequests.size(), 1);
    EXPECT_EQ(text(), u"abc"_s);
    EXPECT_EQ(selected(), u"b"_s);
    EXPECT_EQ(doc->StartTag, u"<X>"_s);
    EXPECT_FALSE(doc->isModified());
}

TEST_F(ClientMapCommandTest, HotSpotsMapAndPictureMakeOneImageMap)
{
    setText(u""_s);
    for (const char16_t *coords : {u"0,0,50,50", u"50,0,100,50"}) {
        whenShown<TfrmClientMap>([coords](TfrmClientMap &dlg) {
            dlg.txtCoords->setText(QString::fromUtf16(coords));
            dlg.txtFilename->setText(u"a.htm"_s);
            dlg.OKBtn->click();
        });
        ImageHotspotClick(*doc, nullptr);
    }
    select(0, int(doc->txtDoc->rawText().size()));
    fake.inputs = {u"menu"_s};
    ImageClientMapClick(*doc, nullptr);
    whenShown<TfrmImage>([](TfrmImage &dlg) {
        dlg.txtFilename->setText(u"menu.gif"_s);
        dlg.chkUsemap->click();
        dlg.txtMap->setText(u"menu"_s);
        dlg.OKBtn->click();
    });
    ImageImageClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<MAP NAME=\"menu\">\r\n"
                      u"<AREA SHAPE=\"RECT\" COORDS=\"0,0,50,50\" HREF=\"a.htm\">\r\n"
                      u"<AREA SHAPE=\"RECT\" COORDS=\"50,0,100,50\" HREF=\"a.htm\">\r\n"
                      u"</MAP>\r\n"
                      u"<IMG SRC=\"menu.gif\" USEMAP=\"#menu\">"_s);
}

} // namespace
