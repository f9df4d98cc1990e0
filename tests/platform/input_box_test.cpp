#include "platform/input_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(InputBox, ShowsThePresetAndReturnsWhatWasTyped)
{
    TInputBox box;
    box.reset(u"ｷｰﾜｰﾄﾞ設定"_s, u"ｷｰﾜｰﾄﾞ:"_s, u"目次"_s);
    EXPECT_EQ(box.windowTitle(), u"ｷｰﾜｰﾄﾞ設定"_s);
    EXPECT_EQ(box.lblPrompt->text(), u"ｷｰﾜｰﾄﾞ:"_s);
    EXPECT_EQ(box.txtValue->text(), u"目次"_s);

    QTimer::singleShot(0, &box, [&box] {
        QTest::keyClick(box.txtValue, Qt::Key_End);
        QTest::keyClicks(box.txtValue, u"-top"_s);
        QTest::keyClick(box.txtValue, Qt::Key_Return);  // OK is the default button
    });
    EXPECT_EQ(box.exec(), QDialog::Accepted);
    EXPECT_EQ(box.value(), u"目次-top"_s);
}

TEST(InputBox, TakesAtMost255CharactersAndCancels)
{
    TInputBox box;
    box.reset(u"t"_s, u"p"_s, QString(300, u'x'));
    EXPECT_EQ(box.txtValue->text().size(), 255);
    QTimer::singleShot(0, &box, [&box] { box.CancelBtn->click(); });
    EXPECT_EQ(box.exec(), QDialog::Rejected);
}

} // namespace
