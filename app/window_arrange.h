#pragma once

class QMdiArea;

// Window arrangements the document area lacks of its own.

// Every open, not minimised window in the order they were made, each one
// title bar lower and further right than the one before and as large as
// that leaves room for; the active window ends on top.
void cascade(QMdiArea &area);
// Every open, not minimised window as a full-width band, one under another.
void tileHorizontally(QMdiArea &area);
// Minimised windows in a row along the bottom edge, left to right.
void arrangeIcons(QMdiArea &area);
// Minimises every window, from the last to the first.
void minimizeAll(QMdiArea &area);
