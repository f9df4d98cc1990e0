#pragma once

class QMainWindow;

// What assistive technology is offered of a frame's status bar and toolbar
// panels. Qt lists every child widget of a widget, hidden ones included, so a
// screen reader would meet the empty status panel and an unnamed size grip.
// Call before the bars are made: from then on a bar offers only the children
// that show and say something, and its helper widgets carry names.
void installBarAccessibility();
// Names the parts Qt makes of its own inside `frame`'s status bar.
void nameBarParts(QMainWindow &frame);
