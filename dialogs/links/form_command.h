#pragma once

class QObject;
class TMDIChild;

// Wraps the selection in a FORM element chosen in TfrmForm.
void FormAreaClick(TMDIChild &doc, QObject *sender);
