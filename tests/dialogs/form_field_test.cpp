#include "dialogs/links/button_dialog.h"
#include "dialogs/links/form_field_commands.h"
#include "dialogs/links/form_field_tag.h"
#include "dialogs/links/hidden_dialog.h"
#include "dialogs/links/img_fld_dialog.h"
#include "dialogs/links/multi_line_dialog.h"
#include "dialogs/links/text_box_dialog.h"
#include "support/dialog_accessibility.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// ---------------------------------------------------------------- markup

TEST(FormFieldTag, TextBox)
{
    const struct {
        TextBoxOptions options;
        QString start;
    } rows[] = {
        {{.name = u"q"_s, .size = u"20"_s}, u"<INPUT TYPE=\"text\" SIZE=\"20\" Name=\"q\">"_s},
        {{.name = u"q"_s, .size = u"20"_s, .maxLength = u"8"_s},
         u"<INPUT TYPE=\"text\" SIZE=\"20\" Name=\"q\" MAXLENGTH=8>"_s},
        {{.name = u"pw"_s, .size = u"10"_s, .password = true},
         u"<INPUT TYPE=\"password\" SIZE=\"10\" Name=\"pw\">"_s},
        {{.name = u"pw"_s, .size = u"10"_s, .maxLength = u"-1"_s, .password = true},
         u"<INPUT TYPE=\"password\" SIZE=\"10\" Name=\"pw\" MAXLENGTH=-1>"_s},
        // SIZE is always there, empty or not.
        {{}, u"<INPUT TYPE=\"text\" SIZE=\"\" Name=\"\">"_s},
        {{.maxLength = u"$FF"_s}, u"<INPUT TYPE=\"text\" SIZE=\"\" Name=\"\" MAXLENGTH=$FF>"_s},
        // Numbers and names as typed, blanks and quotes included.
        {{.name = u"お名前 \"a\"&b"_s, .size = u" 20"_s, .maxLength = u" 8"_s},
         u"<INPUT TYPE=\"text\" SIZE=\" 20\" Name=\"お名前 \"a\"&b\" MAXLENGTH= 8>"_s},
    };
    for (const auto &row : rows)
        EXPECT_EQ(textBoxTag(row.options), (TagTexts{row.start, {}}));
}

TEST(FormFieldTag, TextAreaWrapsWithoutLineBreaks)
{
    const struct {
        MultiLineOptions options;
        QString start;
    } rows[] = {
        {{.name = u"msg"_s, .cols = u"40"_s, .rows = u"5"_s}, u"<TEXTAREA ROWS=5 COLS=40 NAME=\"msg\">"_s},
        {{}, u"<TEXTAREA ROWS= COLS= NAME=\"\">"_s},
        {{.name = u"感想"_s, .cols = u" 40"_s}, u"<TEXTAREA ROWS= COLS= 40 NAME=\"感想\">"_s},
    };
    for (const auto &row : rows)
        EXPECT_EQ(multiLineTag(row.options), (TagTexts{row.start, u"</TEXTAREA>"_s}));
}

TEST(FormFieldTag, RadioButtonAndCheckBox)
{
    const struct {
        ButtonKind kind;
        ButtonOptions options;
        QString start;
    } rows[] = {
        {ButtonKind::Radio, {}, u"<INPUT TYPE=\"radio\" NAME=\"\" VALUE=\"\">"_s},
        {ButtonKind::Radio, {.name = u"sex"_s, .text = u"男"_s}, u"<INPUT TYPE=\"radio\" NAME=\"sex\" VALUE=\"男\">"_s},
        {ButtonKind::Radio, {.name = u"sex"_s, .text = u"女"_s, .checked = true},
         u"<INPUT TYPE=\"radio\" NAME=\"sex\" VALUE=\"女\" CHECKED>"_s},
        {ButtonKind::Checkbox, {}, u"<INPUT TYPE=\"checkbox\" NAME=\"\" VALUE=\"\">"_s},
        {ButtonKind::Checkbox, {.name = u"news"_s, .text = u"on"_s, .checked = true},
         u"<INPUT TYPE=\"checkbox\" NAME=\"news\" VALUE=\"on\" CHECKED>"_s},
        {ButtonKind::Checkbox, {.name = u" a "_s, .text = u"\"&"_s},
         u"<INPUT TYPE=\"checkbox\" NAME=\" a \" VALUE=\"\"&\">"_s},
    };
    for (const auto &row : rows)
        EXPECT_EQ(buttonTag(row.kind, row.options), (TagTexts{row.start, {}}));
}

