#include "dialogs/media/sound_dialog.h"
#include "dialogs/media/sound_tag.h"
#include "dialogs/media_fixture.h"
#include "support/dialog_accessibility.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

TEST(SoundTag, WritesTheSoundLine)
{
    const struct {
        SoundOptions options;
        QString tag;
    } rows[] = {
        {{.fileName = u"x.mid"_s}, u"<BGSOUND SRC=\"x.mid\">\r\n"_s},
        {{}, u"<BGSOUND SRC=\"\">\r\n"_s},
        {{.fileName = u"x.mid"_s, .loop = true, .loopCount = u"3"_s},
         u"<BGSOUND SRC=\"x.mid\" LOOP=3>\r\n"_s},
        {{.fileName = u"x.mid"_s, .loop = true, .infinite = true, .loopCount = u"3"_s},
         u"<BGSOUND SRC=\"x.mid\" LOOP=INFINITE>\r\n"_s},
        // 無限ﾙｰﾌﾟ counts only under 再生回数.
        {{.fileName = u"x.mid"_s, .infinite = true, .loopCount = u"3"_s},
         u"<BGSOUND SRC=\"x.mid\">\r\n"_s},
        {{.fileName = u"a.wav"_s, .loop = true, .loopCount = u" $A"_s},
         u"<BGSOUND SRC=\"a.wav\" LOOP= $A>\r\n"_s},
        // As typed: never escaped, never trimmed.
        {{.fileName = u" 音 \"1\"&.au"_s}, u"<BGSOUND SRC=\" 音 \"1\"&.au\">\r\n"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = soundTag(row.options);
        EXPECT_EQ(tags.start, row.tag);
        EXPECT_EQ(tags.end, QString()) << row.tag.toStdString();
    }
}

class SoundDialogTest : public DialogFixture
{
protected:
    TfrmSound &dlg = attributeDialog<TfrmSound>();

    QString tag() const { return soundTag(dlg.options()).start; }
};

TEST_F(SoundDialogTest, ControlsAreLabelledAndNamed)
{
    EXPECT_EQ(dlg.windowTitle(), u"バックグラウンドサウンド"_s);
    bool labelled = false;
    for (QLabel *label : dlg.findChildren<QLabel *>())
        labelled |= label->text() == u"ｻｳﾝﾄﾞﾌｧｲﾙ名"_s && label->buddy() == dlg.txtFilename;
    EXPECT_TRUE(labelled);
    EXPECT_FALSE(dlg.cmdSansyo->icon().isNull());
    EXPECT_TRUE(dlg.OKBtn->isDefault());

    dlg.reset();
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmSound"), 7);
    EXPECT_EQ(dlg.txtFilename->accessibleDescription(), u"ｻｳﾝﾄﾞﾌｧｲﾙ名"_s);
    EXPECT_EQ(dlg.cmdSansyo->accessibleDescription(), u"ｻｳﾝﾄﾞﾌｧｲﾙ名"_s);
    EXPECT_EQ(dlg.txtLoop->accessibleDescription(), u"再生回数"_s);
}

TEST_F(SoundDialogTest, EveryShowStartsAfresh)
{
    dlg.reset();
    dlg.txtFilename->setText(u"x.mid"_s);
    dlg.chkLoop->setChecked(true);
    dlg.txtLoop->setText(u"4"_s);
    dlg.chkInfinite->setChecked(true);

    dlg.reset();
    EXPECT_EQ(dlg.txtFilename->text(), QString());
    EXPECT_EQ(dlg.txtLoop->text(), QString());
    EXPECT_FALSE(dlg.chkLoop->isChecked());
    EXPECT_FALSE(dlg.chkInfinite->isChecked());
    EXPECT_FALSE(dlg.txtLoop->isEnabled());
    EXPECT_FALSE(dlg.chkInfinite->isEnabled());
    EXPECT_TRUE(dlg.txtFilename->isEnabled());
    EXPECT_TRUE(dlg.cmdSansyo->isEnabled());
    EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
    EXPECT_EQ(tag(), u"<BGSOUND SRC=\"\">\r\n"_s);
}

TEST_F(SoundDialogTest, ThePlaysBoxGatesTheCountAndTheEndlessBox)
{
    dlg.reset();
    for (bool checked : {true, false, true}) {
        if (dlg.chkLoop->isChecked() != checked)
            dlg.chkLoop->click();
        EXPECT_EQ(dlg.txtLoop->isEnabled(), checked);
        EXPECT_EQ(dlg.chkInfinite->isEnabled(), checked);
    }
}

TEST_F(SoundDialogTest, OkChecksTheCountWhetherItIsWrittenOrNot)
{
    const struct {
        const char16_t *typed;
        const char16_t *after;
    } rows[] = {
        {u"", u"1"},     {u"abc", u"1"},  {u"3 ", u"1"},  {u"0.5", u"1"}, {u"-", u"1"},
        {u"99999999999", u"1"},           {u"3", u"3"},   {u" 3", u" 3"}, {u"-1", u"-1"},
        {u"$ff", u"$ff"},
    };
    for (const auto &row : rows) {
        for (bool ticked : {true, false}) {
            dlg.reset();
            dlg.chkLoop->setChecked(ticked);
            dlg.txtLoop->setText(QString::fromUtf16(row.typed));
            dlg.OKBtn->click();
            EXPECT_EQ(dlg.result(), QDialog::Accepted);
            EXPECT_EQ(dlg.chkLoop->isChecked(), ticked);
            EXPECT_EQ(dlg.txtLoop->text(), QString::fromUtf16(row.after)) << "ticked " << ticked;
        }
    }
}

TEST_F(SoundDialogTest, BrowseWritesTheLowerCasedBareName)
{
    dlg.reset();
    dlg.txtFilename->setText(u"old.mid"_s);
    dlg.cmdSansyo->click(); // cancelled
    EXPECT_EQ(dlg.txtFilename->text(), u"old.mid"_s);
    fake.openNames = {u"/home/user/音楽/Theme Ａ.MID"_s};
    dlg.cmdSansyo->click();
    EXPECT_EQ(dlg.txtFilename->text(), u"theme ａ.mid"_s);
    ASSERT_EQ(fake.openRequests.size(), 2);
    for (const auto &request : fake.openRequests)
        EXPECT_EQ(request.filter,
                  u"MIDIﾌｧｲﾙ(*.MID)|*.MID|WAVEﾌｧｲﾙ(*.WAV)|*.WAV|AUﾌｧｲﾙ(*.AU)|*.AU|全てのﾌｧｲﾙ(*.*)|*.*"_s);
}

// --- the command ------------------------------------------------------------

class SoundCommandTest : public MediaCommandTest
{
};

TEST_F(SoundCommandTest, TheLineGoesInFrontOfTheSelection)
{
    const struct {
        std::function<void(TfrmSound &)> fill;
        QString tag;
    } rows[] = {
        {[](TfrmSound &dlg) {
             QTest::keyClicks(dlg.txtFilename, u"x.mid"_s);
             dlg.chkLoop->click();
             QTest::keyClicks(dlg.txtLoop, u"3"_s);
         },
         u"<BGSOUND SRC=\"x.mid\" LOOP=3>\r\n"_s},
        // An empty count becomes one play.
        {[](TfrmSound &dlg) {
             QTest::keyClicks(dlg.txtFilename, u"x.mid"_s);
             dlg.chkLoop->click();
         },
         u"<BGSOUND SRC=\"x.mid\" LOOP=1>\r\n"_s},
        {[](TfrmSound &dlg) {
             dlg.chkLoop->click();
             dlg.chkInfinite->click();
         },
         u"<BGSOUND SRC=\"\" LOOP=INFINITE>\r\n"_s},
        // The endless box without 再生回数 writes nothing.
        {[](TfrmSound &dlg) {
             QTest::keyClicks(dlg.txtFilename, u"a.wav"_s);
             dlg.chkLoop->click();
             dlg.chkInfinite->click();
             dlg.chkLoop->click();
         },
         u"<BGSOUND SRC=\"a.wav\">\r\n"_s},
    };
    for (const auto &row : rows) {
        setText(u"x abc y"_s);
        selectText(u"abc"_s);
        whenShown<TfrmSound>([&row](TfrmSound &dlg) {
            EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
            row.fill(dlg);
            dlg.OKBtn->click();
        });
        expectInFrontOfTheSelection(MMSoundClick, row.tag);
    }
}

TEST_F(SoundCommandTest, CancelChangesNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmSound>(MMSoundClick, [](TfrmSound &dlg) {
        QTest::keyClicks(dlg.txtFilename, u"x.mid"_s);
        dlg.chkLoop->click();
    });
}

} // namespace
