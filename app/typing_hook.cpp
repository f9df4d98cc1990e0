#include "app/typing_hook.h"

#include "app/main_form.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

void typeTestTextFromEnvironment(TMainForm &mainForm)
{
    const QString text = qEnvironmentVariable("MARQUILL_TEST_TYPE");
    if (text.isEmpty())
        return;
    QTimer::singleShot(0, &mainForm, [&mainForm, text] {
        TMDIChild *doc = mainForm.activeDocument();
        if (!doc)
            return;
        for (const QChar c : text) {
            const bool newLine = c == u'\n';
            const int key = newLine ? int(Qt::Key_Return) : 0;
            const QString typed = newLine ? QStringLiteral("\r") : QString(c);
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
            QApplication::sendEvent(doc->txtDoc, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, typed);
            QApplication::sendEvent(doc->txtDoc, &release);
        }
    });
}