TEST(FormFieldTag, ImageButton)
{
    const struct {
        ImgFldOptions options;
        QString start;
    } rows[] = {
        {{}, u"<INPUT TYPE=IMAGE SRC=\"\" NAME=\"\">"_s},
        {{.fileName = u"go.gif"_s, .name = u"go"_s}, u"<INPUT TYPE=IMAGE SRC=\"go.gif\" NAME=\"go\">"_s},
        {{.fileName = u"go.gif"_s, .name = u"go"_s, .align = ImageFieldAlign::Top},
         u"<INPUT TYPE=IMAGE SRC=\"go.gif\" NAME=\"go\" ALIGN=top>"_s},
        {{.fileName = u"go.gif"_s, .name = u"go"_s, .align = ImageFieldAlign::Middle},
         u"<INPUT TYPE=IMAGE SRC=\"go.gif\" NAME=\"go\" ALIGN=middle>"_s},
        {{.fileName = u"go.gif"_s, .name = u"go"_s, .align = ImageFieldAlign::Bottom},
         u"<INPUT TYPE=IMAGE SRC=\"go.gif\" NAME=\"go\" ALIGN=bottom>"_s},
        {{.fileName = u"画像 1.JPG"_s}, u"<INPUT TYPE=IMAGE SRC=\"画像 1.JPG\" NAME=\"\">"_s},
    };
    for (const auto &row : rows)
        EXPECT_EQ(imgFldTag(row.options), (TagTexts{row.start, {}}));
}

TEST(FormFieldTag, SubmitResetAndHidden)
{
    const struct {
        TagTexts tags;
        QString start;
    } rows[] = {
        {submitTag(u"送信"_s), u"<INPUT TYPE=\"submit\" VALUE=\"送信\">"_s},
        {submitTag({}), u"<INPUT TYPE=\"submit\" VALUE=\"\">"_s},
        {submitTag(u" \"OK\" "_s), u"<INPUT TYPE=\"submit\" VALUE=\" \"OK\" \">"_s},
        {resetTag(u"やり直し"_s), u"<INPUT TYPE=\"reset\" VALUE=\"やり直し\">"_s},
        {resetTag({}), u"<INPUT TYPE=\"reset\" VALUE=\"\">"_s},
        // The one field that ends its line.
        {hiddenTag({.name = u"mode"_s, .str = u"1"_s}), u"<INPUT TYPE=\"hidden\" NAME=\"mode\" VALUE=\"1\">\r\n"_s},
        {hiddenTag({}), u"<INPUT TYPE=\"hidden\" NAME=\"\" VALUE=\"\">\r\n"_s},
        {hiddenTag({.name = u"a&b"_s, .str = u" x "_s}), u"<INPUT TYPE=\"hidden\" NAME=\"a&b\" VALUE=\" x \">\r\n"_s},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.tags, (TagTexts{row.start, {}}));
}

// ---------------------------------------------------------------- dialogs

using FieldDialogTest = DialogFixture;

// What the user reaches with Tab from the first control, in order, until
// the focus comes round again.
QStringList tabOrder(QWidget &dlg, QWidget *first)
{
    QStringList names;
    QWidget *w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&dlg) && w->isEnabled()
            && w->window() == &dlg)
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first && names.size() < 50);
    return names;
}

