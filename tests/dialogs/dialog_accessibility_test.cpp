#include "dialogs/dialog_owner.h"
#include "dialogs/text/base_font_dialog.h"
#include "dialogs/text/bgc_data_dialog.h"
#include "dialogs/text/font_dialog.h"
#include "dialogs/text/heading_dialog.h"
#include "dialogs/text/list_dialog.h"
#include "dialogs/text/page_dialog.h"
#include "dialogs/text/rule_dialog.h"
#include "dialogs/text/table_dialog.h"

#include "support/dialog_accessibility.h"

#include <gtest/gtest.h>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct DialogCase {
    const char *name;
    std::function<TAttributeDialog &()> dialog;
};

template <typename Dialog>
DialogCase dialogCase(const char *name)
{
    return {name, [] () -> TAttributeDialog & { return attributeDialog<Dialog>(); }};
}

class DialogAccessibility : public ::testing::TestWithParam<DialogCase>
{
protected:
    DialogOwner owner;
};

TEST_P(DialogAccessibility, EveryControlIsReachableByItsCaptionOrName)
{
    TAttributeDialog &dlg = GetParam().dialog();
    dlg.reset();
    EXPECT_GE(expectControlsAccessible(dlg, GetParam().name), 3);
}

TEST_P(DialogAccessibility, ListsTellTheirChosenEntry)
{
    TAttributeDialog &dlg = GetParam().dialog();
    dlg.reset();
    for (QComboBox *combo : dlg.findChildren<QComboBox *>()) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(combo);
        EXPECT_EQ(iface->text(QAccessible::Value), combo->currentText()) << combo->objectName().toStdString();
        EXPECT_EQ(iface->role(), QAccessible::ComboBox);
    }
}

INSTANTIATE_TEST_SUITE_P(
    TextDialogs, DialogAccessibility,
    ::testing::Values(dialogCase<TfrmBgcData>("TfrmBgcData"), dialogCase<TfrmFont>("TfrmFont"),
                      dialogCase<TfrmBase>("TfrmBase"), dialogCase<TfrmTitle>("TfrmTitle"),
                      dialogCase<TfrmPage>("TfrmPage"), dialogCase<TfrmLine>("TfrmLine"),
                      dialogCase<TfrmMarkList>("TfrmMarkList"),
                      dialogCase<TfrmNumList>("TfrmNumList"), dialogCase<TfrmHyo>("TfrmHyo")),
    [](const ::testing::TestParamInfo<DialogCase> &info) { return std::string(info.param.name); });

} // namespace
