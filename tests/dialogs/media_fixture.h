#pragma once

#include "support/dialog_fixture.h"


// A document "x abc y" with abc selected, for the commands of the media
// dialogs.
class MediaCommandTest : public DialogFixture
{
protected:
    using Command = void (*)(TMDIChild &, QObject *);

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
