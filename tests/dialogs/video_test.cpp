#include "dialogs/media/video_dialog.h"
#include "dialogs/media/video_tag.h"
#include "support/dialog_accessibility.h"
#include "dialogs/media_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const VideoOptions clip{.fileName = u"a.avi"_s};

VideoOptions with(std::function<void(VideoOptions &)> change)
{
    VideoOptions o = clip;
    change(o);
    return o;
}

TEST(VideoTag, WritesEachAttributeInItsPlace)
{
    const struct {
        VideoOptions options;
        QString tag;
    } rows[] = {
        {clip, u"<IMG DYNSRC=\"a.avi\">"_s},
        {{}, u"<IMG DYNSRC=\"\">"_s},
        {with([](auto &o) { o.image = true; o.imageName = u"b.gif"_s; }),
         u"<IMG SRC=\"b.gif\" DYNSRC=\"a.avi\">"_s},
        {with([](auto &o) { o.image = true; }), u"<IMG SRC=\"\" DYNSRC=\"a.avi\">"_s},
        {with([](auto &o) { o.size = true; o.width = u"0"_s; o.height = u"0"_s; }),
         u"<IMG DYNSRC=\"a.avi\" WIDTH=0 HEIGHT=0>"_s},
        {with([](auto &o) { o.size = true; o.width = u" 160"_s; o.height = u"$78"_s; }),
         u"<IMG DYNSRC=\"a.avi\" WIDTH= 160 HEIGHT=$78>"_s},
        {with([](auto &o) { o.align = true; o.alignValue = VideoAlign::Left; }),
         u"<IMG DYNSRC=\"a.avi\" ALIGN=left>"_s},
        {with([](auto &o) { o.align = true; o.alignValue = VideoAlign::Right; }),
         u"<IMG DYNSRC=\"a.avi\" ALIGN=right>"_s},
        {with([](auto &o) { o.align = true; }), u"<IMG DYNSRC=\"a.avi\">"_s},
        {with([](auto &o) { o.border = true; o.borderValue = u"2"_s; }),
         u"<IMG DYNSRC=\"a.avi\" BORDER=2>"_s},
        {with([](auto &o) { o.textAlign = true; o.textAlignValue = VideoTextAlign::Top; }),
         u"<IMG DYNSRC=\"a.avi\" ALIGN=top>"_s},
        {with([](auto &o) { o.textAlign = true; o.textAlignValue = VideoTextAlign::Middle; }),
         u"<IMG DYNSRC=\"a.avi\" ALIGN=middle>"_s},
        {with([](auto &o) { o.textAlign = true; o.textAlignValue = VideoTextAlign::Bottom; }),
         u"<IMG DYNSRC=\"a.avi\" ALIGN=bottom>"_s},
        {with([](auto &o) { o.textAlign = true; }), u"<IMG DYNSRC=\"a.avi\">"_s},
        // Both alignments: two ALIGN attributes, the horizontal one first.
        {with([](auto &o) {
             o.align = true; o.alignValue = VideoAlign::Right; o.border = true;
             o.borderValue = u"1"_s; o.textAlign = true; o.textAlignValue = VideoTextAlign::Middle;
         }),
         u"<IMG DYNSRC=\"a.avi\" ALIGN=right BORDER=1 ALIGN=middle>"_s},
        {with([](auto &o) { o.space = true; o.hspace = u"5"_s; o.vspace = u"-3"_s; }),
         u"<IMG DYNSRC=\"a.avi\" HSPACE=5 VSPACE=-3>"_s},
        {with([](auto &o) { o.alt = true; }), u"<IMG DYNSRC=\"a.avi\" ALT=\"\">"_s},
        {with([](auto &o) { o.ismap = true; }), u"<IMG DYNSRC=\"a.avi\" ISMAP>"_s},
        {with([](auto &o) { o.loop = true; o.loopCount = u"3"_s; }),
         u"<IMG DYNSRC=\"a.avi\" LOOP=3>"_s},
        {with([](auto &o) { o.loop = true; o.infinite = true; o.loopCount = u"3"_s; }),
         u"<IMG DYNSRC=\"a.avi\" LOOP=infinite>"_s},
        // 無限ﾙｰﾌﾟ counts only under 再生回数.
        {with([](auto &o) { o.infinite = true; o.loopCount = u"3"_s; }), u"<IMG DYNSRC=\"a.avi\">"_s},
        {with([](auto &o) { o.fileOpen = true; }), u"<IMG DYNSRC=\"a.avi\" START=fileopen>"_s},
        {with([](auto &o) { o.mouseOver = true; }), u"<IMG DYNSRC=\"a.avi\" START=mouseover>"_s},
        {with([](auto &o) { o.fileOpen = true; o.mouseOver = true; }),
         u"<IMG DYNSRC=\"a.avi\" START=fileopen,mouseover>"_s},
        {with([](auto &o) { o.usemap = true; o.mapName = u"nav"_s; }),
         u"<IMG DYNSRC=\"a.avi\" USEMAP=\"#nav\">"_s},
        // Timing after LOOP and before USEMAP.
        {with([](auto &o) {
             o.loop = true; o.loopCount = u"2"_s; o.fileOpen = true; o.mouseOver = true;
             o.usemap = true; o.mapName = u"m"_s;
         }),
         u"<IMG DYNSRC=\"a.avi\" LOOP=2 START=fileopen,mouseover USEMAP=\"#m\">"_s},
        // Everything, in its order.
        {{.fileName = u"clip.avi"_s, .image = true, .imageName = u"still.jpg"_s, .size = true,
          .width = u"160"_s, .height = u"120"_s, .align = true, .alignValue = VideoAlign::Left,
          .border = true, .borderValue = u"0"_s, .textAlign = true,
          .textAlignValue = VideoTextAlign::Top, .space = true, .hspace = u"4"_s, .vspace = u"6"_s,
          .alt = true, .altText = u"映像"_s, .ismap = true, .loop = true, .infinite = true,
          .fileOpen = true, .usemap = true, .mapName = u"map"_s},
         u"<IMG SRC=\"still.jpg\" DYNSRC=\"clip.avi\" WIDTH=160 HEIGHT=120 ALIGN=left BORDER=0"
         " ALIGN=top HSPACE=4 VSPACE=6 ALT=\"映像\" ISMAP LOOP=infinite START=fileopen"
         " USEMAP=\"#map\">"_s},
        // Texts as typed: never escaped, never trimmed.
        {{.fileName = u" ﾋﾞﾃﾞｵ \"1\"&.avi "_s, .alt = true, .altText = u"<a & \"b\">"_s,
          .usemap = true, .mapName = u"#x y"_s},
         u"<IMG DYNSRC=\" ﾋﾞﾃﾞｵ \"1\"&.avi \" ALT=\"<a & \"b\">\" USEMAP=\"##x y\">"_s},
        // What is not ticked is not written, whatever its fields hold.
        {{.fileName = u"a.avi"_s, .imageName = u"b.gif"_s, .width = u"1"_s, .height = u"2"_s,
          .alignValue = VideoAlign::Right, .borderValue = u"3"_s,
          .textAlignValue = VideoTextAlign::Bottom, .hspace = u"4"_s, .vspace = u"5"_s,
          .altText = u"alt"_s, .loopCount = u"6"_s, .mapName = u"m"_s},
         u"<IMG DYNSRC=\"a.avi\">"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = videoTag(row.options);
        EXPECT_EQ(tags.start, row.tag);
        EXPECT_EQ(tags.end, QString()) << row.tag.toStdString();
    }
}

class VideoDialogTest : public DialogFixture
{
protected:
    TfrmVideo &dlg = attributeDialog<TfrmVideo>();

    ~VideoDialogTest() override { dlg.hide(); }

    QString tag() const { return videoTag(dlg.options()).start; }

    QList<QCheckBox *> checkBoxes() const
    {
        return {dlg.chkSize, dlg.chkAlign, dlg.chkBorder, dlg.chkTextAlign, dlg.chkSpace,
                dlg.chkAlt, dlg.chkImage, dlg.chkIsmap, dlg.chkUsemap, dlg.chkControl,
                dlg.chkLoop, dlg.chkInfinite, dlg.chkFileopen, dlg.chkMouseover};
    }
    QList<QLineEdit *> fields() const
    {
        return {dlg.txtFilename, dlg.txtImage, dlg.txtWidth, dlg.txtHeight, dlg.txtBorder,
                dlg.txtHSpace, dlg.txtVSpace, dlg.txtAlt, dlg.txtLoop, dlg.txtMap};
    }
};

TEST_F(VideoDialogTest, EachControlStandsOnItsPage)
{
    ASSERT_EQ(dlg.PageControl1->count(), 2);
    EXPECT_EQ(dlg.PageControl1->widget(0), dlg.TabSheet1);
    EXPECT_EQ(dlg.PageControl1->tabText(0), u"基本"_s);
    EXPECT_EQ(dlg.PageControl1->tabText(1), u"拡張"_s);
    const QList<QWidget *> basic = {dlg.txtFilename, dlg.cmdSansyo, dlg.chkSize, dlg.txtWidth,
                                    dlg.txtHeight, dlg.chkAlign, dlg.cboAlign, dlg.chkBorder,
                                    dlg.txtBorder, dlg.chkTextAlign, dlg.cboTextAlign,
                                    dlg.chkSpace, dlg.txtHSpace, dlg.txtVSpace, dlg.chkAlt,
                                    dlg.txtAlt};
    const QList<QWidget *> extended = {dlg.chkImage, dlg.txtImage, dlg.cmdSansyo2, dlg.chkIsmap,
                                       dlg.chkUsemap, dlg.txtMap, dlg.chkControl, dlg.chkLoop,
                                       dlg.txtLoop, dlg.chkInfinite, dlg.chkFileopen,
                                       dlg.chkMouseover};
    for (QWidget *w : basic)
        EXPECT_TRUE(dlg.TabSheet1->isAncestorOf(w)) << w->objectName().toStdString();
    for (QWidget *w : extended)
        EXPECT_TRUE(dlg.TabSheet2->isAncestorOf(w)) << w->objectName().toStdString();
    for (auto [label, field] : {std::pair{dlg.Label4, dlg.txtWidth}, std::pair{dlg.Label5, dlg.txtHeight},
                                std::pair{dlg.Label6, dlg.txtVSpace}, std::pair{dlg.Label7, dlg.txtHSpace}})
        EXPECT_EQ(label->buddy(), field) << label->objectName().toStdString();
}

TEST_F(VideoDialogTest, EveryShowStartsAfreshButTheAlignmentLists)
{
    // The lists start with no choice.
    dlg.reset();
    EXPECT_EQ(dlg.cboAlign->currentIndex(), -1);
    EXPECT_EQ(dlg.cboTextAlign->currentIndex(), -1);

    for (QCheckBox *box : checkBoxes())
        box->setChecked(true);
    for (QLineEdit *field : fields())
        field->setText(u"7"_s);
    dlg.cboAlign->setCurrentIndex(1);
    dlg.cboTextAlign->setCurrentIndex(2);
    dlg.PageControl1->setCurrentIndex(1);

    dlg.reset();
    EXPECT_EQ(dlg.PageControl1->currentIndex(), 0);
    for (QCheckBox *box : checkBoxes())
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    for (QLineEdit *field : fields())
        EXPECT_EQ(field->text(), QString()) << field->objectName().toStdString();
    for (QWidget *w : std::initializer_list<QWidget *>{
             dlg.Label4, dlg.txtWidth, dlg.Label5, dlg.txtHeight, dlg.cboAlign, dlg.txtBorder,
             dlg.cboTextAlign, dlg.Label7, dlg.txtHSpace, dlg.Label6, dlg.txtVSpace, dlg.txtAlt,
             dlg.txtImage, dlg.cmdSansyo2, dlg.txtMap, dlg.txtLoop, dlg.chkInfinite})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    for (QWidget *w : std::initializer_list<QWidget *>{dlg.txtFilename, dlg.cmdSansyo, dlg.chkSize,
                                                        dlg.chkIsmap, dlg.chkControl, dlg.chkLoop,
                                                        dlg.chkFileopen, dlg.chkMouseover})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
    EXPECT_EQ(dlg.cboAlign->currentText(), u"右揃え"_s);
    EXPECT_EQ(dlg.cboTextAlign->currentText(), u"下揃え"_s);
    EXPECT_EQ(tag(), u"<IMG DYNSRC=\"\">"_s);

    // Ticked again, the kept choices are what is written.
    dlg.chkAlign->setChecked(true);
    dlg.chkTextAlign->setChecked(true);
    EXPECT_EQ(tag(), u"<IMG DYNSRC=\"\" ALIGN=right ALIGN=bottom>"_s);
}

TEST_F(VideoDialogTest, EachBoxGatesItsControls)
{
    const struct {
        QCheckBox *box;
        QList<QWidget *> controls;
    } rows[] = {
        {dlg.chkSize, {dlg.Label4, dlg.txtWidth, dlg.Label5, dlg.txtHeight}},
        {dlg.chkAlign, {dlg.cboAlign}},
        {dlg.chkBorder, {dlg.txtBorder}},
        {dlg.chkTextAlign, {dlg.cboTextAlign}},
        {dlg.chkSpace, {dlg.Label7, dlg.txtHSpace, dlg.Label6, dlg.txtVSpace}},
        {dlg.chkAlt, {dlg.txtAlt}},
        {dlg.chkImage, {dlg.txtImage, dlg.cmdSansyo2}},
        {dlg.chkUsemap, {dlg.txtMap}},
        {dlg.chkLoop, {dlg.txtLoop, dlg.chkInfinite}},
    };
    dlg.reset();
    for (const auto &row : rows) {
        for (bool checked : {true, false, true}) {
            if (row.box->isChecked() != checked)
                row.box->click();
            for (QWidget *w : row.controls)
                EXPECT_EQ(w->isEnabled(), checked) << w->objectName().toStdString();
        }
    }
}

TEST_F(VideoDialogTest, TheTwoMapKindsExcludeEachOther)
{
    dlg.reset();
    dlg.chkUsemap->click();
    dlg.txtMap->setText(u"nav"_s);
    EXPECT_TRUE(dlg.txtMap->isEnabled());

    // Server-side while client-side is on: client-side goes off, its name field grey.
    dlg.chkIsmap->click();
    EXPECT_TRUE(dlg.chkIsmap->isChecked());
    EXPECT_FALSE(dlg.chkUsemap->isChecked());
    EXPECT_FALSE(dlg.txtMap->isEnabled());
    EXPECT_EQ(tag(), u"<IMG DYNSRC=\"\" ISMAP>"_s);

    // And back: client-side turns server-side off.
    dlg.chkUsemap->click();
    EXPECT_TRUE(dlg.chkUsemap->isChecked());
    EXPECT_FALSE(dlg.chkIsmap->isChecked());
    EXPECT_TRUE(dlg.txtMap->isEnabled());
    EXPECT_EQ(tag(), u"<IMG DYNSRC=\"\" USEMAP=\"#nav\">"_s);

    // Turning one off leaves the other off.
    dlg.chkUsemap->click();
    EXPECT_FALSE(dlg.chkIsmap->isChecked());
    EXPECT_EQ(tag(), u"<IMG DYNSRC=\"\">"_s);
}

TEST_F(VideoDialogTest, TheControlBoxWritesNothing)
{
    dlg.reset();
    dlg.txtFilename->setText(u"a.avi"_s);
    dlg.chkLoop->click();
    dlg.txtLoop->setText(u"2"_s);
    dlg.chkControl->click();
    EXPECT_TRUE(dlg.chkControl->isChecked());
    EXPECT_EQ(tag(), u"<IMG DYNSRC=\"a.avi\" LOOP=2>"_s);
}

TEST_F(VideoDialogTest, OkSetsNumbersThatAreNotWholeNumbers)
{
    const struct {
        QCheckBox *box;
        QLineEdit *field;
        const char *replacement;
    } numbers[] = {
        {dlg.chkSize, dlg.txtWidth, "0"},   {dlg.chkSize, dlg.txtHeight, "0"},
        {dlg.chkBorder, dlg.txtBorder, "0"}, {dlg.chkSpace, dlg.txtHSpace, "0"},
        {dlg.chkSpace, dlg.txtVSpace, "0"},  {dlg.chkLoop, dlg.txtLoop, "1"},
    };
    const struct {
        const char16_t *typed;
        bool passes;
    } texts[] = {
        {u"", false},    {u"abc", false}, {u"3 ", false},  {u"1.5", false},
        {u"+", false},   {u"$", false},   {u"2147483648", false},
        {u"12", true},   {u" 3", true},   {u"-2", true},   {u"+7", true},
        {u"$1F", true},  {u"2147483647", true},
    };
    for (const auto &number : numbers) {
        for (const auto &text : texts) {
            for (bool ticked : {true, false}) {
                dlg.reset();
                number.box->setChecked(ticked);
                number.field->setText(QString::fromUtf16(text.typed));
                dlg.OKBtn->click();
                EXPECT_EQ(dlg.result(), QDialog::Accepted);
                EXPECT_TRUE(number.box->isChecked() == ticked);
                const QString expected = ticked && !text.passes
                                             ? QString::fromLatin1(number.replacement)
                                             : QString::fromUtf16(text.typed);
                EXPECT_EQ(number.field->text(), expected)
                    << number.field->objectName().toStdString() << " ticked " << ticked;
            }
        }
    }

    // Size on with both fields empty, plays on with none: zero size, one play.
    dlg.reset();
    dlg.txtFilename->setText(u"a.avi"_s);
    dlg.chkSize->click();
    dlg.chkLoop->click();
    dlg.chkBorder->click();
    dlg.txtBorder->setText(u"x"_s);
    dlg.chkSpace->click();
    dlg.txtHSpace->setText(u"5"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(tag(), u"<IMG DYNSRC=\"a.avi\" WIDTH=0 HEIGHT=0 BORDER=0 HSPACE=5 VSPACE=0 LOOP=1>"_s);
}

TEST_F(VideoDialogTest, BrowseButtonsFillTheirOwnFieldsWithLowerCasedBareNames)
{
    dlg.reset();
    dlg.txtFilename->setText(u"old.avi"_s);
    dlg.cmdSansyo->click(); // cancelled
    EXPECT_EQ(dlg.txtFilename->text(), u"old.avi"_s);
    fake.openNames = {u"/home/user/ビデオ/Movie ＡＢ.AVI"_s, std::nullopt, u"/srv/Pics/Still.GIF"_s};
    dlg.cmdSansyo->click();
    EXPECT_EQ(dlg.txtFilename->text(), u"movie ａｂ.avi"_s);

    dlg.chkImage->click();
    dlg.txtImage->setText(u"kept.gif"_s);
    dlg.cmdSansyo2->click(); // cancelled
    EXPECT_EQ(dlg.txtImage->text(), u"kept.gif"_s);
    dlg.cmdSansyo2->click();
    EXPECT_EQ(dlg.txtImage->text(), u"still.gif"_s);
    EXPECT_EQ(dlg.txtFilename->text(), u"movie ａｂ.avi"_s);

    ASSERT_EQ(fake.openRequests.size(), 4);
    const QString clipFilter = u"AVIﾌｧｲﾙ(*.AVI)|*.AVI|全てのﾌｧｲﾙ(*.*)|*.*"_s;
    const QString stillFilter = u"GIFﾌｧｲﾙ(*.GIF)|*.GIF|JPEGﾌｧｲﾙ(*.JPG)|*.JPG|全てのﾌｧｲﾙ(*.*)|*.*"_s;
    EXPECT_EQ(fake.openRequests[0].filter, clipFilter);
    EXPECT_EQ(fake.openRequests[1].filter, clipFilter);
    EXPECT_EQ(fake.openRequests[2].filter, stillFilter);
    EXPECT_EQ(fake.openRequests[3].filter, stillFilter);
}

TEST_F(VideoDialogTest, EveryControlIsKnownToAssistiveTechnology)
{
    dlg.reset();
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmVideo"), 30);
    const struct {
        QWidget *control;
        const char16_t *description;
    } described[] = {
        {dlg.txtFilename, u"ﾋﾞﾃﾞｵｸﾘｯﾌﾟのｱﾄﾞﾚｽまたはVRMLﾜｰﾙﾄﾞ"},
        {dlg.cmdSansyo, u"ﾋﾞﾃﾞｵｸﾘｯﾌﾟのｱﾄﾞﾚｽまたはVRMLﾜｰﾙﾄﾞ"},
        {dlg.txtWidth, u"幅"},
        {dlg.txtHeight, u"高さ"},
        {dlg.cboAlign, u"位置"},
        {dlg.txtBorder, u"枠線の太さ"},
        {dlg.cboTextAlign, u"周りのﾃｷｽﾄの位置"},
        {dlg.txtHSpace, u"左右"},
        {dlg.txtVSpace, u"上下"},
        {dlg.txtAlt, u"表示するﾃｷｽﾄ"},
        {dlg.txtImage, u"ｲﾒｰｼﾞ"},
        {dlg.cmdSansyo2, u"ｲﾒｰｼﾞ"},
        {dlg.txtMap, u"ｸﾗｲｱﾝﾄｻｲﾄﾞｲﾒｰｼﾞﾏｯﾌﾟ"},
        {dlg.txtLoop, u"再生回数"},
    };
    for (const auto &row : described)
        EXPECT_EQ(row.control->accessibleDescription(), QString::fromUtf16(row.description))
            << row.control->objectName().toStdString();
    for (QComboBox *list : {dlg.cboAlign, dlg.cboTextAlign}) {
        list->setCurrentIndex(1);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(list);
        EXPECT_EQ(iface->text(QAccessible::Value), list->currentText());
    }
}

TEST_F(VideoDialogTest, TheKeyboardReachesEveryControl)
{
    dlg.reset();
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    for (QCheckBox *box : checkBoxes())
        box->setChecked(true);
    dlg.chkIsmap->setChecked(true); // the map kinds exclude each other: walk both
    QSet<QWidget *> reached;
    for (int page = 0; page < 2; ++page) {
        dlg.PageControl1->setCurrentIndex(page);
        (page == 0 ? dlg.txtFilename : static_cast<QWidget *>(dlg.chkImage))->setFocus();
        for (int i = 0; i < 30; ++i) {
            reached.insert(QApplication::focusWidget());
            if (page == 1 && i == 15)
                dlg.chkUsemap->setChecked(true);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }
    QList<QWidget *> controls = {dlg.txtFilename, dlg.cmdSansyo, dlg.txtWidth, dlg.txtHeight,
                                 dlg.cboAlign, dlg.txtBorder, dlg.cboTextAlign, dlg.txtHSpace,
                                 dlg.txtVSpace, dlg.txtAlt, dlg.txtImage, dlg.cmdSansyo2,
                                 dlg.txtMap, dlg.txtLoop, dlg.OKBtn, dlg.CancelBtn};
    for (QCheckBox *box : checkBoxes())
        controls << box;
    for (QWidget *control : controls)
        EXPECT_TRUE(reached.contains(control)) << control->objectName().toStdString();

    // Ctrl+Tab brings the other page to the front.
    dlg.PageControl1->setCurrentIndex(0);
    dlg.txtFilename->setFocus();
    QTest::keyClick(dlg.txtFilename, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(dlg.PageControl1->currentIndex(), 1);
}

// --- the command ------------------------------------------------------------

class VideoCommandTest : public MediaCommandTest
{
};

TEST_F(VideoCommandTest, TheTagGoesInFrontOfTheSelection)
{
    setText(u"x abc y"_s);
    selectText(u"abc"_s);
    whenShown<TfrmVideo>([](TfrmVideo &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
        EXPECT_EQ(dlg.PageControl1->currentIndex(), 0);
        QTest::keyClicks(dlg.txtFilename, u"a.avi"_s);
        dlg.OKBtn->click();
    });
    expectInFrontOfTheSelection(MMVideoClick, u"<IMG DYNSRC=\"a.avi\">"_s);
}

TEST_F(VideoCommandTest, BothPagesReachTheTag)
{
    setText(u"x abc y"_s);
    selectText(u"abc"_s);
    whenShown<TfrmVideo>([](TfrmVideo &dlg) {
        QTest::keyClicks(dlg.txtFilename, u"a.avi"_s);
        dlg.chkSize->click();
        QTest::keyClicks(dlg.txtWidth, u"160"_s);
        QTest::keyClicks(dlg.txtHeight, u"120"_s);
        dlg.chkAlign->click();
        dlg.cboAlign->setCurrentIndex(0);
        dlg.chkBorder->click();
        QTest::keyClicks(dlg.txtBorder, u"2"_s);
        dlg.chkTextAlign->click();
        dlg.cboTextAlign->setCurrentIndex(1);
        dlg.chkSpace->click();
        QTest::keyClicks(dlg.txtHSpace, u"3"_s);
        QTest::keyClicks(dlg.txtVSpace, u"4"_s);
        dlg.chkAlt->click();
        dlg.txtAlt->setText(u"ﾋﾞﾃﾞｵ"_s);
        dlg.PageControl1->setCurrentIndex(1);
        dlg.chkImage->click();
        QTest::keyClicks(dlg.txtImage, u"b.gif"_s);
        dlg.chkUsemap->click();
        QTest::keyClicks(dlg.txtMap, u"nav"_s);
        dlg.chkControl->click();
        dlg.chkLoop->click();
        QTest::keyClicks(dlg.txtLoop, u"3"_s);
        dlg.chkInfinite->click();
        dlg.chkFileopen->click();
        dlg.chkMouseover->click();
        dlg.OKBtn->click();
    });
    expectInFrontOfTheSelection(
        MMVideoClick,
        u"<IMG SRC=\"b.gif\" DYNSRC=\"a.avi\" WIDTH=160 HEIGHT=120 ALIGN=left BORDER=2"
        " ALIGN=middle HSPACE=3 VSPACE=4 ALT=\"ﾋﾞﾃﾞｵ\" LOOP=infinite START=fileopen,mouseover"
        " USEMAP=\"#nav\">"_s);
}

TEST_F(VideoCommandTest, TheAlignmentChoicesLastFromOneClipToTheNext)
{
    setText(QString());
    whenShown<TfrmVideo>([](TfrmVideo &dlg) {
        dlg.chkAlign->click();
        EXPECT_EQ(dlg.cboAlign->currentIndex(), -1);
        dlg.OKBtn->click(); // on, but nothing chosen: nothing written
    });
    MMVideoClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<IMG DYNSRC=\"\">"_s);

    whenShown<TfrmVideo>([](TfrmVideo &dlg) {
        dlg.chkAlign->click();
        dlg.cboAlign->setCurrentIndex(1);
        dlg.chkTextAlign->click();
        dlg.cboTextAlign->setCurrentIndex(2);
        dlg.CancelBtn->click(); // kept even so
    });
    MMVideoClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<IMG DYNSRC=\"\">"_s);

    whenShown<TfrmVideo>([](TfrmVideo &dlg) {
        EXPECT_FALSE(dlg.chkAlign->isChecked());
        EXPECT_FALSE(dlg.cboAlign->isEnabled());
        dlg.chkAlign->click();
        dlg.chkTextAlign->click();
        dlg.OKBtn->click();
    });
    MMVideoClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<IMG DYNSRC=\"\"><IMG DYNSRC=\"\" ALIGN=right ALIGN=bottom>"_s);
}

TEST_F(VideoCommandTest, CancelChangesNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmVideo>(MMVideoClick, [](TfrmVideo &dlg) {
        QTest::keyClicks(dlg.txtFilename, u"a.avi"_s);
        dlg.chkSize->click();
    });
}

} // namespace
