#include "document/goto_line.h"

#include "document/doc_editor.h"
#include "document/mdi_child.h"
#include "platform/platform.h"

#include <QTextBlock>

using namespace Qt::StringLiterals;

void GotoLineClick(TMDIChild &doc, QObject *)
{
    TDocEditor *editor = doc.txtDoc;
    const QString last = QString::number(editor->blockCount());
    const std::optional<QString> answer = platform().inputBox(
            &doc, {u"指定行へ移動"_s, u"行番号 (1～%1)"_s.arg(last),
                   QString::number(editor->textCursor().blockNumber() + 1)});
    if (!answer)
        return;
    bool number = false;
    const int line = answer->trimmed().toInt(&number);
    if (!number || line < 1 || line > editor->blockCount()) {
        platform().message(&doc, MessageKind::Warning, u"行番号は 1 から %1 までです"_s.arg(last),
                           MessageButtons::Ok);
        return;
    }
    QTextCursor cursor(editor->document()->findBlockByNumber(line - 1));
    editor->setTextCursor(cursor);
    editor->centerCursor();
    editor->setFocus();
}
