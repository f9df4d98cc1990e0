#include "dialogs/dialog_owner.h"
#include "dialogs/text/base_font_dialog.h"
#include "dialogs/text/bgc_data_dialog.h"
#include "dialogs/text/font_dialog.h"
#include "dialogs/text/heading_dialog.h"
#include "dialogs/text/list_dialog.h"
#include "dialogs/text/page_dialog.h"
#include "dialogs/text/rule_dialog.h"
#include "dialogs/text/table_dialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QSet>
#include <QSlider>
#include <QTabBar>
#include <gtest/gtest.h>
#include <functional>

using namespace Qt::StringLiterals;

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

// Everything assistive technology reaches from `root`, by walking its tree.
void collect(QAccessibleInterface *root, QSet<QObject *> &reached, int depth = 0)
{
    if (!root || depth > 40)
        return;
    reached.insert(root->object());
    for (int i = 0; i < root->childCount(); ++i)
        collect(root->child(i), reached, depth + 1);
}

QString captionOf(const QAbstractButton *button)
{
    return QString(button->text()).remove(u'&');
}

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

// Buttons, check boxes and radio buttons are found by their captions (by
// their name when they have none); every other control by its name.
TEST_P(DialogAccessibility, EveryControlIsReachableByItsCaptionOrName)
{
    TAttributeDialog &dlg = GetParam().dialog();
    dlg.reset();
    QSet<QObject *> reached;
    collect(QAccessible::queryAccessibleInterface(&dlg), reached);

    int checked = 0;
    for (QWidget *w : dlg.findChildren<QWidget *>()) {
        // Hidden holders and Qt's own parts (a tab bar's scroll arrows) aside.
        if (w->isHidden() || w->objectName().isEmpty() || w->objectName().startsWith(u"qt_")
            || qobject_cast<QTabBar *>(w->parentWidget()))
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(iface, nullptr);
        const QString name = iface->text(QAccessible::Name);
        const std::string what = GetParam().name + (" " + w->objectName()).toStdString();
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            // A glyph is no caption: such buttons go by their name.
            const QString caption = captionOf(button);
            const bool byName = caption.isEmpty() || !button->accessibleName().isEmpty();
            EXPECT_EQ(name, byName ? w->objectName() : caption) << what;
        } else if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)
                   || qobject_cast<QSlider *>(w) || qobject_cast<QAbstractItemView *>(w)) {
            EXPECT_EQ(name, w->objectName()) << what;
        } else {
            continue;
        }
        EXPECT_TRUE(reached.contains(w)) << what << " is not in the tree";
        ++checked;
    }
    EXPECT_GE(checked, 3) << GetParam().name;
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
