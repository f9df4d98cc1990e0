#include "app/document_commands.h"

#include "app/main_form.h"
#include "document/mdi_child.h"

void FileNewItemClick(TMDIChild &doc, QObject *sender)
{
    TMainForm::of(doc).FileNewItemClick(sender);
}

void FileOpenItemClick(TMDIChild &doc, QObject *sender)
{
    TMainForm &main = TMainForm::of(doc);
    main.FileOpenItemClick(sender);
    main.SyncRecentMenu(doc);
}

void FileExitItemClick(TMDIChild &doc, QObject *sender)
{
    TMainForm::of(doc).FileExitItemClick(sender);
}

void OpenFile1Click(TMDIChild &doc, QObject *sender)
{
    TMainForm::of(doc).OpenFile1Click(sender);
}

void UndoItemClick(TMDIChild &doc, QObject *)
{
    doc.UndoItemClick();
}
