#include "dialogs/links/form_dialog.h"
#include "dialogs/links/form_tag.h"
#include "support/dialog_accessibility.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString formEnd = u"</FORM>\r\n"_s;

TEST(FormTag, WritesTheStartTagFromTheAnswers)
{
    const struct {
        FormOptions options;
        QString start;
    } rows[] = {
        {{}, u"<FORM>\r\n"_s},
        {{.multipart = true}, u"<FORM enctype=\"multipart/form-data\">\r\n"_s},
        // Without an action the method and the subject have nothing to go with.
        {{.get = true}, u"<FORM>\r\n"_s},
        {{.get = true, .subject = true, .subjectText = u"件名"_s, .multipart = true},
         u"<FORM enctype=\"multipart/form-data\">\r\n"_s},
        {{.action = u"/cgi-bin/form.cgi"_s}, u"<FORM ACTION=\"/cgi-bin/form.cgi\" METHOD=post>\r\n"_s},
        {{.action = u"/cgi-bin/form.cgi"_s, .get = true, .multipart = true},
         u"<FORM ACTION=\"/cgi-bin/form.cgi\" METHOD=get enctype=\"multipart/form-data\">\r\n"_s},
        {{.action = u"user@example.jp"_s, .subject = true, .subjectText = u"ご意見"_s},
         u"<FORM ACTION=\"mailto:user@example.jp?subject=ご意見\" METHOD=post>\r\n"_s},
        {{.action = u"user@example.jp"_s, .get = true, .subject = true, .subjectText = u"x"_s, .multipart = true},
         u"<FORM ACTION=\"mailto:user@example.jp?subject=x\" METHOD=get enctype=\"multipart/form-data\">\r\n"_s},
        // A subject that is not ticked is not written, whatever the box holds.
        {{.action = u"user@example.jp"_s, .subjectText = u"ご意見"_s},
         u"<FORM ACTION=\"mailto:user@example.jp\" METHOD=post>\r\n"_s},
        // A ticked subject of blanks and control characters adds nothing...
        {{.action = u"a@b"_s, .subject = true}, u"<FORM ACTION=\"mailto:a@b\" METHOD=post>\r\n"_s},
        {{.action = u"a@b"_s, .subject = true, .subjectText = u"   "_s},
         u"<FORM ACTION=\"mailto:a@b\" METHOD=post>\r\n"_s},
        {{.action = u"a@b"_s, .subject = true, .subjectText = u" \t\r\n\x7f "_s},
         u"<FORM ACTION=\"mailto:a@b\" METHOD=post>\r\n"_s},
        // ...but one with a word goes in with its blanks; a full-width space is text.
        {{.action = u"a@b"_s, .subject = true, .subjectText = u"  お問い合わせ "_s},
         u"<FORM ACTION=\"mailto:a@b?subject=  お問い合わせ \" METHOD=post>\r\n"_s},
        {{.action = u"a@b"_s, .subject = true, .subjectText = u"　"_s},
         u"<FORM ACTION=\"mailto:a@b?subject=　\" METHOD=post>\r\n"_s},
        // The subject goes after a script's path too.
        {{.action = u"/cgi-bin/mail.cgi"_s, .subject = true, .subjectText = u"注文"_s},
         u"<FORM ACTION=\"/cgi-bin/mail.cgi?subject=注文\" METHOD=post>\r\n"_s},
        // An "@" anywhere makes a mail address; a full-width one does not.
        {{.action = u"/cgi-bin/a.cgi?to=x@y"_s},
         u"<FORM ACTION=\"mailto:/cgi-bin/a.cgi?to=x@y\" METHOD=post>\r\n"_s},
        {{.action = u"user＠example.jp"_s}, u"<FORM ACTION=\"user＠example.jp\" METHOD=post>\r\n"_s},
        // The action is written as typed: blanks, quotes and ampersands included.
        {{.action = u" "_s}, u"<FORM ACTION=\" \" METHOD=post>\r\n"_s},
        {{.action = u" a\"b&c "_s, .get = true}, u"<FORM ACTION=\" a\"b&c \" METHOD=get>\r\n"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = formTag(row.options);
        EXPECT_EQ(tags.start, row.start);
        EXPECT_EQ(tags.end, formEnd) << row.start.toStdString();
    }
}

class FormDialogTest : public DialogFixture
{
protected:
    TfrmForm &dlg = attributeDialog<TfrmForm>();

    QString start() const { return formTag(dlg.options()).start; }
};

TEST_F(FormDialogTest, TwoPagesHoldTheControls)
{
    EXPECT_EQ(dlg.windowTitle(), u"フォーム領域の設定"_s);
    ASSERT_EQ(dlg.PageControl1->count(), 2);
    EXPECT_EQ(dlg.PageControl1->tabText(0), u"基本"_s);
    EXPECT_EQ(dlg.PageControl1->tabText(1), u"拡張"_s);
    for (QWidget *w : std::initializer_list<QWidget *>{dlg.txtText, dlg.optPost, dlg.optGet})
        EXPECT_TRUE(dlg.PageControl1->widget(0)->isAncestorOf(w)) << w->objectName().toStdString();
    for (QWidget *w : std::initializer_list<QWidget *>{dlg.chkType, dlg.chkTitle, dlg.txtTitle})
        EXPECT_TRUE(dlg.PageControl1->widget(1)->isAncestorOf(w)) << w->objectName().toStdString();
    EXPECT_EQ(dlg.txtText->accessibleDescription(), u"CGIｽｸﾘﾌﾟﾄの指定または、ﾒｰﾙｱﾄﾞﾚｽ"_s);
    EXPECT_EQ(dlg.optPost->text(), u"POST"_s);
    EXPECT_EQ(dlg.optGet->text(), u"GET"_s);
    EXPECT_EQ(dlg.chkType->text(), u"multipart/form-data形式"_s);
    EXPECT_EQ(dlg.chkTitle->text(), u"ﾒｰﾙのﾀｲﾄﾙを指定する"_s);
    dlg.reset();
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmForm"), 8);
}

TEST_F(FormDialogTest, EachShowStartsEmptyOnTheFirstPage)
{
    dlg.reset();
    QTest::keyClicks(dlg.txtText, u"a@b"_s);
    dlg.optGet->click();
    dlg.PageControl1->setCurrentIndex(1);
    dlg.chkType->click();
    dlg.chkTitle->click();
    dlg.txtTitle->insert(u"件名"_s);
    EXPECT_EQ(start(), u"<FORM ACTION=\"mailto:a@b?subject=件名\" METHOD=get enctype=\"multipart/form-data\">\r\n"_s);

    dlg.reset();
    EXPECT_EQ(dlg.txtText->text(), QString());
    EXPECT_TRUE(dlg.optPost->isChecked());
    EXPECT_FALSE(dlg.optGet->isChecked());
    EXPECT_FALSE(dlg.chkType->isChecked());
    EXPECT_FALSE(dlg.chkTitle->isChecked());
    EXPECT_EQ(dlg.txtTitle->text(), QString());
    EXPECT_FALSE(dlg.txtTitle->isEnabled());
    EXPECT_EQ(dlg.PageControl1->currentIndex(), 0);
    EXPECT_EQ(dlg.focusWidget(), dlg.txtText);
    EXPECT_EQ(start(), u"<FORM>\r\n"_s);
}

TEST_F(FormDialogTest, TheSubjectBoxIsUsableOnlyWhileTicked)
{
    dlg.reset();
    EXPECT_FALSE(dlg.txtTitle->isEnabled());
    for (bool ticked : {true, false, true}) {
        dlg.chkTitle->setChecked(ticked);
        EXPECT_EQ(dlg.txtTitle->isEnabled(), ticked);
    }
    // Unticking keeps the text but drops it from the tag.
    dlg.txtText->setText(u"a@b"_s);
    dlg.txtTitle->setText(u"件名"_s);
    dlg.chkTitle->click();
    EXPECT_EQ(dlg.txtTitle->text(), u"件名"_s);
    EXPECT_EQ(start(), u"<FORM ACTION=\"mailto:a@b\" METHOD=post>\r\n"_s);
}

class FormCommandTest : public DialogFixture
{
};

TEST_F(FormCommandTest, WrapsTheSelectionAndUndoTakesItBack)
{
    setText(u"x abc y"_s);
    selectText(u"abc"_s);
    whenShown<TfrmForm>([](TfrmForm &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.txtText);
        QTest::keyClicks(dlg.txtText, u"info@example.jp"_s);
        dlg.optGet->click();
        dlg.PageControl1->setCurrentIndex(1);
        dlg.chkTitle->click();
        dlg.txtTitle->insert(u"申し込み"_s);
        dlg.chkType->click();
        dlg.OKBtn->click();
    });
    FormAreaClick(*doc, nullptr);
    const QString start =
        u"<FORM ACTION=\"mailto:info@example.jp?subject=申し込み\" METHOD=get enctype=\"multipart/form-data\">\r\n"_s;
    EXPECT_EQ(text(), u"x "_s + start + u"abc"_s + formEnd + u" y"_s);
    EXPECT_EQ(selected(), QString());
    // CR LF is one break in the editor.
    EXPECT_EQ(caret(), 2 + int(start.size()) - 1 + 3 + int(formEnd.size()) - 1);
    EXPECT_TRUE(doc->isModified());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"x abc y"_s);
}

