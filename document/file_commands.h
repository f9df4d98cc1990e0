#pragma once

class QObject;
class TMDIChild;

// The filter of the open and save dialogs.
extern const char16_t *const HtmlFileFilter;

// Writes a modified document to its file, asking for a name first when it
// has none. True when the text is on disk afterwards (or there was nothing to
// write); false when the name dialog was cancelled or the write failed, in
// which case the document stays modified.
bool saveDocument(TMDIChild &doc);
// Asks for a name, takes it as caption and file name, and writes the file.
// False when cancelled or when the write failed.
bool saveDocumentAs(TMDIChild &doc);

// The close question. True when the window may close: the text was saved, is
// unchanged, or the user chose not to save it. A cancelled name dialog or a
// failed save keeps the window open.
bool FormCloseQuery(TMDIChild &doc);

void FileSaveItemClick(TMDIChild &doc, QObject *sender);
void FileSaveAsItemClick(TMDIChild &doc, QObject *sender);
void FileCloseItemClick(TMDIChild &doc, QObject *sender);
