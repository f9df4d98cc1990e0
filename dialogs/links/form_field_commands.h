#pragma once

class QObject;
class TMDIChild;

// The form fields without a dialog of their own (the others are declared
// beside their dialogs). Each puts its tag in front of the selection, which
// stays.
void FormRadiobuttonClick(TMDIChild &doc, QObject *sender);
void FormCheckboxClick(TMDIChild &doc, QObject *sender);
void FormSubmitClick(TMDIChild &doc, QObject *sender);
void FormResetClick(TMDIChild &doc, QObject *sender);
