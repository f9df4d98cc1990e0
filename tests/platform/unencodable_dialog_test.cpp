#include "platform/unencodable_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

UnencodableReport report(qsizetype blocking)
{
    UnencodableReport r{u"Shift_JIS"_s, 250, blocking, {}};
    r.shown = {{12, 1, 5, u"😀"_s, u"本文"_s, false}, {40, 3, 2, u"é"_s, u"SCRIPT"_s, blocking > 0}};
    return r;
}

QStringList rowTexts(const QTreeWidget *list, int row)
{
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

TEST(UnencodableDialog, ListsTheCharactersAndReportsEachWayOn)
{
    const struct {
        const char *name;
        qsizetype blocking;
        const char *button;
        UnencodableChoice choice;
    } cases[] = {
        {"references", 0, "cmdReferences", UnencodableChoice::References},
        {"UTF-8", 0, "cmdUtf8", UnencodableChoice::Utf8},
        {"UTF-8 while references are blocked", 1, "cmdUtf8", UnencodableChoice::Utf8},
        {"cancel", 0, "CancelBtn", UnencodableChoice::Cancel},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TUnencodableDialog dialog(report(c.blocking));
        EXPECT_EQ(dialog.windowTitle(), u"保存できない文字"_s);
        EXPECT_EQ(dialog.lblCount->text(), u"Shift_JIS で保存できない文字が 250 個あります。(うち 2 個を表示)"_s);
        ASSERT_EQ(dialog.lstChars->topLevelItemCount(), 2);
        EXPECT_EQ(rowTexts(dialog.lstChars, 0), (QStringList{u"1"_s, u"5"_s, u"😀"_s, u"U+1F600"_s, u"本文"_s}));
        EXPECT_EQ(rowTexts(dialog.lstChars, 1).last(),
                  c.blocking ? u"SCRIPT (文字参照不可)"_s : u"SCRIPT"_s);
        EXPECT_EQ(dialog.cmdReferences->isEnabled(), c.blocking == 0);
        EXPECT_EQ(dialog.lblBlocked->isVisibleTo(&dialog), c.blocking > 0);

        QTimer::singleShot(0, &dialog, [&dialog, &c] {
            QTest::mouseClick(dialog.findChild<QPushButton *>(QLatin1String(c.button)), Qt::LeftButton);
        });
        dialog.exec();
        EXPECT_EQ(dialog.choice(), c.choice);
    }
}

TEST(UnencodableDialog, ADoubleClickAsksForThatCharacter)
{
    TUnencodableDialog dialog(report(0));
    QList<qsizetype> chosen;
    QObject::connect(&dialog, &TUnencodableDialog::characterChosen, [&](qsizetype at) { chosen << at; });
    dialog.show();
    QTreeWidget *list = dialog.lstChars;
    const QRect second = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(chosen, QList<qsizetype>{40});
}

} // namespace
