#pragma once

class QObject;
class TMDIChild;

// Makes the selection a named position, the keyword asked in an input box.
void LinkKeywordClick(TMDIChild &doc, QObject *sender);
// Wraps the selection in a mail link to the address asked in an input box.
void LinkMailtoClick(TMDIChild &doc, QObject *sender);
// Puts BASE with the document's own address, asked in an input box, in
// front of the selection.
void FontUrlClick(TMDIChild &doc, QObject *sender);
