#pragma once

#include <QString>

class QObject;
class TMDIChild;

// The Tag menu's fixed markup. Entries that share a command are told apart
// by the sender's "Tag" property (element and block pairs) or by the sender
// itself (character references).

// The element name of FontBoldClick's pair for a Tag value, empty when unknown.
QString elementForTag(int tag);

struct BlockPair {
    const char16_t *start;
    const char16_t *end;
};
// TextPreClick's pair for a Tag value; nullptr when unknown.
const BlockPair *blockForTag(int tag);

// The reference SpecialAmpClick writes for an entry name ("SpecialAmp" ...),
// empty when unknown.
QString characterReferenceFor(const QString &entryName);

// The sender's Tag value (a "Tag" property on menu entries and buttons).
int senderTag(const QObject *sender);

void FontBoldClick(TMDIChild &doc, QObject *sender);
void TextPreClick(TMDIChild &doc, QObject *sender);
void LfClick(TMDIChild &doc, QObject *sender);
void KeisenClick(TMDIChild &doc, QObject *sender);
void TextWbrClick(TMDIChild &doc, QObject *sender);
void TextBrClearClick(TMDIChild &doc, QObject *sender);
void PositionLeftClick(TMDIChild &doc, QObject *sender);
void PositionRightClick(TMDIChild &doc, QObject *sender);
void PageTitleClick(TMDIChild &doc, QObject *sender);
void FontCommentClick(TMDIChild &doc, QObject *sender);
void DanrakuClick(TMDIChild &doc, QObject *sender);
void SpecialAmpClick(TMDIChild &doc, QObject *sender);
