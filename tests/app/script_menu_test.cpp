#include "main_form_fixture.h"

#include "dialogs/media/br_clear_dialog.h"
#include "dialogs/media/script_templates.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

// The new-document template, as lines joined by CR LF.
const QString head = u"<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n<!-- Marquill 32 -->\r\n"_s;
const QString rest = u"</HEAD>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n"_s;

class ScriptMenu : public MainFormFixture
{
};

// Each Java ▸ Script entry reaches its block through the menu's Tag: the
// scrollers go before </HEAD>, the others at the caret (the document start).
TEST_F(ScriptMenu, EveryEntryWritesItsOwnBlock)
{
    const struct {
        const char16_t *entry;
        QString expected;
    } rows[] = {
        {u"JavaScriptScript", scriptBlock().start + scriptBlock().end + head + rest},
        {u"JavaScriptStatusL", head + u"\r\n"_s + statusBarScroller(ScrollDirection::Left) + rest},
        {u"JavaScriptStatusR", head + u"\r\n"_s + statusBarScroller(ScrollDirection::Right) + rest},
        {u"JavaScriptClock", clockBlock() + head + rest},
        {u"JavaScriptAlert", alertBlock() + head + rest},
    };
    for (const auto &row : rows) {
        trigger(u"FileNewItem"_s);
        TMDIChild *doc = current();
        ASSERT_NE(doc, nullptr);
        ASSERT_EQ(docText(doc), head + rest);
        trigger(QString::fromUtf16(row.entry));
        EXPECT_EQ(docText(doc), row.expected) << QString::fromUtf16(row.entry).toStdString();
        doc->closeWithoutAsking();
    }
}

TEST_F(ScriptMenu, PageBrAsksForTheSideAndWritesTheTag)
{
    trigger(u"FileNewItem"_s);
    TMDIChild *doc = current();
    ASSERT_NE(doc, nullptr);
    whenShown<TfrmBrClear>([](TfrmBrClear &dlg) {
        dlg.RadioButton2->click();
        dlg.OKBtn->click();
    });
    trigger(u"PageBr"_s);
    EXPECT_EQ(docText(doc), u"<BR CLEAR=right>"_s + head + rest);
}

} // namespace
