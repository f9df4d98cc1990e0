#pragma once

#include "platform/text_codec.h"

class QObject;
class TMDIChild;

// The encoding an entry of the Tool menu's encoding list stands for, by
// its Tag: 0 Shift_JIS, 1 EUC-JP, 2 UTF-8.
TextEncoding encodingOfTag(int tag);

// Chooses the entry's encoding for the next save (a UTF-8 page keeps its
// byte-order mark setting).
void EncodingClick(TMDIChild &doc, QObject *sender);
// Adds or drops the byte-order mark of a UTF-8 page.
void EncodingBomClick(TMDIChild &doc, QObject *sender);
// Reads the file again in the page's chosen encoding, asking first when
// that would throw away changes to the text.
void EncodingReopenClick(TMDIChild &doc, QObject *sender);
