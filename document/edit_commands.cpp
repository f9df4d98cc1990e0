#include "document/edit_commands.h"

#include "document/doc_editor.h"
#include "document/find_dialogs.h"
#include "document/mdi_child.h"
#include "platform/locale_text.h"
#include "platform/platform.h"

#include <QLineEdit>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

void reportNotFound(TMDIChild &doc, const QString &text)
{
    platform().message(&doc, MessageKind::Information, notFoundMessage(text), MessageButtons::Ok,
                       QStringLiteral("Marquill 32"));
}

void select(TMDIChild &doc, qsizetype start, qsizetype length)
{
    QTextCursor cursor = doc.txtDoc->textCursor();
    cursor.setPosition(int(start));
    cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
    doc.txtDoc->setTextCursor(cursor);
}

void bringSelectionIntoView(TMDIChild &doc)
{
    doc.txtDoc->ensureCursorVisible();
    doc.window()->activateWindow();
    doc.txtDoc->setFocus();
}

// Both dialogs open below the middle of the main window, clear of the text
// the search selects near the top.
void placeSearchDialog(TMDIChild &doc, QDialog &dialog)
{
    const QRect main = doc.window()->frameGeometry();
    dialog.move(main.left() + main.width() / 4, main.top() + main.height() / 3 * 2);
}

QString firstLineOfSelection(const TMDIChild &doc)
{
    const QString selected = doc.txtDoc->textCursor().selectedText();
    const qsizetype lineEnd = selected.indexOf(QChar::ParagraphSeparator);
    return lineEnd < 0 ? selected : selected.left(lineEnd);
}

void openSearchDialog(TMDIChild &doc, TFindDialog &dialog)
{
    placeSearchDialog(doc, dialog);
    dialog.setFindText(firstLineOfSelection(doc));
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    dialog.txtFind->setFocus();
}

} // namespace

QString notFoundMessage(const QString &text)
{
    return u"検索文字列 \""_s + text + u"\" は見つかりませんでした"_s;
}

TFindDialog &findDialogOf(TMDIChild &doc)
{
    // The replace dialog is a find dialog too: only the exact class counts.
    const auto dialogs = doc.findChildren<TFindDialog *>(QString(), Qt::FindDirectChildrenOnly);
    for (TFindDialog *dialog : dialogs) {
        if (dialog->metaObject() == &TFindDialog::staticMetaObject)
            return *dialog;
    }
    auto *dialog = new TFindDialog(&doc);
    QObject::connect(dialog, &TFindDialog::findNextClicked, &doc, [&doc] { Find(doc); });
    QObject::connect(dialog, &QDialog::finished, &doc, &TMDIChild::returnFocusToText);
    return *dialog;
}

TReplaceDialog &replaceDialogOf(TMDIChild &doc)
{
    if (auto *dialog = doc.findChild<TReplaceDialog *>(QString(), Qt::FindDirectChildrenOnly))
        return *dialog;
    auto *dialog = new TReplaceDialog(&doc);
    QObject::connect(dialog, &TReplaceDialog::findNextClicked, &doc, [&doc] { ReplaceDialogFind(doc); });
    QObject::connect(dialog, &TReplaceDialog::replaceClicked, &doc,
                     [&doc](bool all) { ReplaceDialogReplace(doc, all); });
    QObject::connect(dialog, &QDialog::finished, &doc, &TMDIChild::returnFocusToText);
    return *dialog;
}

void CutItemClick(TMDIChild &doc, QObject *)
{
    doc.txtDoc->cut();
}

void CopyItemClick(TMDIChild &doc, QObject *)
{
    doc.txtDoc->copy();
}

void PasteItemClick(TMDIChild &doc, QObject *)
{
    doc.txtDoc->paste();
}

void DeleteItemClick(TMDIChild &doc, QObject *)
{
    QTextCursor cursor = doc.txtDoc->textCursor();
    cursor.removeSelectedText();
    doc.txtDoc->setTextCursor(cursor);
}

void SearchItemClick(TMDIChild &doc, QObject *)
{
    openSearchDialog(doc, findDialogOf(doc));
}

void SearchNextItemClick(TMDIChild &doc, QObject *)
{
    Find(doc);
}

void ReplaceItemClick(TMDIChild &doc, QObject *)
{
    TReplaceDialog &dialog = replaceDialogOf(doc);
    openSearchDialog(doc, dialog);
}

bool FindInEditor(TMDIChild &doc, const QString &text, const SearchOptions &options)
{
    if (text.isEmpty())
        return false;
    const QString buffer = doc.txtDoc->rawText();
    if (buffer.isEmpty())
        return false;
    const QTextCursor cursor = doc.txtDoc->textCursor();
    const qsizetype found = ScanBuffer(buffer, cursor.selectionStart(),
                                       cursor.selectionEnd() - cursor.selectionStart(), text, options);
    if (found < 0)
        return false;
    select(doc, found, text.size());
    return true;
}

void Find(TMDIChild &doc)
{
    TFindDialog &dialog = findDialogOf(doc);
    const QString text = dialog.findText();
    const bool found = FindInEditor(doc, text, dialog.options());
    if (!found)
        reportNotFound(doc, text);
    dialog.close();
    bringSelectionIntoView(doc);
}

void ReplaceDialogFind(TMDIChild &doc)
{
    TReplaceDialog &dialog = replaceDialogOf(doc);
    if (FindInEditor(doc, dialog.findText(), dialog.options()))
        doc.txtDoc->ensureCursorVisible();
    else
        reportNotFound(doc, dialog.findText());
}

void ReplaceDialogReplace(TMDIChild &doc, bool all)
{
    TReplaceDialog &dialog = replaceDialogOf(doc);
    const QString needle = dialog.findText();
    const QString replacement = dialog.replaceText();
    const SearchOptions options = dialog.options();

    // Every match is found in one copy of the text, in the positions of that
    // copy, and the replacements are made afterwards from the back, so that a
    // Replace All costs one pass however many matches there are.
    const QString text = doc.txtDoc->rawText();
    const QTextCursor cursor = doc.txtDoc->textCursor();
    qsizetype from = cursor.selectionStart();
    qsizetype fromLength = cursor.selectionEnd() - from;
    QList<TDocEditor::Range> replaced;
    if (fromLength > 0 && sameTextIgnoringCase(cursor.selectedText(), needle))
        replaced.append({from, fromLength});

    auto scan = [&](qsizetype start, qsizetype length) {
        return needle.isEmpty() || text.isEmpty() ? -1
                                                  : ScanBuffer(text, start, length, needle, options);
    };
    // The search goes on from the text just replaced: after it going down,
    // before it going up (so a replacement is never searched again).
    qsizetype found = scan(from, fromLength);
    while (found >= 0 && all) {
        replaced.append({found, needle.size()});
        found = scan(found, needle.size());
    }

    auto shift = [&](qsizetype position) {
        qsizetype delta = 0;
        for (const TDocEditor::Range &r : replaced) {
            if (r.start < position)
                delta += replacement.size() - r.length;
        }
        return delta;
    };

    if (!replaced.isEmpty())
        doc.txtDoc->replaceRangesQuietly(replaced, replacement);
    if (found >= 0) {
        select(doc, found + shift(found), needle.size());
        doc.txtDoc->ensureCursorVisible();
    } else if (!replaced.isEmpty()) {
        const TDocEditor::Range &last = replaced.constLast();
        select(doc, last.start + shift(last.start) + replacement.size(), 0);
    }
    if (found < 0 && !all)
        reportNotFound(doc, needle);
}
