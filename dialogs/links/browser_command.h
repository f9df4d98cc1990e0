#pragma once

class QObject;
class TMDIChild;

// Shows the document's file in the browser program, saving it first when
// the user agrees.
void ToolDspClick(TMDIChild &doc, QObject *sender);
// Lets the user choose the browser program in TfrmBrowser; the choice is
// written to MARQUILL.INI at once.
void KP1Click(TMDIChild &doc, QObject *sender);
