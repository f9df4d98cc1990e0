#include "dialogs/media/script_command.h"

#include "dialogs/media/script_templates.h"
#include "document/apply_tag.h"
#include "document/doc_editor.h"
#include "document/fixed_tags.h"
#include "document/mdi_child.h"
#include "document/search_scan.h"

#include <QTextCursor>

using namespace Qt::StringLiterals;

void JavaScriptScriptClick(TMDIChild &doc, QObject *)
{
    applyTag(doc, scriptBlock(), Placement::AroundSelection);
}

void JavaScriptStatusLClick(TMDIChild &doc, QObject *sender)
{
    switch (senderTag(sender)) {
    case 0:
        placeBeforeHeadEnd(doc, statusBarScroller(ScrollDirection::Left));
        break;
    case 1:
        placeBeforeHeadEnd(doc, statusBarScroller(ScrollDirection::Right));
        break;
    }
}

void JavaScriptClockClick(TMDIChild &doc, QObject *sender)
{
    QString block;
    switch (senderTag(sender)) {
    case 0:
        block = clockBlock();
        break;
    case 1:
        block = alertBlock();
        break;
    default:
        return;
    }
    applyTag(doc, {block, {}}, Placement::BeforeSelection);
}

void placeBeforeHeadEnd(TMDIChild &doc, const QString &block)
{
    const QString text = doc.txtDoc->rawText();
    // ASCII letters match in either case, nothing else folds. A line break
    // is one character in the raw text as in the editor, so the position
    // holds in both.
    const qsizetype headEnd = ScanBuffer(text, 0, 0, u"</head>", SearchOptions{});
    if (headEnd < 0) {
        applyTag(doc, {block, {}}, Placement::BeforeSelection);
        return;
    }

    doc.ClearTagPair();
    doc.StartTag = block;
    // On a line of its own just before the tag.
    doc.InsertTextAt(headEnd, u"\r\n"_s + block);
    doc.txtDoc->moveCursor(QTextCursor::End);
}