TEST_F(FormCommandTest, WithNothingSelectedBothTagsGoAtTheCaret)
{
    setText(u"ab"_s);
    select(1, 1);
    whenShown<TfrmForm>([](TfrmForm &dlg) {
        dlg.optGet->click();
        dlg.OKBtn->click();
    });
    FormAreaClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<FORM>\r\n</FORM>\r\nb"_s);
    EXPECT_EQ(caret(), 1 + 7 + 8);
}

TEST_F(FormCommandTest, NothingIsKeptFromTheLastUse)
{
    setText(QString());
    whenShown<TfrmForm>([](TfrmForm &dlg) {
        QTest::keyClicks(dlg.txtText, u"/cgi-bin/a.cgi"_s);
        dlg.optGet->click();
        dlg.PageControl1->setCurrentIndex(1);
        dlg.chkType->click();
        dlg.chkTitle->click();
        QTest::keyClicks(dlg.txtTitle, u"s"_s);
        dlg.OKBtn->click();
    });
    FormAreaClick(*doc, nullptr);
    EXPECT_EQ(text(),
              u"<FORM ACTION=\"/cgi-bin/a.cgi?subject=s\" METHOD=get enctype=\"multipart/form-data\">\r\n"_s
                  + formEnd);

    setText(QString());
    whenShown<TfrmForm>([](TfrmForm &dlg) {
        EXPECT_EQ(dlg.PageControl1->currentIndex(), 0);
        EXPECT_EQ(dlg.focusWidget(), dlg.txtText);
        EXPECT_FALSE(dlg.txtTitle->isEnabled());
        QTest::keyClicks(dlg.txtText, u"/cgi-bin/b.cgi"_s);
        QTest::keyClick(&dlg, Qt::Key_Return);  // Enter is OK
    });
    FormAreaClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<FORM ACTION=\"/cgi-bin/b.cgi\" METHOD=post>\r\n"_s + formEnd);
}

TEST_F(FormCommandTest, LeavingWithoutOkChangesNothing)
{
    const std::function<void(TfrmForm &)> closes[] = {
        [](TfrmForm &dlg) { dlg.CancelBtn->click(); },
        [](TfrmForm &dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); },
        [](TfrmForm &dlg) { dlg.close(); },
    };
    for (const auto &close : closes) {
        setText(u"x abc y"_s);
        selectText(u"abc"_s);
        doc->StartTag = u"<X>"_s;
        doc->EndTag = u"</X>"_s;
        whenShown<TfrmForm>([close](TfrmForm &dlg) {
            QTest::keyClicks(dlg.txtText, u"a@b"_s);
            close(dlg);
        });
        FormAreaClick(*doc, nullptr);
        EXPECT_EQ(text(), u"x abc y"_s);
        EXPECT_EQ(selected(), u"abc"_s);
        EXPECT_EQ(doc->StartTag, u"<X>"_s);
        EXPECT_EQ(doc->EndTag, u"</X>"_s);
        EXPECT_FALSE(doc->isModified());
    }
}

} // namespace
