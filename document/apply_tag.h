#pragma once

#include "document/tag_types.h"

class QObject;
class TMDIChild;

// What every menu command of a document window looks like.
using DocumentCommand = void (*)(TMDIChild &doc, QObject *sender);

// Where a command's tags go: the insert modes, and whether the selection is
// copied between the tags (around it) or left alone.
enum class Placement {
    AroundSelection,     // the selection, copied between the tags, replaces itself
    BeforeSelection,     // the selection stays, after the tags
    AfterSelection,      // the selection stays, before the tags
    ReplacingSelection,  // the tags take the selection's place
};

// The last steps of every tag command: clear the window's tag pair, set it
// to `tags`, capture the selection when the command wraps it, and insert.
void applyTag(TMDIChild &doc, const TagTexts &tags, Placement placement);
