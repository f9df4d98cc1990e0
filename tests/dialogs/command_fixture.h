#pragma once

#include "support/dialog_fixture.h"

#include <QSlider>
#include <QTest>
#include <string>

// The ways a dialog closes without OK: its Cancel button, Esc, the close box.
inline const std::string cancelWays[] = {"CancelBtn", "Esc", "close box"};

// A document "x abc y" with abc selected, for commands of the slider dialogs.
class CommandFixture : public DialogFixture
{
protected:
    // However the dialog is left without OK, the document, its selection
    // and the tag pair stay as they were, even after the slider was moved.
    template <typename Dialog>
    void expectCancelChangesNothing(const std::string &way, void (*command)(TMDIChild &, QObject *))
    {
        setText(QStringLiteral("x abc y"));
        selectText(QStringLiteral("abc"));
        doc->StartTag = QStringLiteral("<X>");
        whenShown<Dialog>([way](Dialog &dlg) {
            dlg.TrackBar1->setValue(1);
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
        EXPECT_FALSE(doc->isModified()) << way;
    }
};
