#pragma once

#include "dialogs/dialog_owner.h"
#include "support/doc_fixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

// Runs `interact` on the modal dialog of type `Dialog` as soon as it is
// shown, then makes sure it is closed, so a command under test never waits
// on it. Schedule before calling the command.
template <typename Dialog>
void whenShown(std::function<void(Dialog &)> interact)
{
    QTimer::singleShot(0, [interact] {
        auto *dlg = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dlg) {
            ADD_FAILURE() << "the expected dialog is not showing";
            if (QWidget *other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        interact(*dlg);
        if (dlg->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            dlg->reject();
        }
    });
}

// A document window with its own set of attribute dialogs, so what a dialog
// keeps between uses starts fresh in every test.
class DialogFixture : public DocFixture
{
protected:
    DialogOwner owner;

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