QString labelFor(QWidget &dlg, QWidget *control)
{
    for (QLabel *label : dlg.findChildren<QLabel *>())
        if (label->buddy() == control)
            return label->text();
    return {};
}

TEST_F(FieldDialogTest, CaptionsLabelsAndTabOrder)
{
    struct Row {
        TAttributeDialog *dlg;
        const char *className;
        QString caption;
        QList<std::pair<QLineEdit *, QString>> labelled;
        QStringList order;
    };
    auto &textBox = attributeDialog<TfrmTextBox>();
    auto &multiLine = attributeDialog<TfrmMultiLine>();
    auto &button = attributeDialog<TfrmButton>();
    auto &hidden = attributeDialog<TfrmHidden>();
    auto &imgFld = attributeDialog<TfrmImgFld>();
    const Row rows[] = {
        {&textBox, "TfrmTextBox", u"テキストボックス"_s,
         {{textBox.txtName, u"ﾌｨｰﾙﾄﾞ名"_s}, {textBox.txtSize, u"ｻｲｽﾞ"_s}, {textBox.txtMaxLength, u"最大文字数"_s}},
         {u"txtName"_s, u"txtSize"_s, u"txtMaxLength"_s, u"chkPassword"_s, u"OKBtn"_s, u"CancelBtn"_s}},
        {&multiLine, "TfrmMultiLine", u"複数行の入力フィールド"_s,
         {{multiLine.txtName, u"ﾌｨｰﾙﾄﾞ名"_s}, {multiLine.txtCols, u"文字数"_s}, {multiLine.txtRows, u"行数"_s}},
         {u"txtName"_s, u"txtCols"_s, u"txtRows"_s, u"OKBtn"_s, u"CancelBtn"_s}},
        {&button, "TfrmButton", QString(),
         {{button.txtName, u"ﾌｨｰﾙﾄﾞ名"_s}, {button.txtText, u"識別するためのﾃｷｽﾄ"_s}},
         {u"txtName"_s, u"txtText"_s, u"CheckBox1"_s, u"OKBtn"_s, u"CancelBtn"_s}},
        {&hidden, "TfrmHidden", u"隠しインプット"_s,
         {{hidden.txtName, u"ﾌｨｰﾙﾄﾞ名"_s}, {hidden.txtStr, u"送信文字列"_s}},
         {u"txtName"_s, u"txtStr"_s, u"OKBtn"_s, u"CancelBtn"_s}},
        {&imgFld, "TfrmImgFld", u"画像フィールド"_s,
         {{imgFld.txtFilename, u"ﾌｧｲﾙ名"_s}, {imgFld.txtName, u"ﾌｨｰﾙﾄﾞ名"_s}},
         // The position list joins the round once its box is ticked.
         {u"txtFilename"_s, u"cmdSansyo"_s, u"txtName"_s, u"chkAlign"_s, u"OKBtn"_s, u"CancelBtn"_s}},
    };
    for (const Row &row : rows) {
        row.dlg->reset();
        EXPECT_EQ(row.dlg->windowTitle(), row.caption) << row.className;
        for (const auto &[edit, label] : row.labelled) {
            EXPECT_EQ(labelFor(*row.dlg, edit), label) << row.className;
            EXPECT_EQ(edit->accessibleDescription(), label) << row.className;
        }
        EXPECT_EQ(tabOrder(*row.dlg, row.dlg->findChild<QWidget *>(row.order.first())), row.order)
            << row.className;
        EXPECT_GE(expectControlsAccessible(*row.dlg, row.className), int(row.order.size()));
    }
    EXPECT_EQ(textBox.chkPassword->text(), u"入力ﾃｷｽﾄの非表示(ﾊﾟｽﾜｰﾄﾞ)"_s);
    EXPECT_EQ(button.CheckBox1->text(), u"選択状態"_s);
    EXPECT_EQ(imgFld.chkAlign->text(), u"ﾃｷｽﾄの位置"_s);
    EXPECT_EQ(imgFld.cmdSansyo->accessibleName(), u"cmdSansyo"_s);

    imgFld.chkAlign->setChecked(true);
    EXPECT_EQ(tabOrder(imgFld, imgFld.txtFilename),
              (QStringList{u"txtFilename"_s, u"cmdSansyo"_s, u"txtName"_s, u"chkAlign"_s, u"cboAlign"_s,
                           u"OKBtn"_s, u"CancelBtn"_s}));
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(imgFld.cboAlign);
    EXPECT_EQ(list->role(), QAccessible::ComboBox);
    imgFld.cboAlign->setCurrentIndex(2);
    EXPECT_EQ(list->text(QAccessible::Value), u"下揃え"_s);
}

