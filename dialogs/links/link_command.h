#pragma once

#include "platform/platform.h"

class QObject;
class TMDIChild;

// The input boxes of these commands, holding `preset` (a link reopened).
InputBoxRequest keywordQuestion(const QString &preset = {});
InputBoxRequest mailtoQuestion(const QString &preset = {});
InputBoxRequest baseUrlQuestion(const QString &preset = QStringLiteral("http://"));

// Makes the selection a named position, the keyword asked in an input box.
void LinkKeywordClick(TMDIChild &doc, QObject *sender);
// Wraps the selection in a mail link to the address asked in an input box.
void LinkMailtoClick(TMDIChild &doc, QObject *sender);
// Puts BASE with the document's own address, asked in an input box, in
// front of the selection.
void FontUrlClick(TMDIChild &doc, QObject *sender);
