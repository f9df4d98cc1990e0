#pragma once

class QObject;
class TMDIChild;

// Opens the dialog that writes the tag under the caret (the start tag, or
// the one an end tag closes, or the element read whole around the caret, or
// a "#RRGGBB" colour value), filled from it; OK with a change replaces that
// tag or element in one step the tag undo reverses. No such tag: says so.
void ToolTagEditClick(TMDIChild &doc, QObject *sender);