TEST_F(FieldDialogTest, EachShowStartsEmptyWithTheFocusOnItsFirstField)
{
    auto &textBox = attributeDialog<TfrmTextBox>();
    auto &multiLine = attributeDialog<TfrmMultiLine>();
    auto &button = attributeDialog<TfrmButton>();
    auto &hidden = attributeDialog<TfrmHidden>();
    auto &imgFld = attributeDialog<TfrmImgFld>();
    const struct {
        TAttributeDialog *dlg;
        QList<QLineEdit *> edits;
        QList<QCheckBox *> boxes;
        QWidget *focus;
    } rows[] = {
        {&textBox, {textBox.txtName, textBox.txtSize, textBox.txtMaxLength}, {textBox.chkPassword}, textBox.txtName},
        // The text area's dialog starts on its width.
        {&multiLine, {multiLine.txtName, multiLine.txtCols, multiLine.txtRows}, {}, multiLine.txtCols},
        {&button, {button.txtName, button.txtText}, {button.CheckBox1}, button.txtName},
        {&hidden, {hidden.txtName, hidden.txtStr}, {}, hidden.txtName},
        {&imgFld, {imgFld.txtFilename, imgFld.txtName}, {imgFld.chkAlign}, imgFld.txtFilename},
    };
    for (const auto &row : rows) {
        const std::string name = row.dlg->objectName().toStdString();
        row.dlg->reset();
        for (QLineEdit *edit : row.edits)
            edit->setText(u"12"_s);
        for (QCheckBox *box : row.boxes)
            box->setChecked(true);
        imgFld.cboAlign->setCurrentIndex(2);
        row.dlg->OKBtn->click();
        EXPECT_EQ(row.dlg->result(), QDialog::Accepted) << name;

        row.dlg->reset();
        for (QLineEdit *edit : row.edits)
            EXPECT_EQ(edit->text(), QString()) << name << " " << edit->objectName().toStdString();
        for (QCheckBox *box : row.boxes)
            EXPECT_FALSE(box->isChecked()) << name << " " << box->objectName().toStdString();
        EXPECT_EQ(row.dlg->focusWidget(), row.focus) << name;
    }
    EXPECT_EQ(imgFld.cboAlign->currentIndex(), 0);
    EXPECT_FALSE(imgFld.cboAlign->isEnabled());
}

