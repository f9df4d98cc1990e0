#pragma once

#include "dialogs/dialog_owner.h"
#include "support/doc_fixture.h"
#include "support/when_shown.h"

#include <QSlider>
#include <QTest>

// A document window with its own set of attribute dialogs, so what a dialog
// keeps between uses starts fresh in every test.
class DialogFixture : public DocFixture
{
protected:
    DialogOwner owner;

    // A change to leave behind: the size slider moved to its left end.
    template <typename Dialog>
    static void moveSlider(Dialog &dlg)
    {
        dlg.TrackBar1->setValue(1);
    }

    // However the dialog of `command` is left without OK (its Cancel button,
    // Esc, the close box), after `fillIn` changed its controls, the document,
    // its selection and the tag pair stay as they were.
    template <typename Dialog>
    void expectLeavingWithoutOkChangesNothing(void (*command)(TMDIChild &, QObject *),
                                              std::function<void(Dialog &)> fillIn)
    {
        const std::function<void(Dialog &)> leaves[] = {
            [](Dialog &dlg) { dlg.CancelBtn->click(); },
            [](Dialog &dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); },
            [](Dialog &dlg) { dlg.close(); },
        };
        for (const auto &leave : leaves) {
            setText(QStringLiteral("abc"));
            selectText(QStringLiteral("b"));
            doc->StartTag = QStringLiteral("<X>");
            doc->EndTag = QStringLiteral("</X>");
            whenShown<Dialog>([&](Dialog &dlg) {
                fillIn(dlg);
                leave(dlg);
            });
            command(*doc, nullptr);
            EXPECT_EQ(text(), QStringLiteral("abc"));
            EXPECT_EQ(selected(), QStringLiteral("b"));
            EXPECT_EQ(doc->StartTag, QStringLiteral("<X>"));
            EXPECT_EQ(doc->EndTag, QStringLiteral("</X>"));
            EXPECT_FALSE(doc->isModified());
        }
    }
};
