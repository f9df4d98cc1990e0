#pragma once

class QObject;
class TMDIChild;

// The document window's commands that are not markup: New, Open, Exit and
// the recent files belong to the main window; Undo is the window's own.
// In the shape of every other document command, for the menu and toolbar rows.
void FileNewItemClick(TMDIChild &doc, QObject *sender);
void FileOpenItemClick(TMDIChild &doc, QObject *sender);
void FileExitItemClick(TMDIChild &doc, QObject *sender);
void OpenFile1Click(TMDIChild &doc, QObject *sender);
void UndoItemClick(TMDIChild &doc, QObject *sender);