TEST_F(FieldDialogTest, OkEmptiesSizesThatAreNotWholeNumbers)
{
    auto &textBox = attributeDialog<TfrmTextBox>();
    auto &multiLine = attributeDialog<TfrmMultiLine>();
    const struct {
        const char16_t *typed;
        const char16_t *after;
    } rows[] = {
        {u"20", u"20"}, {u" 8", u" 8"}, {u"-3", u"-3"}, {u"$1F", u"$1F"}, {u"", u""},
        {u"abc", u""},  {u"8 ", u""},   {u"1.5", u""},  {u"2147483648", u""},
    };
    for (const auto &row : rows) {
        const QString typed = QString::fromUtf16(row.typed);
        const QString after = QString::fromUtf16(row.after);
        for (auto [dlg, field] : {std::pair<TAttributeDialog *, QLineEdit *>{&textBox, textBox.txtSize},
                                  {&textBox, textBox.txtMaxLength},
                                  {&multiLine, multiLine.txtCols},
                                  {&multiLine, multiLine.txtRows}}) {
            dlg->reset();
            field->setText(typed);
            dlg->OKBtn->click();
            EXPECT_EQ(dlg->result(), QDialog::Accepted);
            EXPECT_EQ(field->text(), after) << field->objectName().toStdString() << " " << typed.toStdString();
        }
    }

    // Names are not numbers and stay as typed; one bad number leaves the other.
    textBox.reset();
    textBox.txtName->setText(u"abc"_s);
    textBox.txtSize->setText(u"abc"_s);
    textBox.txtMaxLength->setText(u"8"_s);
    textBox.OKBtn->click();
    EXPECT_EQ(textBoxTag(textBox.options()).start, u"<INPUT TYPE=\"text\" SIZE=\"\" Name=\"abc\" MAXLENGTH=8>"_s);
    multiLine.reset();
    multiLine.txtName->setText(u"x"_s);
    multiLine.txtCols->setText(u"40"_s);
    multiLine.txtRows->setText(u"five"_s);
    multiLine.OKBtn->click();
    EXPECT_EQ(multiLineTag(multiLine.options()).start, u"<TEXTAREA ROWS= COLS=40 NAME=\"x\">"_s);
}

TEST_F(FieldDialogTest, ThePositionListFollowsItsBoxAndCountsOnlyWhileTicked)
{
    auto &dlg = attributeDialog<TfrmImgFld>();
    dlg.reset();
    EXPECT_FALSE(dlg.cboAlign->isEnabled());
    for (bool ticked : {true, false, true}) {
        dlg.chkAlign->setChecked(ticked);
        EXPECT_EQ(dlg.cboAlign->isEnabled(), ticked);
    }
    EXPECT_EQ(dlg.cboAlign->count(), 3);
    const struct {
        bool ticked;
        int item;
        const char16_t *shown;
        ImageFieldAlign align;
    } rows[] = {
        {true, 0, u"上揃え", ImageFieldAlign::Top},
        {true, 1, u"中央揃え", ImageFieldAlign::Middle},
        {true, 2, u"下揃え", ImageFieldAlign::Bottom},
        {true, -1, u"", ImageFieldAlign::None},
        {false, 2, u"下揃え", ImageFieldAlign::None},
        {false, 1, u"中央揃え", ImageFieldAlign::None},
    };
    for (const auto &row : rows) {
        dlg.reset();
        dlg.chkAlign->setChecked(row.ticked);
        dlg.cboAlign->setCurrentIndex(row.item);
        EXPECT_EQ(dlg.cboAlign->currentText(), QString::fromUtf16(row.shown));
        dlg.OKBtn->click();
        EXPECT_EQ(dlg.options().align, row.align) << row.item;
    }
}

TEST_F(FieldDialogTest, BrowsePutsTheBareNameInLowerCase)
{
    auto &dlg = attributeDialog<TfrmImgFld>();
    dlg.reset();
    dlg.txtFilename->setText(u"old.gif"_s);
    fake.openNames = {u"/home/user/サイト/Images/Send Button.GIF"_s, std::nullopt};
    dlg.cmdSansyo->click();
    ASSERT_EQ(fake.openRequests.size(), 1);
    EXPECT_EQ(fake.openRequests[0].filter,
              u"GIFﾌｧｲﾙ(*.GIF)|*.GIF|JPEGﾌｧｲﾙ(*.JPG)|*.JPG;*.JPEG|PNGﾌｧｲﾙ(*.PNG)|*.PNG|WebPﾌｧｲﾙ(*.WEBP)|*.WEBP|SVGﾌｧｲﾙ(*.SVG)|*.SVG|全てのﾌｧｲﾙ(*.*)|*.*"_s);
    EXPECT_EQ(dlg.txtFilename->text(), u"send button.gif"_s);

    // Cancelling the file dialog keeps what was there.
    dlg.cmdSansyo->click();
    EXPECT_EQ(fake.openRequests.size(), 2);
    EXPECT_EQ(dlg.txtFilename->text(), u"send button.gif"_s);
}

