#include "dialogs/media/image_dialog.h"
#include "dialogs/media/image_tag.h"
#include "support/dialog_accessibility.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// --- the builder ------------------------------------------------------------

TEST(ImageTag, WritesEachTickedAttributeInItsPlace)
{
    const struct {
        const char *what;
        ImageOptions options;
        QString tag;
    } rows[] = {
        {"file only", {.fileName = u"a.gif"_s}, u"<IMG SRC=\"a.gif\">"_s},
        {"no file", {}, u"<IMG SRC=\"\">"_s},
        {"alt", {.fileName = u"a.gif"_s, .alt = true, .altText = u"写真"_s},
         u"<IMG SRC=\"a.gif\" ALT=\"写真\">"_s},
        {"empty alt", {.fileName = u"a.gif"_s, .alt = true}, u"<IMG SRC=\"a.gif\" ALT=\"\">"_s},
        {"border", {.fileName = u"a.gif"_s, .border = true, .borderWidth = u"0"_s},
         u"<IMG SRC=\"a.gif\" BORDER=0>"_s},
        {"map", {.fileName = u"a.gif"_s, .usemap = true, .mapName = u"nav"_s},
         u"<IMG SRC=\"a.gif\" USEMAP=\"#nav\">"_s},
        {"empty map name", {.fileName = u"a.gif"_s, .usemap = true}, u"<IMG SRC=\"a.gif\" USEMAP=\"#\">"_s},
        {"everything",
         {.fileName = u"a.gif"_s, .align = u"LEFT"_s, .space = true, .vSpace = u"2"_s, .hSpace = u"4"_s,
          .alt = true, .altText = u"logo"_s, .border = true, .borderWidth = u"1"_s, .usemap = true,
          .mapName = u"m"_s},
         u"<IMG SRC=\"a.gif\" ALIGN=LEFT VSPACE=2 HSPACE=4 ALT=\"logo\" BORDER=1 USEMAP=\"#m\">"_s},
        // Numbers pass as typed.
        {"typed numbers",
         {.align = u"RIGHT"_s, .space = true, .vSpace = u" 3"_s, .hSpace = u"-2"_s, .border = true,
          .borderWidth = u"$1F"_s},
         u"<IMG SRC=\"\" ALIGN=RIGHT VSPACE= 3 HSPACE=-2 BORDER=$1F>"_s},
        // Texts are never escaped or trimmed.
        {"verbatim",
         {.fileName = u" my \"pic\".gif?a=1&b=<2> "_s, .alt = true, .altText = u"\"A&B\" <x> "_s,
          .usemap = true, .mapName = u" 地図&\""_s},
         u"<IMG SRC=\" my \"pic\".gif?a=1&b=<2> \" ALT=\"\"A&B\" <x> \" USEMAP=\"# 地図&\"\">"_s},
        {"address", {.fileName = u"http://example.com/images/top.jpg"_s},
         u"<IMG SRC=\"http://example.com/images/top.jpg\">"_s},
        // What is not ticked is not written.
        {"unticked",
         {.fileName = u"a.gif"_s, .vSpace = u"1"_s, .hSpace = u"2"_s, .altText = u"t"_s,
          .borderWidth = u"3"_s, .mapName = u"m"_s},
         u"<IMG SRC=\"a.gif\">"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = imageTag(row.options);
        EXPECT_EQ(tags.start, row.tag) << row.what;
        EXPECT_EQ(tags.end, QString()) << row.what;
    }
}

TEST(ImageTag, EveryAlignmentWithSpaceOnlyWhereTheTextFlowsRound)
{
    const struct {
        const char16_t *align;
        const char16_t *tag;
    } rows[] = {
        {u"", u"<IMG SRC=\"a.gif\">"},
        {u"LEFT", u"<IMG SRC=\"a.gif\" ALIGN=LEFT VSPACE=1 HSPACE=2>"},
        {u"RIGHT", u"<IMG SRC=\"a.gif\" ALIGN=RIGHT VSPACE=1 HSPACE=2>"},
        {u"TOP", u"<IMG SRC=\"a.gif\" ALIGN=TOP>"},
        {u"CENTER", u"<IMG SRC=\"a.gif\" ALIGN=CENTER>"},
        {u"BOTTOM", u"<IMG SRC=\"a.gif\" ALIGN=BOTTOM>"},
    };
    for (const auto &row : rows) {
        const ImageOptions options{.fileName = u"a.gif"_s, .align = QString::fromUtf16(row.align),
                                   .space = true, .vSpace = u"1"_s, .hSpace = u"2"_s};
        EXPECT_EQ(imageTag(options).start, QString::fromUtf16(row.tag));
    }
}

// --- the dialog -------------------------------------------------------------

class ImageDialogTest : public DialogFixture
{
protected:
    TfrmImage &dlg = attributeDialog<TfrmImage>();

    QString tag() const { return imageTag(dlg.options()).start; }

    QList<QLabel *> samples() const
    {
        return {dlg.lblText1, dlg.lblText2, dlg.lblText3, dlg.lblText4, dlg.lblText5};
    }
    // The sample labels that would show with the dialog.
    QStringList shownSamples() const
    {
        QStringList shown;
        for (QLabel *sample : samples()) {
            if (!sample->isHidden())
                shown << sample->objectName();
        }
        return shown;
    }

    void showActive()
    {
        dlg.reset();
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
};

TEST_F(ImageDialogTest, EachTextPositionShowsItsSampleAndAligns)
{
    const struct {
        QRadioButton *button;
        const char16_t *caption;
        const char16_t *align;
        QStringList shown;
    } rows[] = {
        {dlg.RadioButton2, u"右", u"LEFT", {u"lblText1"_s}},
        {dlg.RadioButton3, u"左", u"RIGHT", {u"lblText2"_s}},
        {dlg.RadioButton4, u"上", u"TOP", {u"lblText3"_s}},
        {dlg.RadioButton5, u"中央", u"CENTER", {u"lblText4"_s}},
        {dlg.RadioButton6, u"下", u"BOTTOM", {u"lblText5"_s}},
        {dlg.RadioButton1, u"なし", u"", {}},
    };
    dlg.reset();
    dlg.txtFilename->setText(u"a.gif"_s);
    // Straight from one position to the next, so each click must hide the last sample.
    for (const auto &row : rows) {
        EXPECT_EQ(row.button->text(), QString::fromUtf16(row.caption));
        row.button->click();
        EXPECT_EQ(dlg.options().align, QString::fromUtf16(row.align)) << row.button->objectName().toStdString();
        EXPECT_EQ(shownSamples(), row.shown) << row.button->objectName().toStdString();
    }
    for (QLabel *sample : samples())
        EXPECT_EQ(sample->text(), u"テキスト"_s);

    // The samples share the preview's room: it keeps its size whichever shows.
    dlg.RadioButton1->click();
    const QSize bare = dlg.sizeHint();
    dlg.RadioButton3->click();
    EXPECT_EQ(dlg.sizeHint(), bare);
}

TEST_F(ImageDialogTest, TheArrowKeysChooseAPositionLikeAClick)
{
    showActive();
    dlg.RadioButton1->setFocus();
    QTest::keyClick(dlg.RadioButton1, Qt::Key_Down);
    EXPECT_TRUE(dlg.RadioButton2->isChecked());
    EXPECT_EQ(dlg.options().align, u"LEFT"_s);
    EXPECT_EQ(shownSamples(), QStringList{u"lblText1"_s});
    dlg.reject();
}

TEST_F(ImageDialogTest, EachShowStartsFromABarePictureButKeepsTheMapBox)
{
    dlg.reset();
    EXPECT_TRUE(dlg.RadioButton1->isChecked());
    EXPECT_FALSE(dlg.chkUsemap->isChecked());
    EXPECT_FALSE(dlg.txtMap->isEnabled());
    EXPECT_EQ(tag(), u"<IMG SRC=\"\">"_s);

    const QList<QLineEdit *> fields = {dlg.txtFilename, dlg.txtVSpace, dlg.txtHSpace,
                                       dlg.txtAlt, dlg.txtBorder, dlg.txtMap};
    for (QCheckBox *box : {dlg.chkSpace, dlg.chkAlt, dlg.chkBorder, dlg.chkUsemap})
        box->click();
    for (QLineEdit *field : fields)
        field->setText(u"7"_s);
    dlg.RadioButton3->click();

    dlg.reset();
    for (QLineEdit *field : fields)
        EXPECT_EQ(field->text(), QString()) << field->objectName().toStdString();
    EXPECT_TRUE(dlg.RadioButton1->isChecked());
    EXPECT_EQ(shownSamples(), QStringList());
    for (QCheckBox *box : {dlg.chkSpace, dlg.chkAlt, dlg.chkBorder})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    for (QWidget *w : std::initializer_list<QWidget *>{dlg.lblVSpace, dlg.txtVSpace, dlg.lblHSpace,
                                                        dlg.txtHSpace, dlg.txtAlt, dlg.txtBorder})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
    // The map box stays ticked, its name field open and empty.
    EXPECT_TRUE(dlg.chkUsemap->isChecked());
    EXPECT_TRUE(dlg.txtMap->isEnabled());
    EXPECT_EQ(tag(), u"<IMG SRC=\"\" USEMAP=\"#\">"_s);

    // Left off, it stays off.
    dlg.chkUsemap->click();
    dlg.reset();
    EXPECT_FALSE(dlg.chkUsemap->isChecked());
    EXPECT_FALSE(dlg.txtMap->isEnabled());
}

TEST_F(ImageDialogTest, EachBoxGatesItsControls)
{
    const struct {
        QCheckBox *box;
        QList<QWidget *> controls;
    } rows[] = {
        {dlg.chkSpace, {dlg.lblVSpace, dlg.txtVSpace, dlg.lblHSpace, dlg.txtHSpace}},
        {dlg.chkAlt, {dlg.txtAlt}},
        {dlg.chkBorder, {dlg.txtBorder}},
        {dlg.chkUsemap, {dlg.txtMap}},
    };
    dlg.reset();
    for (const auto &row : rows) {
        for (bool checked : {true, false, true}) {
            row.box->setChecked(checked);
            for (QWidget *w : row.controls)
                EXPECT_EQ(w->isEnabled(), checked) << w->objectName().toStdString();
        }
    }
    // The rest stay usable whatever is ticked.
    for (QWidget *w : std::initializer_list<QWidget *>{dlg.txtFilename, dlg.cmdSansyo, dlg.RadioButton6,
                                                        dlg.chkSpace, dlg.chkUsemap})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
}

TEST_F(ImageDialogTest, OkTurnsANumberThatIsNotWholeIntoZero)
{
    const struct {
        const char16_t *typed;
        const char16_t *after;
    } rows[] = {
        {u"", u"0"},     {u"x", u"0"},     {u"3 ", u"0"},     {u"1.5", u"0"},
        {u"2147483648", u"0"},             {u" 3", u" 3"},    {u"-2", u"-2"},
        {u"+4", u"+4"},  {u"$1F", u"$1F"}, {u"12", u"12"},
    };
    for (const auto &row : rows) {
        for (auto [box, field] : {std::pair{dlg.chkSpace, dlg.txtVSpace}, std::pair{dlg.chkSpace, dlg.txtHSpace},
                                  std::pair{dlg.chkBorder, dlg.txtBorder}}) {
            const std::string what = field->objectName().toStdString() + " \""
                                     + QString::fromUtf16(row.typed).toStdString() + '"';
            dlg.reset();
            box->setChecked(true);
            field->setText(QString::fromUtf16(row.typed));
            dlg.OKBtn->click();
            EXPECT_EQ(dlg.result(), QDialog::Accepted) << what;
            EXPECT_TRUE(box->isChecked()) << what;
            EXPECT_EQ(field->text(), QString::fromUtf16(row.after)) << what;
        }
    }

    // An unticked field is left as it is, whatever it holds.
    dlg.reset();
    for (QLineEdit *field : {dlg.txtVSpace, dlg.txtHSpace, dlg.txtBorder})
        field->setText(u"x"_s);
    dlg.OKBtn->click();
    for (QLineEdit *field : {dlg.txtVSpace, dlg.txtHSpace, dlg.txtBorder})
        EXPECT_EQ(field->text(), u"x"_s) << field->objectName().toStdString();

    // One bad space does not touch the other; the alternative text and the
    // map name are no numbers.
    dlg.reset();
    dlg.RadioButton2->click();
    dlg.chkSpace->click();
    dlg.txtVSpace->setText(u"abc"_s);
    dlg.txtHSpace->setText(u"8"_s);
    dlg.chkAlt->click();
    dlg.txtAlt->setText(u"abc"_s);
    dlg.txtMap->setText(u"x"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(tag(), u"<IMG SRC=\"\" ALIGN=LEFT VSPACE=0 HSPACE=8 ALT=\"abc\">"_s);

    // Cancel checks nothing.
    dlg.reset();
    dlg.chkBorder->click();
    dlg.txtBorder->setText(u"x"_s);
    dlg.CancelBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.txtBorder->text(), u"x"_s);
}

TEST_F(ImageDialogTest, BrowseWritesTheLowerCasedBareName)
{
    dlg.reset();
    dlg.txtFilename->setText(u"old.gif"_s);
    dlg.cmdSansyo->click();  // cancelled
    EXPECT_EQ(dlg.txtFilename->text(), u"old.gif"_s);
    ASSERT_EQ(fake.openRequests.size(), 1);
    EXPECT_EQ(fake.openRequests[0].filter,
              u"GIFﾌｧｲﾙ(*.GIF)|*.GIF|JPEGﾌｧｲﾙ(*.JPG)|*.JPG|全てのﾌｧｲﾙ(*.*)|*.*"_s);

    // Folders named with characters whose second Shift-JIS byte is the
    // backslash (ソ, 表, 能) are cut at the real separator only.
    const struct {
        const char16_t *chosen;
        const char16_t *name;
    } rows[] = {
        {u"/home/user/Web/Img/Photo.GIF", u"photo.gif"},
        {u"/home/user/ソフト表示/能力/Photo.GIF", u"photo.gif"},
        {u"/home/user/web/表紙 Ａ.JPG", u"表紙 ａ.jpg"},
    };
    for (const auto &row : rows) {
        fake.openNames = {QString::fromUtf16(row.chosen)};
        dlg.cmdSansyo->click();
        EXPECT_EQ(dlg.txtFilename->text(), QString::fromUtf16(row.name));
    }
    EXPECT_EQ(tag(), u"<IMG SRC=\"表紙 ａ.jpg\">"_s);
}

TEST_F(ImageDialogTest, EveryControlIsKnownAndReachedByTheKeyboard)
{
    dlg.reset();
    dlg.chkUsemap->setChecked(false);
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmImage"), 14);
    EXPECT_EQ(dlg.windowTitle(), u"イメージ"_s);
    EXPECT_EQ(dlg.Image1->accessibleName(), u"Image1"_s);
    for (QLabel *sample : samples())
        EXPECT_EQ(sample->accessibleName(), sample->objectName());

    showActive();
    for (QCheckBox *box : {dlg.chkSpace, dlg.chkAlt, dlg.chkBorder, dlg.chkUsemap})
        box->setChecked(true);
    QSet<QWidget *> reached;
    dlg.txtFilename->setFocus();
    for (int i = 0; i < 20; ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Tab enters the positions at the chosen one; the arrows go on from there.
    const QList<QWidget *> controls = {
        dlg.txtFilename, dlg.cmdSansyo, dlg.RadioButton1, dlg.chkSpace, dlg.txtVSpace,
        dlg.txtHSpace, dlg.chkAlt, dlg.txtAlt, dlg.chkBorder, dlg.txtBorder,
        dlg.chkUsemap, dlg.txtMap, dlg.OKBtn, dlg.CancelBtn,
    };
    for (QWidget *control : controls)
        EXPECT_TRUE(reached.contains(control)) << control->objectName().toStdString();
    dlg.RadioButton1->setFocus();
    for (QRadioButton *next : {dlg.RadioButton2, dlg.RadioButton3, dlg.RadioButton4,
                               dlg.RadioButton5, dlg.RadioButton6}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), next);
        EXPECT_TRUE(next->isChecked());
    }
    dlg.reject();
}

// --- the command ------------------------------------------------------------

class ImageCommandTest : public DialogFixture
{
};

TEST_F(ImageCommandTest, ThePictureGoesInFrontOfTheSelectionWhichStays)
{
    // Either way the selection was made, the tag goes to its left end.
    for (bool rightToLeft : {false, true}) {
        setText(u"x abc y"_s);
        if (rightToLeft)
            select(5, 2);
        else
            selectText(u"abc"_s);
        whenShown<TfrmImage>([](TfrmImage &dlg) {
            EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
            QTest::keyClicks(dlg.txtFilename, u"a.gif"_s);
            dlg.OKBtn->click();
        });
        ImageImageClick(*doc, nullptr);
        const QString tag = u"<IMG SRC=\"a.gif\">"_s;
        EXPECT_EQ(text(), u"x "_s + tag + u"abc y"_s);
        EXPECT_EQ(selected(), QString());
        EXPECT_EQ(caret(), 2 + int(tag.size()));
        EXPECT_EQ(doc->StartTag, tag);
        EXPECT_EQ(doc->EndTag, QString());
        EXPECT_EQ(doc->CapturedText, QString());
        EXPECT_TRUE(doc->isModified());
        doc->UndoItemClick();
        EXPECT_EQ(text(), u"x abc y"_s);
    }
}

TEST_F(ImageCommandTest, TheDialogsChoicesReachTheTag)
{
    const struct {
        const char *what;
        std::function<void(TfrmImage &)> fill;
        QString tag;
    } rows[] = {
        {"text right with empty spaces",
         [](TfrmImage &dlg) {
             dlg.RadioButton2->click();
             dlg.chkSpace->click();
         },
         u"<IMG SRC=\"a.gif\" ALIGN=LEFT VSPACE=0 HSPACE=0>"_s},
        {"text on top with spaces",
         [](TfrmImage &dlg) {
             dlg.RadioButton4->click();
             dlg.chkSpace->click();
             QTest::keyClicks(dlg.txtVSpace, u"3"_s);
             QTest::keyClicks(dlg.txtHSpace, u"4"_s);
         },
         u"<IMG SRC=\"a.gif\" ALIGN=TOP>"_s},
        {"border x",
         [](TfrmImage &dlg) {
             dlg.chkBorder->click();
             QTest::keyClicks(dlg.txtBorder, u"x"_s);
         },
         u"<IMG SRC=\"a.gif\" BORDER=0>"_s},
        {"everything",
         [](TfrmImage &dlg) {
             dlg.RadioButton3->click();
             dlg.chkSpace->click();
             QTest::keyClicks(dlg.txtVSpace, u"5"_s);
             QTest::keyClicks(dlg.txtHSpace, u"10"_s);
             dlg.chkAlt->click();
             dlg.txtAlt->setText(u"会社 & \"ロゴ\""_s);
             dlg.chkBorder->click();
             QTest::keyClicks(dlg.txtBorder, u"2"_s);
             dlg.chkUsemap->click();
             QTest::keyClicks(dlg.txtMap, u"nav"_s);
         },
         u"<IMG SRC=\"a.gif\" ALIGN=RIGHT VSPACE=5 HSPACE=10 ALT=\"会社 & \"ロゴ\"\" BORDER=2 USEMAP=\"#nav\">"_s},
    };
    for (const auto &row : rows) {
        setText(u"abc"_s);
        select(3, 3);
        whenShown<TfrmImage>([&row](TfrmImage &dlg) {
            if (dlg.chkUsemap->isChecked())
                dlg.chkUsemap->click();
            dlg.txtFilename->setText(u"a.gif"_s);
            row.fill(dlg);
            dlg.OKBtn->click();
        });
        ImageImageClick(*doc, nullptr);
        EXPECT_EQ(text(), u"abc"_s + row.tag) << row.what;
    }
}

TEST_F(ImageCommandTest, TheMapBoxStaysTickedForTheNextPicture)
{
    setText(u""_s);
    whenShown<TfrmImage>([](TfrmImage &dlg) {
        EXPECT_FALSE(dlg.chkUsemap->isChecked());
        dlg.txtFilename->setText(u"a.gif"_s);
        dlg.chkUsemap->click();
        dlg.txtMap->setText(u"nav"_s);
        dlg.chkAlt->click();
        dlg.OKBtn->click();
    });
    ImageImageClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<IMG SRC=\"a.gif\" ALT=\"\" USEMAP=\"#nav\">"_s);

    whenShown<TfrmImage>([](TfrmImage &dlg) {
        EXPECT_TRUE(dlg.chkUsemap->isChecked());
        EXPECT_TRUE(dlg.txtMap->isEnabled());
        EXPECT_EQ(dlg.txtMap->text(), QString());
        EXPECT_FALSE(dlg.chkAlt->isChecked());
        dlg.txtFilename->setText(u"b.gif"_s);
        dlg.OKBtn->click();
    });
    ImageImageClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<IMG SRC=\"a.gif\" ALT=\"\" USEMAP=\"#nav\"><IMG SRC=\"b.gif\" USEMAP=\"#\">"_s);
}

TEST_F(ImageCommandTest, LeavingWithoutOkChangesNothing)
{
    const std::function<void(TfrmImage &)> closes[] = {
        [](TfrmImage &dlg) { dlg.CancelBtn->click(); },
        [](TfrmImage &dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); },
        [](TfrmImage &dlg) { dlg.close(); },
    };
    for (const auto &close : closes) {
        setText(u"abc"_s);
        selectText(u"b"_s);
        doc->StartTag = u"<X>"_s;
        whenShown<TfrmImage>([close](TfrmImage &dlg) {
            dlg.txtFilename->setText(u"a.gif"_s);
            dlg.chkBorder->click();
            dlg.txtBorder->setText(u"x"_s);
            close(dlg);
        });
        ImageImageClick(*doc, nullptr);
        EXPECT_EQ(text(), u"abc"_s);
        EXPECT_EQ(selected(), u"b"_s);
        EXPECT_EQ(doc->StartTag, u"<X>"_s);
        EXPECT_FALSE(doc->isModified());
        EXPECT_EQ(attributeDialog<TfrmImage>().txtBorder->text(), u"x"_s);
    }
}

} // namespace
