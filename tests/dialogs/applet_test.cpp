#include "dialogs/media/applet_dialog.h"
#include "dialogs/media/applet_tag.h"
#include "dialogs/media/param_dialog.h"
#include "dialogs/media_fixture.h"
#include "support/dialog_accessibility.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString appletEnd = u"</APPLET>\r\n"_s;

TEST(AppletTag, QuotesEveryValue)
{
    const struct {
        AppletOptions options;
        QString start;
    } rows[] = {
        {{.className = u"a.class"_s, .width = u"100"_s, .height = u"50"_s},
         u"<APPLET CODE=\"a.class\" WIDTH=\"100\" HEIGHT=\"50\">\r\n"_s},
        // Width and height are always written.
        {{}, u"<APPLET CODE=\"\" WIDTH=\"\" HEIGHT=\"\">\r\n"_s},
        {{.className = u"a.class"_s, .url = true, .urlValue = u"classes/"_s},
         u"<APPLET CODE=\"a.class\" CODEBASE=\"classes/\" WIDTH=\"\" HEIGHT=\"\">\r\n"_s},
        {{.className = u"a.class"_s, .space = true, .vspace = u"4"_s, .hspace = u"8"_s},
         u"<APPLET CODE=\"a.class\" WIDTH=\"\" HEIGHT=\"\" VSPACE=\"4\" HSPACE=\"8\">\r\n"_s},
        {{.space = true}, u"<APPLET CODE=\"\" WIDTH=\"\" HEIGHT=\"\" VSPACE=\"\" HSPACE=\"\">\r\n"_s},
        {{.className = u"Clock.class"_s, .width = u"100%"_s, .height = u"abc"_s, .url = true,
          .urlValue = u"http://example.jp/java/"_s, .space = true, .vspace = u" 1"_s,
          .hspace = u"-2"_s},
         u"<APPLET CODE=\"Clock.class\" CODEBASE=\"http://example.jp/java/\" WIDTH=\"100%\""
         " HEIGHT=\"abc\" VSPACE=\" 1\" HSPACE=\"-2\">\r\n"_s},
        // As typed: never escaped, never trimmed.
        {{.className = u" 時計 \"a\"&b "_s, .width = u"1"_s, .height = u"2"_s},
         u"<APPLET CODE=\" 時計 \"a\"&b \" WIDTH=\"1\" HEIGHT=\"2\">\r\n"_s},
        // What is not ticked is not written.
        {{.className = u"a.class"_s, .width = u"1"_s, .height = u"2"_s, .urlValue = u"u/"_s,
          .vspace = u"3"_s, .hspace = u"4"_s},
         u"<APPLET CODE=\"a.class\" WIDTH=\"1\" HEIGHT=\"2\">\r\n"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = appletTag(row.options);
        EXPECT_EQ(tags.start, row.start);
        EXPECT_EQ(tags.end, appletEnd);
    }
}

class AppletDialogTest : public DialogFixture
{
protected:
    TfrmApplet &dlg = attributeDialog<TfrmApplet>();

    QList<QLineEdit *> fields() const
    {
        return {dlg.txtName, dlg.txtUrl, dlg.txtWidth, dlg.txtHeight, dlg.txtVSpace, dlg.txtHSpace};
    }
    QLabel *label(const QString &caption) const
    {
        for (QLabel *l : dlg.findChildren<QLabel *>())
            if (l->text() == caption)
                return l;
        return nullptr;
    }
};

TEST_F(AppletDialogTest, FieldsAreLabelledAndNamed)
{
    EXPECT_EQ(dlg.windowTitle(), u"Ｊａｖａアプレット"_s);
    const struct {
        const char16_t *caption;
        QLineEdit *field;
    } labels[] = {
        {u"ｸﾗｽﾌｧｲﾙ名", dlg.txtName}, {u"幅", dlg.txtWidth},   {u"高さ", dlg.txtHeight},
        {u"上下", dlg.txtVSpace},      {u"左右", dlg.txtHSpace},
    };
    for (const auto &row : labels) {
        QLabel *l = label(QString::fromUtf16(row.caption));
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->buddy(), row.field);
        EXPECT_EQ(row.field->accessibleDescription(), QString::fromUtf16(row.caption));
    }
    EXPECT_EQ(dlg.txtUrl->accessibleDescription(), u"ｸﾗｽﾌｧｲﾙの場所"_s);
    EXPECT_TRUE(dlg.OKBtn->isDefault());
    dlg.reset();
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmApplet"), 10);
}

TEST_F(AppletDialogTest, EveryShowStartsAfresh)
{
    dlg.reset();
    for (QLineEdit *field : fields())
        field->setText(u"9"_s);
    dlg.chkUrl->setChecked(true);
    dlg.chkSpace->setChecked(true);

    dlg.reset();
    for (QLineEdit *field : fields())
        EXPECT_EQ(field->text(), QString()) << field->objectName().toStdString();
    EXPECT_FALSE(dlg.chkUrl->isChecked());
    EXPECT_FALSE(dlg.chkSpace->isChecked());
    for (QLineEdit *field : {dlg.txtUrl, dlg.txtVSpace, dlg.txtHSpace})
        EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
    for (QLineEdit *field : {dlg.txtName, dlg.txtWidth, dlg.txtHeight})
        EXPECT_TRUE(field->isEnabled()) << field->objectName().toStdString();
    EXPECT_EQ(dlg.focusWidget(), dlg.txtName);
}

