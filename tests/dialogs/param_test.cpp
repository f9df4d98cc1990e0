#include "dialogs/media/param_dialog.h"
#include "dialogs/media/param_tag.h"
#include "dialogs/media_fixture.h"
#include "support/dialog_accessibility.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

TEST(ParamTag, QuotesTheNameAndTheValue)
{
    const struct {
        ParamOptions options;
        QString tag;
    } rows[] = {
        {{.name = u"speed"_s, .value = u"5"_s}, u"<PARAM NAME=\"speed\" VALUE=\"5\">\r\n"_s},
        {{}, u"<PARAM NAME=\"\" VALUE=\"\">\r\n"_s},
        // As typed: never escaped, never trimmed.
        {{.name = u" 色 "_s, .value = u"\"red\" & <blue>"_s},
         u"<PARAM NAME=\" 色 \" VALUE=\"\"red\" & <blue>\">\r\n"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = paramTag(row.options);
        EXPECT_EQ(tags.start, row.tag);
        EXPECT_EQ(tags.end, QString()) << row.tag.toStdString();
    }
}

class ParamDialogTest : public DialogFixture
{
protected:
    TfrmParam &dlg = attributeDialog<TfrmParam>();
};

TEST_F(ParamDialogTest, FieldsAreLabelledAndNamed)
{
    EXPECT_EQ(dlg.windowTitle(), u"Ｊａｖａパラメータ"_s);
    QStringList captions;
    for (QLabel *label : dlg.findChildren<QLabel *>()) {
        captions << label->text();
        EXPECT_TRUE(label->buddy() == dlg.txtName || label->buddy() == dlg.txtValue);
    }
    EXPECT_TRUE(captions.contains(u"ﾊﾟﾗﾒｰﾀ名"_s));
    EXPECT_TRUE(captions.contains(u"値"_s));
    EXPECT_EQ(dlg.txtName->accessibleDescription(), u"ﾊﾟﾗﾒｰﾀ名"_s);
    EXPECT_EQ(dlg.txtValue->accessibleDescription(), u"値"_s);
    EXPECT_TRUE(dlg.OKBtn->isDefault());
    dlg.reset();
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmParam"), 4);
}

TEST_F(ParamDialogTest, EveryShowStartsEmpty)
{
    dlg.reset();
    dlg.txtName->setText(u"a"_s);
    dlg.txtValue->setText(u"b"_s);
    dlg.txtValue->setFocus();
    dlg.reset();
    EXPECT_EQ(dlg.txtName->text(), QString());
    EXPECT_EQ(dlg.txtValue->text(), QString());
    EXPECT_EQ(dlg.focusWidget(), dlg.txtName);
}

// --- the command ------------------------------------------------------------

class ParamCommandTest : public MediaCommandTest
{
};

TEST_F(ParamCommandTest, TheLineGoesInFrontOfTheSelection)
{
    setText(u"x abc y"_s);
    selectText(u"abc"_s);
    whenShown<TfrmParam>([](TfrmParam &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.txtName);
        QTest::keyClicks(dlg.txtName, u"speed"_s);
        QTest::keyClicks(dlg.txtValue, u"5"_s);
        dlg.OKBtn->click();
    });
    expectInFrontOfTheSelection(JavaParmClick, u"<PARAM NAME=\"speed\" VALUE=\"5\">\r\n"_s);
}

TEST_F(ParamCommandTest, CancelChangesNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmParam>(JavaParmClick, [](TfrmParam &dlg) {
        QTest::keyClicks(dlg.txtName, u"speed"_s);
    });
}

} // namespace
