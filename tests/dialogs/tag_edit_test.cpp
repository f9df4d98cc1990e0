#include "dialogs/tag_edit_command.h"
#include "dialogs/text/bgc_data_dialog.h"
#include "dialogs/text/font_dialog.h"
#include "dialogs/text/table_dialog.h"
#include "dialogs/text/table_tag.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

using namespace Qt::StringLiterals;

namespace {

class TagEditTest : public DialogFixture
{
protected:
    // `page` with '|' at the caret; a line break counts one character.
    void setPage(QString page)
    {
        page.replace(u"\r\n"_s, u"\n"_s);
        const qsizetype caret = page.indexOf(u'|');
        setText(page.remove(caret, 1));
        select(int(caret), int(caret));
    }
};

void clickSwatch(QWidget &dlg, int number)
{
    dlg.findChild<QAbstractButton *>(u"p"_s + QString::number(number))->click();
}

struct EditRow {
    const char *what;
    const char16_t *page;          // '|' at the caret
    std::function<void(QWidget &)> interact;  // on the dialog that opened; then OK
    const char16_t *after;         // empty: the page as it was, unmodified
    const char *dialog;            // the dialog's class
};

const EditRow editRows[] = {
    {"a value the dialog cannot show stays, unknown attributes after", u"<FONT size=\"+1\" co|lor=red class=x>a</FONT>",
     [](QWidget &dlg) { clickSwatch(dlg, 12); }, u"<FONT SIZE=+1 COLOR=#FFFF00 class=x>a</FONT>", "TfrmFont"},
    {"an unchanged value it cannot show stays in its place", u"x <font color=red\r\n SIZE='3' id=a|>y</font>",
     [](QWidget &dlg) { static_cast<TfrmFont &>(dlg).TrackBar1->setValue(5); },
     u"x <FONT SIZE=5 color=red id=a>y</font>", "TfrmFont"},
    {"OK without a change", u"<FONT size=\"+1\" co|lor=red class=x>a</FONT>", [](QWidget &) {}, u"", "TfrmFont"},
    {"the end tag reopens its start tag", u"<FONT COLOR=#000000><FONT FACE=\"a\">b</FONT></FO|NT>",
     [](QWidget &dlg) { static_cast<TfrmFont &>(dlg).chkFont->click(); },
     u"<FONT COLOR=#000000 FACE=\"\"><FONT FACE=\"a\">b</FONT></FONT>", "TfrmFont"},
    {"the innermost tag wins", u"<FONT COLOR=#000000><B><FONT SIZE=2|>b</FONT></B></FONT>",
     [](QWidget &dlg) { static_cast<TfrmFont &>(dlg).TrackBar1->setValue(6); },
     u"<FONT COLOR=#000000><B><FONT SIZE=6>b</FONT></B></FONT>", "TfrmFont"},
    {"a colour value wins over its tag", u"<HR COLOR=#ff00|00>",
     [](QWidget &dlg) { clickSwatch(dlg, 12); }, u"<HR COLOR=#FFFF00>", "TfrmBgcData"},
    {"a colour value in another case, unchanged", u"<HR COLOR=#ff00|00>", [](QWidget &) {}, u"", "TfrmBgcData"},
};

} // namespace

TEST_F(TagEditTest, OkRewritesTheTagUnderTheCaret)
{
    for (const EditRow &row : editRows) {
        SCOPED_TRACE(row.what);
        setPage(QString::fromUtf16(row.page));
        const QString before = text();
        whenShown<QDialog>([&](QDialog &dlg) {
            EXPECT_STREQ(dlg.metaObject()->className(), row.dialog);
            row.interact(dlg);
            dlg.findChild<QPushButton *>(u"OKBtn"_s)->click();
        });
        ToolTagEditClick(*doc, nullptr);
        const QString after = QString::fromUtf16(row.after);
        EXPECT_EQ(text(), after.isEmpty() ? before : after);
        EXPECT_EQ(doc->isModified(), !after.isEmpty());
        if (after.isEmpty())
            continue;
        doc->UndoItemClick();
        EXPECT_EQ(text(), before);
    }
}

TEST_F(TagEditTest, ATableComesBackIntoTheGridAndOnlyItIsRewritten)
{
    TableOptions table;
    table.rows = 3;
    table.cols = 2;
    table.border = true;
    table.borderValue = u"1"_s;
    table.cells = {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s};
    const QString page = u"before\r\n"_s + tableText(table) + u"\r\nafter"_s;
    setPage(QString(page).insert(page.indexOf(u"d</TD>"), u'|'));
    whenShown<TfrmHyo>([](TfrmHyo &dlg) {
        EXPECT_EQ(dlg.Hyo->rowCount(), 3);
        EXPECT_EQ(dlg.Hyo->cell(2, 1), u"f"_s);
        dlg.Hyo->setCell(1, 0, u"C"_s);
        dlg.OKBtn->click();
    });
    ToolTagEditClick(*doc, nullptr);
    table.cells[2] = u"C"_s;
    EXPECT_EQ(text(), u"before\r\n"_s + tableText(table) + u"\r\nafter"_s);
}

TEST_F(TagEditTest, CancelChangesNothing)
{
    setPage(u"<FONT SIZE=2|>b</FONT>"_s);
    whenShown<TfrmFont>([](TfrmFont &dlg) {
        dlg.TrackBar1->setValue(6);
        dlg.CancelBtn->click();
    });
    ToolTagEditClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<FONT SIZE=2>b</FONT>"_s);
    EXPECT_FALSE(doc->isModified());
}

TEST_F(TagEditTest, NoTagThereSaysSo)
{
    for (const char16_t *page : {u"plain te|xt", u"<B>b|old</B>", u"<TD>|x</TD>", u"|"}) {
        fake.messages.clear();
        setPage(QString::fromUtf16(page));
        ToolTagEditClick(*doc, nullptr);
        ASSERT_EQ(fake.messages.size(), 1) << QString::fromUtf16(page).toStdString();
        EXPECT_EQ(fake.messages[0].kind, MessageKind::Information);
        EXPECT_EQ(fake.messages[0].title, u"情報"_s);
        EXPECT_EQ(fake.messages[0].text, u"ｶｰｿﾙの位置に編集できるﾀｸﾞがありません"_s);
        EXPECT_FALSE(doc->isModified());
    }
}
