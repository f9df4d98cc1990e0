#include "main_form_fixture.h"

#include "dialogs/links/url_dialog.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

using namespace Qt::StringLiterals;

namespace {

class Shortcuts : public MainFormFixture
{
protected:
    TMDIChild *doc = nullptr;

    void SetUp() override
    {
        MainFormFixture::SetUp();
        form->FileNewItemClick();
        doc = current();
        ASSERT_NE(doc, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        doc->txtDoc->setFocus();
        doc->txtDoc->setPlainText(u"xabcy abc"_s);
        selectRange(1, 4);
    }

    void selectRange(int anchor, int position)
    {
        QTextCursor cursor = doc->txtDoc->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        doc->txtDoc->setTextCursor(cursor);
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(doc->txtDoc, key, modifiers);
    }

    QString text() const { return docText(doc); }
};

TEST_F(Shortcuts, CtrlZRunsTheDocumentsUndo)
{
    trigger(u"FontBold"_s);
    ASSERT_EQ(text(), u"x<B>abc</B>y abc"_s);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), u"xabcy abc"_s);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), u"x<B>abc</B>y abc"_s);
}

TEST_F(Shortcuts, CtrlEnterAppendsALineBreakTagAfterTheSelection)
{
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(text(), u"xabc<BR>y abc"_s);
    EXPECT_FALSE(doc->txtDoc->textCursor().hasSelection());
    press(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(text(), u"xabc<BR><BR>y abc"_s);
}

TEST_F(Shortcuts, AltEnterAsksForTheParagraph)
{
    fake.answers = {Answer::No};
    press(Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(text(), u"x<P>abc</P>\r\ny abc"_s);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].text, u"段落を中央に揃えますか？"_s);
}

TEST_F(Shortcuts, CtrlLLinksTheSelectionToAnotherDocument)
{
    whenShown<TfrmUrl>([](TfrmUrl &dlg) {
        dlg.txtFilename->setText(u"next.htm"_s);
        dlg.OKBtn->click();
    });
    press(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(text(), u"x<A HREF=\"next.htm\">abc</A>y abc"_s);
}

TEST_F(Shortcuts, CtrlDelDeletesTheSelectionNotTheNextWord)
{
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(text(), u"xy abc"_s);
    selectRange(2, 2);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(text(), u"xy abc"_s);
}

TEST_F(Shortcuts, F3SearchesAndCtrlSSaves)
{
    press(Qt::Key_F3);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].text, u"検索文字列 \"\" は見つかりませんでした"_s);

    const QString file = path("keys.html");
    fake.saveNames = {file};
    QTest::keyClicks(doc->txtDoc, u"edit"_s);
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(doc->windowTitle(), file);
}

TEST_F(Shortcuts, EnterKeysAndTabTypeAsInAnyEditor)
{
    selectRange(1, 1);
    press(Qt::Key_Return, Qt::ShiftModifier);
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    EXPECT_EQ(text(), u"x\r\n\t\r\nabcy abc"_s);
    EXPECT_FALSE(doc->txtDoc->rawText().contains(QChar::LineSeparator));
}

TEST_F(Shortcuts, TypingIsTheEditorsOwnUndo)
{
    selectRange(9, 9);
    QTest::keyClicks(doc->txtDoc, u"zz"_s);
    EXPECT_EQ(text(), u"xabcy abczz"_s);
    EXPECT_TRUE(doc->isModified());
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), u"xabcy abc"_s);
}

TEST_F(Shortcuts, OverwriteModeTypesOverCharacters)
{
    selectRange(0, 0);
    press(Qt::Key_Insert);
    QTest::keyClicks(doc->txtDoc, u"QQ"_s);
    EXPECT_EQ(text(), u"QQbcy abc"_s);
    EXPECT_EQ(form->StatusPanel1->text(), u"上書き"_s);
    // Shift+Insert pastes; it does not switch the mode.
    press(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(form->StatusPanel1->text(), u"上書き"_s);
}

} // namespace
