#pragma once

#include "document/search_scan.h"

#include <QString>

class QObject;
class TFindDialog;
class TMDIChild;
class TReplaceDialog;

// The Edit menu: the clipboard commands and Delete are the editor's own (they
// go on its undo history); find and replace scan the text with ScanBuffer.

void CutItemClick(TMDIChild &doc, QObject *sender);
void CopyItemClick(TMDIChild &doc, QObject *sender);
void PasteItemClick(TMDIChild &doc, QObject *sender);
void DeleteItemClick(TMDIChild &doc, QObject *sender);
void SearchItemClick(TMDIChild &doc, QObject *sender);
void SearchNextItemClick(TMDIChild &doc, QObject *sender);
void ReplaceItemClick(TMDIChild &doc, QObject *sender);

// The window's own find and replace dialogs, made on first use.
TFindDialog &findDialogOf(TMDIChild &doc);
TReplaceDialog &replaceDialogOf(TMDIChild &doc);

// The find dialog's Find Next (and F3): search, report a miss, close the dialog.
void Find(TMDIChild &doc);
// The replace dialog's Find Next: search and report a miss; the dialog stays.
void ReplaceDialogFind(TMDIChild &doc);
// The replace dialog's Replace (all = false) and Replace All.
void ReplaceDialogReplace(TMDIChild &doc, bool all);

// Selects the next match from the current selection. False (selection kept)
// when there is none or `text` is empty.
bool FindInEditor(TMDIChild &doc, const QString &text, const SearchOptions &options);

QString notFoundMessage(const QString &text);
