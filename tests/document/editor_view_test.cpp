#include "document/doc_editor.h"
#include "document/editor_view.h"
#include "document/editor_zoom.h"
#include "document/line_gutter.h"

#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

class EditorViewTest : public ::testing::Test
{
protected:
    TDocEditor editor;

    void SetUp() override
    {
        editor.setFont(QFont(editor.font().family(), 11));
        editor.resize(500, 300);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }

    void wheel(int angle, Qt::KeyboardModifiers modifiers)
    {
        const QPointF at(20, 20);
        QWheelEvent event(at, editor.viewport()->mapToGlobal(at), {}, {0, angle}, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(editor.viewport(), &event);
    }
};

TEST_F(EditorViewTest, ZoomStepsAndReturnsToTheFontGiven)
{
    struct Row {
        const char *action;
        std::function<void()> act;
        double points;
    };
    const Row rows[] = {
        {"Ctrl++", [this] { QTest::keyClick(&editor, Qt::Key_Plus, Qt::ControlModifier); }, 12},
        {"Ctrl+= (the plus key unshifted)", [this] {
             QTest::keyClick(&editor, Qt::Key_Equal, Qt::ControlModifier); }, 13},
        {"Ctrl+wheel up two notches", [this] { wheel(240, Qt::ControlModifier); }, 15},
        {"half a notch does nothing yet", [this] { wheel(-60, Qt::ControlModifier); }, 15},
        {"the other half does", [this] { wheel(-60, Qt::ControlModifier); }, 14},
        {"wheel without Ctrl scrolls", [this] { wheel(-120, Qt::NoModifier); }, 14},
        {"Ctrl+- on the keypad", [this] {
             QTest::keyClick(&editor, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier); }, 13},
        {"Ctrl+0", [this] { QTest::keyClick(&editor, Qt::Key_0, Qt::ControlModifier); }, 11},
        {"not below the smallest", [this] { EditorView::of(&editor)->zoom()->zoomBy(-50); }, 4},
    };
    for (const Row &row : rows) {
        row.act();
        EXPECT_EQ(editor.font().pointSizeF(), row.points) << row.action;
    }
    EXPECT_EQ(editor.toPlainText(), QString()) << "no key reached the text";
}

TEST_F(EditorViewTest, GutterNumbersLogicalLinesAndWidensWithTheirCount)
{
    EditorView *view = EditorView::of(&editor);
    view->apply({.lineNumbers = true});
    ASSERT_TRUE(view->gutter()->isVisible());
    const int two = view->gutter()->width();
    EXPECT_EQ(editor.viewport()->geometry().left(), editor.contentsRect().left() + two);
    editor.setPlainText(QStringList(1200, u"x"_s).join(u'\n'));
    EXPECT_GT(view->gutter()->width(), two);
    // A line wrapped over many rows keeps one number: the width follows the
    // count of lines, not of rows.
    editor.setPlainText(QString(5000, u'x') + u"\ny"_s);
    EXPECT_EQ(view->gutter()->width(), two);
    view->apply({.lineNumbers = false});
    EXPECT_FALSE(view->gutter()->isVisible());
    EXPECT_EQ(editor.viewport()->geometry().left(), editor.contentsRect().left());
}

} // namespace
