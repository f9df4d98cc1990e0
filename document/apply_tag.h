#pragma once

#include "document/tag_types.h"

class TMDIChild;

// Whether the command wraps the selection (copies it between the tags) or
// leaves it alone.
enum class Capture { None, Selection };

// The last steps of every tag command: clear the window's tag pair, set it
// to `tags`, capture the selection when the command wraps it, and insert.
void applyTag(TMDIChild &doc, const TagTexts &tags, InsertMode mode, Capture capture);
