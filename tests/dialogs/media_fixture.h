#pragma once

#include "support/dialog_fixture.h"

#include <QTest>
#include <functional>
#include <string>

// A document "x abc y" with abc selected, for the commands of the media
// dialogs.
class MediaCommandTest : public DialogFixture
{
protected:
    using Command = void (*)(TMDIChild &, QObject *);

    // However the dialog is left without OK (its Cancel button, Esc, the close
    // box), and whatever was changed in it first, the document, its selection
    // and the tag pair stay as they were.
    template <typename Dialog>
    void expectCancelChangesNothing(Command command, std::function<void(Dialog &)> touch)
    {
        for (const std::string way : {"CancelBtn", "Esc", "close box"}) {
            setText(QStringLiteral("x abc y"));
            selectText(QStringLiteral("abc"));
            doc->StartTag = QStringLiteral("<X>");
            doc->EndTag = QStringLiteral("</X>");
            whenShown<Dialog>([way, touch](Dialog &dlg) {
                touch(dlg);
                if (way == "CancelBtn")
                    dlg.CancelBtn->click();
                else if (way == "Esc")
                    QTest::keyClick(&dlg, Qt::Key_Escape);
                else
                    dlg.close();
            });
            command(*doc, nullptr);
            EXPECT_EQ(text(), QStringLiteral("x abc y")) << way;
            EXPECT_EQ(selected(), QStringLiteral("abc")) << way;
            EXPECT_EQ(doc->StartTag, QStringLiteral("<X>")) << way;
            EXPECT_EQ(doc->EndTag, QStringLiteral("</X>")) << way;
            EXPECT_FALSE(doc->isModified()) << way;
        }
    }

    // The command puts `tag` in front of the selection abc, which stays in
    // the text after it, unselected; the caret stands after the tag, and Undo
    // takes the tag out again.
    void expectInFrontOfTheSelection(Command command, const QString &tag)
    {
        command(*doc, nullptr);
        EXPECT_EQ(text(), QStringLiteral("x ") + tag + QStringLiteral("abc y"));
        EXPECT_EQ(selected(), QString());
        QString inEditor = tag;
        inEditor.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(caret(), 2 + int(inEditor.size()));
        EXPECT_EQ(doc->EndTag, QString());
        EXPECT_EQ(doc->CapturedText, QString());
        EXPECT_TRUE(doc->isModified());
        doc->UndoItemClick();
        EXPECT_EQ(text(), QStringLiteral("x abc y"));
    }
};
