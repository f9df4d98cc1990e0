#pragma once

class QObject;
class TMDIChild;

// Asks for a line number and puts the caret at the start of that line, in
// sight. A number out of range, or no number, gets a warning.
void GotoLineClick(TMDIChild &doc, QObject *sender);
