#pragma once

#include "dialogs/dialog_owner.h"
#include "support/doc_fixture.h"

#include <QApplication>
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
};
