#pragma once

class QObject;
class TMDIChild;

// The list commands put a whole list in place of the selected lines, or an
// empty skeleton at the caret when nothing is selected.

// A bulleted list (UL), its mark type from TfrmMarkList.
void ListMarkClick(TMDIChild &doc, QObject *sender);
// A numbered list (OL), its number type and start from TfrmNumList.
void ListNumberClick(TMDIChild &doc, QObject *sender);
// A definition list (DL), terms and definitions taking turns; no dialog.
void ListDefineClick(TMDIChild &doc, QObject *sender);
