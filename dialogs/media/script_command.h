#pragma once

#include <QString>

class QObject;
class TMDIChild;

// The Java ▸ Script commands: ready-made script blocks, no dialog. The
// shared commands tell their entries apart by the sender's Tag.

// The empty script block around the selection.
void JavaScriptScriptClick(TMDIChild &doc, QObject *sender);
// The status-bar scroller: Tag 0 moves the text to the left, 1 to the right.
void JavaScriptStatusLClick(TMDIChild &doc, QObject *sender);
// Tag 0: the clock in a form field; 1: the alert box. Both go in front of
// the selection.
void JavaScriptClockClick(TMDIChild &doc, QObject *sender);

// Puts `block` in front of the first "</head>" (any ASCII case) on a line
// of its own: the whole text is replaced in one step with its own undo
// snapshot, and the caret ends at the end of the document. Without such a
// tag the block goes in front of the selection.
void placeBeforeHeadEnd(TMDIChild &doc, const QString &block);