// ---------------------------------------------------------------- commands

class FieldCommandTest : public DialogFixture
{
protected:
    // "x abc y" with abc selected.
    void startWithSelection()
    {
        setText(u"x abc y"_s);
        selectText(u"abc"_s);
    }

    // The field went in front of the selection, which stayed in the text;
    // the caret follows the field; Undo takes it out again.
    void expectInFrontOfTheSelection(const QString &field)
    {
        EXPECT_EQ(text(), u"x "_s + field + u"abc y"_s);
        EXPECT_EQ(selected(), QString());
        EXPECT_EQ(caret(), 2 + int(field.size()) - int(field.count(u"\r\n"_s)));
        EXPECT_TRUE(doc->isModified());
        doc->UndoItemClick();
        EXPECT_EQ(text(), u"x abc y"_s);
    }

    // However the dialog is left without OK, the document, its selection
    // and the tag pair stay as they were.
    template <typename Dialog>
    void expectLeavingChangesNothing(void (*command)(TMDIChild &, QObject *))
    {
        const std::function<void(Dialog &)> closes[] = {
            [](Dialog &dlg) { dlg.CancelBtn->click(); },
            [](Dialog &dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); },
            [](Dialog &dlg) { dlg.close(); },
        };
        for (const auto &close : closes) {
            startWithSelection();
            doc->StartTag = u"<X>"_s;
            doc->EndTag = u"</X>"_s;
            whenShown<Dialog>([close](Dialog &dlg) {
                QTest::keyClicks(dlg.txtName, u"n"_s);
                close(dlg);
            });
            command(*doc, nullptr);
            const std::string name = typeid(Dialog).name();
            EXPECT_EQ(text(), u"x abc y"_s) << name;
            EXPECT_EQ(selected(), u"abc"_s) << name;
            EXPECT_EQ(doc->StartTag, u"<X>"_s) << name;
            EXPECT_EQ(doc->EndTag, u"</X>"_s) << name;
            EXPECT_FALSE(doc->isModified()) << name;
        }
    }
};

TEST_F(FieldCommandTest, TextBox)
{
    const struct {
        const char16_t *name;
        const char16_t *size;
        const char16_t *maxLength;
        bool password;
        const char16_t *field;
    } rows[] = {
        {u"q", u"20", u"8", false, u"<INPUT TYPE=\"text\" SIZE=\"20\" Name=\"q\" MAXLENGTH=8>"},
        // A size that is no number is emptied at OK, and so is a bad maximum.
        {u"q", u"abc", u"", false, u"<INPUT TYPE=\"text\" SIZE=\"\" Name=\"q\">"},
        {u"pw", u"8", u"x", true, u"<INPUT TYPE=\"password\" SIZE=\"8\" Name=\"pw\">"},
    };
    for (const auto &row : rows) {
        startWithSelection();
        whenShown<TfrmTextBox>([&row](TfrmTextBox &dlg) {
            EXPECT_EQ(dlg.focusWidget(), dlg.txtName);
            dlg.txtName->insert(QString::fromUtf16(row.name));
            dlg.txtSize->insert(QString::fromUtf16(row.size));
            dlg.txtMaxLength->insert(QString::fromUtf16(row.maxLength));
            if (row.password)
                dlg.chkPassword->click();
            dlg.OKBtn->click();
        });
        FormTextboxClick(*doc, nullptr);
        expectInFrontOfTheSelection(QString::fromUtf16(row.field));
    }
}

