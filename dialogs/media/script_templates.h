#pragma once

#include "document/tag_types.h"

#include <QString>

// The ready-made JavaScript blocks of the Java ▸ Script menu. Each is fixed
// text the user edits afterwards; every line, the last one included, ends
// in CR LF.

// The empty block: its two opening lines go before the selection, its two
// closing lines after it.
TagTexts scriptBlock();

enum class ScrollDirection {
    Left,   // the first two characters move to the end
    Right,  // the last two characters move to the front
};

// A message that scrolls through the browser's status bar, two characters
// every 200 ms. Sixteen lines; the directions differ only in the three that
// move the characters.
QString statusBarScroller(ScrollDirection direction);

// A form field that shows the time as HH:MM:SS, renewed about once a second.
QString clockBlock();

// An alert box with a placeholder message.
QString alertBlock();
