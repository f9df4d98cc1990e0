#pragma once

class QObject;
class TMDIChild;

// The form fields. Each puts its tag in front of the selection, which stays;
// only the text area wraps the selection, as its initial content.
void FormTextboxClick(TMDIChild &doc, QObject *sender);
void FormMultilineClick(TMDIChild &doc, QObject *sender);
void FormRadiobuttonClick(TMDIChild &doc, QObject *sender);
void FormCheckboxClick(TMDIChild &doc, QObject *sender);
void FormImageClick(TMDIChild &doc, QObject *sender);
void FormSubmitClick(TMDIChild &doc, QObject *sender);
void FormResetClick(TMDIChild &doc, QObject *sender);
void FormHiddenClick(TMDIChild &doc, QObject *sender);