TEST_F(AppletDialogTest, EachBoxGatesItsFieldsButNotTheirLabels)
{
    const struct {
        QCheckBox *box;
        QList<QWidget *> controls;
    } rows[] = {
        {dlg.chkUrl, {dlg.txtUrl}},
        {dlg.chkSpace, {dlg.txtVSpace, dlg.txtHSpace}},
    };
    dlg.reset();
    for (const auto &row : rows) {
        for (bool checked : {true, false, true}) {
            if (row.box->isChecked() != checked)
                row.box->click();
            for (QWidget *w : row.controls)
                EXPECT_EQ(w->isEnabled(), checked) << w->objectName().toStdString();
            EXPECT_TRUE(label(u"上下"_s)->isEnabled());
            EXPECT_TRUE(label(u"左右"_s)->isEnabled());
        }
    }
}

TEST_F(AppletDialogTest, OkKeepsEveryTextAsTyped)
{
    dlg.reset();
    dlg.txtWidth->setText(u"abc"_s);
    dlg.txtHeight->setText(QString());
    dlg.chkSpace->setChecked(true);
    dlg.txtVSpace->setText(u"1.5"_s);
    dlg.txtHSpace->setText(u" 8 "_s);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(appletTag(dlg.options()).start,
              u"<APPLET CODE=\"\" WIDTH=\"abc\" HEIGHT=\"\" VSPACE=\"1.5\" HSPACE=\" 8 \">\r\n"_s);
}

// --- the command ------------------------------------------------------------

class AppletCommandTest : public MediaCommandTest
{
protected:
    static void fill(TfrmApplet &dlg)
    {
        QTest::keyClicks(dlg.txtName, u"a.class"_s);
        QTest::keyClicks(dlg.txtWidth, u"100"_s);
        QTest::keyClicks(dlg.txtHeight, u"50"_s);
    }
};

TEST_F(AppletCommandTest, TheElementWrapsTheSelection)
{
    setText(u"x xyz y"_s);
    selectText(u"xyz"_s);
    whenShown<TfrmApplet>([](TfrmApplet &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.txtName);
        fill(dlg);
        dlg.OKBtn->click();
    });
    JavaAppletClick(*doc, nullptr);
    const QString element =
        u"<APPLET CODE=\"a.class\" WIDTH=\"100\" HEIGHT=\"50\">\r\nxyz</APPLET>\r\n"_s;
    EXPECT_EQ(text(), u"x "_s + element + u" y"_s);
    EXPECT_EQ(selected(), QString());
    EXPECT_EQ(caret(), 2 + int(element.size()) - 2); // each CR LF is one break in the editor
    EXPECT_EQ(doc->CapturedText, u"xyz"_s);
    EXPECT_TRUE(doc->isModified());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"x xyz y"_s);
}

TEST_F(AppletCommandTest, WithoutASelectionTheElementIsEmpty)
{
    setText(u"ab"_s);
    select(1, 1);
    whenShown<TfrmApplet>([](TfrmApplet &dlg) {
        fill(dlg);
        dlg.chkUrl->click();
        QTest::keyClicks(dlg.txtUrl, u"classes/"_s);
        dlg.chkSpace->click();
        QTest::keyClicks(dlg.txtVSpace, u"4"_s);
        QTest::keyClicks(dlg.txtHSpace, u"8"_s);
        dlg.OKBtn->click();
    });
    JavaAppletClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<APPLET CODE=\"a.class\" CODEBASE=\"classes/\" WIDTH=\"100\" HEIGHT=\"50\""
                      " VSPACE=\"4\" HSPACE=\"8\">\r\n</APPLET>\r\nb"_s);
}

TEST_F(AppletCommandTest, ParameterLinesSelectedFirstEndUpInsideTheApplet)
{
    setText(u"x abc y"_s);
    selectText(u"abc"_s);
    whenShown<TfrmParam>([](TfrmParam &dlg) {
        QTest::keyClicks(dlg.txtName, u"speed"_s);
        QTest::keyClicks(dlg.txtValue, u"5"_s);
        dlg.OKBtn->click();
    });
    JavaParmClick(*doc, nullptr);
    const QString line = u"<PARAM NAME=\"speed\" VALUE=\"5\">\r\n"_s;
    select(2, 2 + int(line.size()) - 1); // the line with its break, one character in the editor
    ASSERT_EQ(selected(), line);
    whenShown<TfrmApplet>([](TfrmApplet &dlg) {
        fill(dlg);
        dlg.OKBtn->click();
    });
    JavaAppletClick(*doc, nullptr);
    EXPECT_EQ(text(), u"x <APPLET CODE=\"a.class\" WIDTH=\"100\" HEIGHT=\"50\">\r\n"
                      "<PARAM NAME=\"speed\" VALUE=\"5\">\r\n</APPLET>\r\nabc y"_s);
}

TEST_F(AppletCommandTest, CancelChangesNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmApplet>(JavaAppletClick, [](TfrmApplet &dlg) {
        fill(dlg);
        dlg.chkUrl->click();
    });
}

} // namespace
