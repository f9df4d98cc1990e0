#pragma once

#include "platform/platform.h"

class QObject;
class TMDIChild;

// The input boxes of the submit and reset buttons, holding `preset` (a
// button reopened).
InputBoxRequest submitQuestion(const QString &preset = {});
InputBoxRequest resetQuestion(const QString &preset = {});

// The form fields without a dialog of their own (the others are declared
// beside their dialogs). Each puts its tag in front of the selection, which
// stays.
void FormRadiobuttonClick(TMDIChild &doc, QObject *sender);
void FormCheckboxClick(TMDIChild &doc, QObject *sender);
void FormSubmitClick(TMDIChild &doc, QObject *sender);
void FormResetClick(TMDIChild &doc, QObject *sender);