TEST_F(FieldCommandTest, TextAreaTakesTheSelectionAsItsContent)
{
    setText(u"x one\r\ntwo y"_s);
    select(2, 9);
    whenShown<TfrmMultiLine>([](TfrmMultiLine &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.txtCols);
        QTest::keyClicks(dlg.txtCols, u"40"_s);
        QTest::keyClicks(dlg.txtRows, u"5"_s);
        QTest::keyClicks(dlg.txtName, u"msg"_s);
        dlg.OKBtn->click();
    });
    FormMultilineClick(*doc, nullptr);
    const QString wrapped = u"<TEXTAREA ROWS=5 COLS=40 NAME=\"msg\">one\r\ntwo</TEXTAREA>"_s;
    EXPECT_EQ(text(), u"x "_s + wrapped + u" y"_s);
    EXPECT_EQ(selected(), QString());
    EXPECT_EQ(caret(), 2 + int(wrapped.size()) - 1);
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"x one\r\ntwo y"_s);

    // Without a selection the two tags meet; a bad number is left empty.
    setText(u"ab"_s);
    select(1, 1);
    whenShown<TfrmMultiLine>([](TfrmMultiLine &dlg) {
        EXPECT_EQ(dlg.txtCols->text(), QString());
        QTest::keyClicks(dlg.txtCols, u"wide"_s);
        QTest::keyClicks(dlg.txtRows, u"3"_s);
        dlg.OKBtn->click();
    });
    FormMultilineClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<TEXTAREA ROWS=3 COLS= NAME=\"\"></TEXTAREA>b"_s);
}

TEST_F(FieldCommandTest, RadioButtonAndCheckBoxShareTheirDialog)
{
    using Command = void (*)(TMDIChild &, QObject *);
    const struct {
        Command command;
        const char16_t *caption;
        const char16_t *name;
        const char16_t *value;
        bool checked;
        const char16_t *field;
    } rows[] = {
        {FormRadiobuttonClick, u"ラジオボタン", u"", u"", false, u"<INPUT TYPE=\"radio\" NAME=\"\" VALUE=\"\">"},
        {FormCheckboxClick, u"チェックボックス", u"news", u"on", true,
         u"<INPUT TYPE=\"checkbox\" NAME=\"news\" VALUE=\"on\" CHECKED>"},
        {FormRadiobuttonClick, u"ラジオボタン", u"sex", u"男", true,
         u"<INPUT TYPE=\"radio\" NAME=\"sex\" VALUE=\"男\" CHECKED>"},
    };
    for (const auto &row : rows) {
        startWithSelection();
        whenShown<TfrmButton>([&row](TfrmButton &dlg) {
            EXPECT_EQ(dlg.windowTitle(), QString::fromUtf16(row.caption));
            // Nothing is left from the last use.
            EXPECT_EQ(dlg.txtName->text(), QString());
            EXPECT_EQ(dlg.txtText->text(), QString());
            EXPECT_FALSE(dlg.CheckBox1->isChecked());
            EXPECT_EQ(dlg.focusWidget(), dlg.txtName);
            dlg.txtName->insert(QString::fromUtf16(row.name));
            dlg.txtText->insert(QString::fromUtf16(row.value));
            if (row.checked)
                dlg.CheckBox1->click();
            dlg.OKBtn->click();
        });
        row.command(*doc, nullptr);
        expectInFrontOfTheSelection(QString::fromUtf16(row.field));
    }
}

TEST_F(FieldCommandTest, ImageButton)
{
    startWithSelection();
    fake.openNames = {u"/srv/www/IMG/Submit.GIF"_s};
    whenShown<TfrmImgFld>([](TfrmImgFld &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
        dlg.cmdSansyo->click();
        QTest::keyClicks(dlg.txtName, u"go"_s);
        dlg.chkAlign->click();
        dlg.cboAlign->setCurrentIndex(1);
        dlg.OKBtn->click();
    });
    FormImageClick(*doc, nullptr);
    expectInFrontOfTheSelection(u"<INPUT TYPE=IMAGE SRC=\"submit.gif\" NAME=\"go\" ALIGN=middle>"_s);

    // The list showing an item does not write it while its box is unticked.
    startWithSelection();
    whenShown<TfrmImgFld>([](TfrmImgFld &dlg) {
        EXPECT_FALSE(dlg.chkAlign->isChecked());
        EXPECT_EQ(dlg.cboAlign->currentIndex(), 0);
        QTest::keyClicks(dlg.txtFilename, u"B.JPG"_s);
        dlg.chkAlign->click();
        dlg.cboAlign->setCurrentIndex(2);
        dlg.chkAlign->click();
        dlg.OKBtn->click();
    });
    FormImageClick(*doc, nullptr);
    expectInFrontOfTheSelection(u"<INPUT TYPE=IMAGE SRC=\"B.JPG\" NAME=\"\">"_s);
}

