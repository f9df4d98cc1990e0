#include "main_form_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

using Accessibility = MainFormFixture;

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Everything a screen reader is offered below `node`: each object shown,
// named (separators aside) and in a consistent tree.
void expectOnlyShownNamedObjects(QAccessibleInterface *node, const QString &path)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        ASSERT_NE(child, nullptr) << path.toStdString() << " child " << i;
        const QString name = child->text(QAccessible::Name);
        const QString where = u"%1/%2[%3] \"%4\""_s.arg(
            path, child->object() ? child->object()->objectName() : QString(), QString::number(i), name);
        SCOPED_TRACE(where.toStdString());
        EXPECT_FALSE(child->state().invisible);
        if (child->role() != QAccessible::Separator) {
            EXPECT_FALSE(name.trimmed().isEmpty());
        }
        ASSERT_NE(child->parent(), nullptr);
        EXPECT_EQ(child->parent()->object(), node->object());
        EXPECT_EQ(node->indexOfChild(child), i);
        expectOnlyShownNamedObjects(child, where);
    }
}

QStringList childNames(QAccessibleInterface *node)
{
    QStringList names;
    for (int i = 0; i < node->childCount(); ++i)
        names << node->child(i)->text(QAccessible::Name);
    return names;
}

TEST_F(Accessibility, TheStatusBarAndToolbarsOfferOnlyShownNamedObjects)
{
    form->FileNewItemClick();
    for (QWidget *bar : {static_cast<QWidget *>(form->statusBar()), static_cast<QWidget *>(form->SpeedPanel),
                         static_cast<QWidget *>(form->pnlExt)}) {
        QAccessibleInterface *node = accessible(bar);
        ASSERT_NE(node, nullptr);
        EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << bar->objectName().toStdString();
        expectOnlyShownNamedObjects(node, bar->objectName());
    }
    EXPECT_EQ(accessible(form->SpeedPanel)->text(QAccessible::Name), u"SpeedPanel"_s);
    EXPECT_EQ(accessible(form->pnlExt)->text(QAccessible::Name), u"pnlExt"_s);
    // The size grip, the caret, the encoding and the typing mode; the empty
    // panels (no message, no unsaved changes) are not offered.
    QAccessibleInterface *status = accessible(form->statusBar());
    EXPECT_EQ(childNames(status),
              (QStringList{u"ｻｲｽﾞ変更"_s, u"1 行 1 列"_s, u"Shift_JIS"_s, u"挿入"_s}));
    // A hint on show is what the bar says.
    EXPECT_EQ(status->text(QAccessible::Name), u"ｽﾃｰﾀｽﾊﾞｰ"_s);
    form->statusBar()->showMessage(u"最後にタグを挿入した前の状態に戻します"_s);
    EXPECT_EQ(status->text(QAccessible::Name), u"最後にタグを挿入した前の状態に戻します"_s);
    form->statusBar()->clearMessage();
    EXPECT_EQ(status->text(QAccessible::Name), u"ｽﾃｰﾀｽﾊﾞｰ"_s);
}

TEST_F(Accessibility, TheTypingModePanelReadsItsModeAndFollowsIt)
{
    form->FileNewItemClick();
    QAccessibleInterface *panel = accessible(form->StatusPanel1);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->text(QAccessible::Name), u"挿入"_s);
    EXPECT_EQ(panel->text(QAccessible::Description), u"入力ﾓｰﾄﾞ"_s);

    QTest::keyClick(current()->txtDoc, Qt::Key_Insert);
    EXPECT_EQ(panel->text(QAccessible::Name), u"上書き"_s);
    QTest::keyClick(current()->txtDoc, Qt::Key_Insert);
    EXPECT_EQ(panel->text(QAccessible::Name), u"挿入"_s);
}

TEST_F(Accessibility, TheDocumentsEditorIsNamedTxtDoc)
{
    form->FileNewItemClick();
    QAccessibleInterface *window = accessible(current());
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->childCount(), 1);
    EXPECT_EQ(window->child(0)->object(), current()->txtDoc);
    EXPECT_EQ(window->child(0)->text(QAccessible::Name), u"txtDoc"_s);
    EXPECT_EQ(window->child(0)->role(), QAccessible::EditableText);
}

} // namespace
