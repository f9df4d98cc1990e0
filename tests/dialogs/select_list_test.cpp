#include "dialogs/links/select_list_dialog.h"
#include "dialogs/links/select_list_tag.h"
#include "support/dialog_accessibility.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

TEST(SelectListTag, ItemsAreTheTypedLines)
{
    const struct {
        QString text;
        QStringList lines;
    } rows[] = {
        {u""_s, {}},
        {u"a"_s, {u"a"_s}},
        {u"a\n"_s, {u"a"_s}},
        {u"a\nb"_s, {u"a"_s, u"b"_s}},
        // Only the very last empty line is no item.
        {u"a\n\n"_s, {u"a"_s, u""_s}},
        {u"\na"_s, {u""_s, u"a"_s}},
        {u"a\n\nb\n"_s, {u"a"_s, u""_s, u"b"_s}},
        {u"\n"_s, {u""_s}},
        {u" \n"_s, {u" "_s}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(itemLines(row.text), row.lines) << row.text.toStdString();
}

TEST(SelectListTag, ListBoxElements)
{
    const struct {
        ListBoxOptions options;
        QString element;
    } rows[] = {
        // The dialog's own example.
        {{.name = u"pref"_s, .items = {u"Tokyo,13"_s, u"Osaka"_s}, .defaultItem = true, .defaultNumber = u"2"_s},
         u"<SELECT NAME=\"pref\">\r\n<OPTION VALUE=\"13\">Tokyo\r\n<OPTION SELECTED>Osaka\r\n</SELECT>"_s},
        // No items: three empty options.
        {{.name = u"q"_s}, u"<SELECT NAME=\"q\">\r\n<OPTION>\r\n<OPTION>\r\n<OPTION>\r\n</SELECT>"_s},
        {{}, u"<SELECT NAME=\"\">\r\n<OPTION>\r\n<OPTION>\r\n<OPTION>\r\n</SELECT>"_s},
        {{.name = u"q"_s, .size = true, .rows = u"1"_s, .multiple = true},
         u"<SELECT NAME=\"q\" SIZE=1 MULTIPLE>\r\n<OPTION>\r\n<OPTION>\r\n<OPTION>\r\n</SELECT>"_s},
        // A second comma ends the value; a leading comma leaves no text.
        {{.name = u"x"_s, .items = {u"A,B,C"_s, u",x"_s, u"plain"_s, u"t,"_s}},
         u"<SELECT NAME=\"x\">\r\n<OPTION VALUE=\"B\">A\r\n<OPTION VALUE=\"x\">\r\n<OPTION>plain\r\n<OPTION>t\r\n</SELECT>"_s},
        // Numbers as typed; the default found by its value.
        {{.name = u"n"_s, .items = {u"a"_s, u"b"_s, u"c"_s}, .defaultItem = true, .defaultNumber = u" $3"_s,
          .size = true, .rows = u" 2"_s},
         u"<SELECT NAME=\"n\" SIZE= 2>\r\n<OPTION>a\r\n<OPTION>b\r\n<OPTION SELECTED>c\r\n</SELECT>"_s},
        {{.name = u"n"_s, .items = {u"a,1"_s, u"b,2"_s}, .defaultItem = true, .defaultNumber = u"+1"_s, .multiple = true},
         u"<SELECT NAME=\"n\" MULTIPLE>\r\n<OPTION VALUE=\"1\" SELECTED>a\r\n<OPTION VALUE=\"2\">b\r\n</SELECT>"_s},
        // A default outside the items, or not ticked, marks none.
        {{.name = u"n"_s, .items = {u"a"_s, u"b"_s}, .defaultItem = true, .defaultNumber = u"3"_s},
         u"<SELECT NAME=\"n\">\r\n<OPTION>a\r\n<OPTION>b\r\n</SELECT>"_s},
        {{.name = u"n"_s, .items = {u"a"_s}, .defaultItem = true, .defaultNumber = u"0"_s},
         u"<SELECT NAME=\"n\">\r\n<OPTION>a\r\n</SELECT>"_s},
        {{.name = u"n"_s, .items = {u"a"_s}, .defaultNumber = u"1"_s, .rows = u"5"_s},
         u"<SELECT NAME=\"n\">\r\n<OPTION>a\r\n</SELECT>"_s},
        // Empty items, Japanese, quotes and & as typed.
        {{.name = u"都道府県"_s, .items = {u""_s, u"東京都,\"13\"&"_s, u"<b>"_s}},
         u"<SELECT NAME=\"都道府県\">\r\n<OPTION>\r\n<OPTION VALUE=\"\"13\"&\">東京都\r\n<OPTION><b>\r\n</SELECT>"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = listBoxTag(row.options);
        EXPECT_EQ(tags.start, row.element);
        EXPECT_EQ(tags.end, QString());
    }
}

TEST(SelectListTag, DropDownElementsWriteEachLineWhole)
{
    const struct {
        DropDownOptions options;
        QString element;
    } rows[] = {
        {{u"pref"_s, {u"A,B"_s, u"Osaka"_s}}, u"<SELECT NAME=\"pref\">\r\n<OPTION>A,B\r\n<OPTION>Osaka\r\n</SELECT>"_s},
        // No items, no empty options.
        {{u"pref"_s, {}}, u"<SELECT NAME=\"pref\">\r\n</SELECT>"_s},
        {{u""_s, {u""_s, u" 京都 "_s}}, u"<SELECT NAME=\"\">\r\n<OPTION>\r\n<OPTION> 京都 \r\n</SELECT>"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = dropDownTag(row.options);
        EXPECT_EQ(tags.start, row.element);
        EXPECT_EQ(tags.end, QString());
    }
}

class ListBoxDialogTest : public DialogFixture
{
protected:
    TfrmListBox &dlg = attributeDialog<TfrmListBox>();
    QString element() const { return listBoxTag(dlg.options()).start; }
};

TEST_F(ListBoxDialogTest, EachShowStartsEmptyWithTheNameFocused)
{
    dlg.reset();
    QTest::keyClicks(dlg.txtName, u"pref"_s);
    dlg.txtItem->setPlainText(u"a\nb"_s);
    for (QCheckBox *box : {dlg.chkDefault, dlg.chkSize, dlg.chkMultiple})
        box->setChecked(true);
    dlg.txtDefault->setText(u"2"_s);
    dlg.txtRows->setText(u"4"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(element(), u"<SELECT NAME=\"pref\" SIZE=4 MULTIPLE>\r\n<OPTION>a\r\n<OPTION SELECTED>b\r\n</SELECT>"_s);

    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.reset();
    EXPECT_EQ(QApplication::focusWidget(), dlg.txtName);
    for (QCheckBox *box : {dlg.chkDefault, dlg.chkSize, dlg.chkMultiple})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    for (QLineEdit *field : {dlg.txtName, dlg.txtDefault, dlg.txtRows})
        EXPECT_EQ(field->text(), QString()) << field->objectName().toStdString();
    EXPECT_EQ(dlg.txtItem->toPlainText(), QString());
    EXPECT_FALSE(dlg.txtDefault->isEnabled());
    EXPECT_FALSE(dlg.txtRows->isEnabled());
    dlg.hide();
}

TEST_F(ListBoxDialogTest, EachBoxGatesItsNumber)
{
    dlg.reset();
    for (auto [box, field] : {std::pair{dlg.chkDefault, dlg.txtDefault}, std::pair{dlg.chkSize, dlg.txtRows}}) {
        for (bool ticked : {true, false, true}) {
            box->click();
            EXPECT_EQ(box->isChecked(), ticked);
            EXPECT_EQ(field->isEnabled(), ticked) << field->objectName().toStdString();
        }
    }
}

TEST_F(ListBoxDialogTest, OkMakesANumberThatIsNoWholeNumberOne)
{
    const struct {
        const char16_t *typed;
        const char16_t *after;
    } rows[] = {
        {u"", u"1"}, {u"abc", u"1"}, {u"2 ", u"1"}, {u"1.5", u"1"}, {u"99999999999", u"1"},
        {u" 2", u" 2"}, {u"-3", u"-3"}, {u"$A", u"$A"}, {u"0", u"0"},
    };
    for (const auto &row : rows) {
        for (bool ticked : {true, false}) {
            dlg.reset();
            dlg.chkDefault->setChecked(ticked);
            dlg.chkSize->setChecked(ticked);
            dlg.txtDefault->setText(QString::fromUtf16(row.typed));
            dlg.txtRows->setText(QString::fromUtf16(row.typed));
            dlg.OKBtn->click();
            EXPECT_EQ(dlg.result(), QDialog::Accepted);
            // Whether or not the box is ticked.
            EXPECT_EQ(dlg.txtDefault->text(), QString::fromUtf16(row.after));
            EXPECT_EQ(dlg.txtRows->text(), QString::fromUtf16(row.after));
        }
    }

    // Rows ticked and empty: SIZE=1. Default ticked with abc: the first item.
    dlg.reset();
    dlg.txtItem->setPlainText(u"a\nb"_s);
    dlg.chkSize->click();
    dlg.chkDefault->click();
    QTest::keyClicks(dlg.txtDefault, u"abc"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(element(), u"<SELECT NAME=\"\" SIZE=1>\r\n<OPTION SELECTED>a\r\n<OPTION>b\r\n</SELECT>"_s);
}

// The box wraps a long item at its width; it stays one item, however
// narrow or wide the box is.
TEST_F(ListBoxDialogTest, ALongItemThatTheBoxWrapsIsOneItem)
{
    const QString longItem = u"北海道から沖縄までの都道府県名をひとつの行に書いたとても長い項目,"_s + QString(60, u'x');
    dlg.reset();
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.txtItem->insertPlainText(longItem);
    QTest::keyClick(dlg.txtItem, Qt::Key_Return);
    dlg.txtItem->insertPlainText(u"短い"_s);
    QCoreApplication::processEvents();
    const QTextBlock first = dlg.txtItem->document()->firstBlock();
    ASSERT_GT(first.layout()->lineCount(), 1) << "the box should wrap the long item";
    dlg.OKBtn->click();
    EXPECT_EQ(element(), u"<SELECT NAME=\"\">\r\n<OPTION VALUE=\""_s + QString(60, u'x')
                             + u"\">北海道から沖縄までの都道府県名をひとつの行に書いたとても長い項目\r\n<OPTION>短い\r\n</SELECT>"_s);
}

TEST_F(ListBoxDialogTest, KeyboardUsersReachEveryControl)
{
    dlg.reset();
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmListBox"), 7);
    // Tab leaves the item box instead of typing a tab into it.
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.reset();
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    dlg.hide();
    // The number fields are skipped while disabled.
    EXPECT_EQ(order, (QStringList{u"txtName"_s, u"txtItem"_s, u"chkDefault"_s, u"chkSize"_s, u"chkMultiple"_s,
                                  u"OKBtn"_s, u"CancelBtn"_s, u"txtName"_s, u"txtItem"_s}));
    EXPECT_EQ(dlg.txtItem->toPlainText(), QString());
}

class DropDownDialogTest : public DialogFixture
{
protected:
    TfrmDropDown &dlg = attributeDialog<TfrmDropDown>();
};

TEST_F(DropDownDialogTest, EachShowStartsEmptyAndALongLineIsOneItem)
{
    dlg.reset();
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.reset();
    EXPECT_EQ(QApplication::focusWidget(), dlg.txtName);
    QTest::keyClicks(dlg.txtName, u"city"_s);
    const QString longItem = QString(40, u'都') + u",a,b"_s;
    dlg.txtItem->setPlainText(longItem + u"\n\nOsaka\n"_s);
    QCoreApplication::processEvents();
    ASSERT_GT(dlg.txtItem->document()->firstBlock().layout()->lineCount(), 1);
    dlg.OKBtn->click();
    EXPECT_EQ(dropDownTag(dlg.options()).start,
              u"<SELECT NAME=\"city\">\r\n<OPTION>"_s + longItem + u"\r\n<OPTION>\r\n<OPTION>Osaka\r\n</SELECT>"_s);

    dlg.reset();
    EXPECT_EQ(dlg.txtName->text(), QString());
    EXPECT_EQ(dlg.txtItem->toPlainText(), QString());
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmDropDown"), 4);
}

class SelectListCommandTest : public DialogFixture
{
};

TEST_F(SelectListCommandTest, TheListBoxGoesInFrontOfTheSelectionWhichStays)
{
    setText(u"x abc y"_s);
    selectText(u"abc"_s);
    doc->EndTag = u"<old>"_s;
    whenShown<TfrmListBox>([](TfrmListBox &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.txtName);
        QTest::keyClicks(dlg.txtName, u"pref"_s);
        QTest::keyClicks(dlg.txtItem, u"Tokyo,13"_s);
        QTest::keyClick(dlg.txtItem, Qt::Key_Return);
        QTest::keyClicks(dlg.txtItem, u"Osaka"_s);
        dlg.chkDefault->click();
        QTest::keyClicks(dlg.txtDefault, u"2"_s);
        dlg.OKBtn->click();
    });
    FormListboxClick(*doc, nullptr);
    const QString element = u"<SELECT NAME=\"pref\">\r\n<OPTION VALUE=\"13\">Tokyo\r\n<OPTION SELECTED>Osaka\r\n</SELECT>"_s;
    EXPECT_EQ(text(), u"x "_s + element + u"abc y"_s);
    EXPECT_EQ(selected(), QString());
    EXPECT_EQ(caret(), 2 + int(element.size()) - 3);  // each CR LF is one break in the editor
    EXPECT_EQ(doc->EndTag, QString());
    EXPECT_TRUE(doc->isModified());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"x abc y"_s);
}

TEST_F(SelectListCommandTest, AnEmptyListBoxHasThreeEmptyOptions)
{
    setText(u"ab"_s);
    select(1, 1);
    whenShown<TfrmListBox>([](TfrmListBox &dlg) { QTest::keyClick(dlg.txtName, Qt::Key_Return); });
    FormListboxClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<SELECT NAME=\"\">\r\n<OPTION>\r\n<OPTION>\r\n<OPTION>\r\n</SELECT>b"_s);
}

TEST_F(SelectListCommandTest, TheDropDownGoesInFrontOfTheSelection)
{
    setText(u"x abc y"_s);
    selectText(u"abc"_s);
    whenShown<TfrmDropDown>([](TfrmDropDown &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.txtName);
        QTest::keyClicks(dlg.txtName, u"c"_s);
        QTest::keyClicks(dlg.txtItem, u"A,B"_s);
        QTest::keyClick(dlg.txtItem, Qt::Key_Return);
        dlg.OKBtn->click();
    });
    FormDropdownlistClick(*doc, nullptr);
    EXPECT_EQ(text(), u"x <SELECT NAME=\"c\">\r\n<OPTION>A,B\r\n</SELECT>abc y"_s);
    EXPECT_EQ(selected(), QString());
}

TEST_F(SelectListCommandTest, CancelAndEscapeChangeNothing)
{
    const std::function<void(TAttributeDialog &)> closes[] = {
        [](TAttributeDialog &dlg) { dlg.CancelBtn->click(); },
        [](TAttributeDialog &dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); },
        [](TAttributeDialog &dlg) { dlg.close(); },
    };
    for (const auto &close : closes) {
        for (bool listBox : {true, false}) {
            setText(u"abc"_s);
            selectText(u"b"_s);
            doc->StartTag = u"<X>"_s;
            if (listBox) {
                whenShown<TfrmListBox>([close](TfrmListBox &dlg) {
                    QTest::keyClicks(dlg.txtName, u"n"_s);
                    close(dlg);
                });
                FormListboxClick(*doc, nullptr);
            } else {
                whenShown<TfrmDropDown>([close](TfrmDropDown &dlg) {
                    QTest::keyClicks(dlg.txtName, u"n"_s);
                    close(dlg);
                });
                FormDropdownlistClick(*doc, nullptr);
            }
            EXPECT_EQ(text(), u"abc"_s);
            EXPECT_EQ(selected(), u"b"_s);
            EXPECT_EQ(doc->StartTag, u"<X>"_s);
            EXPECT_FALSE(doc->isModified());
        }
    }
}

} // namespace
