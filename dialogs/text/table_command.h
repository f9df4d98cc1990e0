#pragma once

class QObject;
class TMDIChild;
struct TableOptions;

// A whole table from the table dialog, written line by line in front of the
// selection, each line an insertion of its own.
void HyoCreateClick(TMDIChild &doc, QObject *sender);

// The writing part of HyoCreateClick, once the dialog is confirmed.
void insertTable(TMDIChild &doc, const TableOptions &options);
