#pragma once

class QObject;
class TMDIChild;

// Puts a rule chosen in TfrmLine on its own line after the selection.
void PageKeisenClick(TMDIChild &doc, QObject *sender);
