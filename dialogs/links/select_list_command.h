#pragma once

class QObject;
class TMDIChild;

// Put a whole SELECT element, built in TfrmListBox or TfrmDropDown, in
// front of the selection, which stays.
void FormListboxClick(TMDIChild &doc, QObject *sender);
void FormDropdownlistClick(TMDIChild &doc, QObject *sender);