TEST_F(FieldCommandTest, SubmitAndResetAskInAnInputBox)
{
    using Command = void (*)(TMDIChild &, QObject *);
    const struct {
        Command command;
        const char16_t *title;
        const char16_t *prompt;
        const char16_t *typed;
        const char16_t *field;
    } rows[] = {
        {FormSubmitClick, u"送信ボタン", u"送信ボタンに表示する文字列を入力して下さい", u"送信",
         u"<INPUT TYPE=\"submit\" VALUE=\"送信\">"},
        {FormSubmitClick, u"送信ボタン", u"送信ボタンに表示する文字列を入力して下さい", u"",
         u"<INPUT TYPE=\"submit\" VALUE=\"\">"},
        {FormResetClick, u"リセットボタン", u"リセットボタンに表示する文字列を入力して下さい", u" 取消 ",
         u"<INPUT TYPE=\"reset\" VALUE=\" 取消 \">"},
        {FormResetClick, u"リセットボタン", u"リセットボタンに表示する文字列を入力して下さい", u"",
         u"<INPUT TYPE=\"reset\" VALUE=\"\">"},
    };
    for (const auto &row : rows) {
        startWithSelection();
        fake.inputRequests.clear();
        fake.inputs = {QString::fromUtf16(row.typed)};
        row.command(*doc, nullptr);
        ASSERT_EQ(fake.inputRequests.size(), 1);
        EXPECT_EQ(fake.inputRequests[0].title, QString::fromUtf16(row.title));
        EXPECT_EQ(fake.inputRequests[0].prompt, QString::fromUtf16(row.prompt));
        EXPECT_EQ(fake.inputRequests[0].preset, QString());
        expectInFrontOfTheSelection(QString::fromUtf16(row.field));
    }

    // Cancelled boxes change nothing.
    for (Command command : {FormSubmitClick, FormResetClick}) {
        startWithSelection();
        doc->StartTag = u"<X>"_s;
        fake.inputs = {std::nullopt};
        command(*doc, nullptr);
        EXPECT_EQ(text(), u"x abc y"_s);
        EXPECT_EQ(selected(), u"abc"_s);
        EXPECT_EQ(doc->StartTag, u"<X>"_s);
        EXPECT_FALSE(doc->isModified());
    }
}

TEST_F(FieldCommandTest, HiddenFieldEndsItsLine)
{
    startWithSelection();
    whenShown<TfrmHidden>([](TfrmHidden &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.txtName);
        QTest::keyClicks(dlg.txtName, u"mode"_s);
        dlg.txtStr->insert(u"確認"_s);
        dlg.OKBtn->click();
    });
    FormHiddenClick(*doc, nullptr);
    expectInFrontOfTheSelection(u"<INPUT TYPE=\"hidden\" NAME=\"mode\" VALUE=\"確認\">\r\n"_s);
}

TEST_F(FieldCommandTest, LeavingADialogWithoutOkChangesNothing)
{
    expectLeavingChangesNothing<TfrmTextBox>(FormTextboxClick);
    expectLeavingChangesNothing<TfrmMultiLine>(FormMultilineClick);
    expectLeavingChangesNothing<TfrmButton>(FormRadiobuttonClick);
    expectLeavingChangesNothing<TfrmButton>(FormCheckboxClick);
    expectLeavingChangesNothing<TfrmImgFld>(FormImageClick);
    expectLeavingChangesNothing<TfrmHidden>(FormHiddenClick);
}

} // namespace
