#pragma once

#include <QList>
#include <QTextLayout>

class QTextBlock;

// Gives a laid-out line new formats (colours) that show the next time the
// line is laid out and drawn: the view lays it out again as it paints it.
//
// QTextLayout::setFormats() also tells the document that the whole line
// changed. Outside an edit that notice waits for the next edit and joins
// it, so a keystroke after a scroll would make the layout forget every
// line between the two. Here the text engine takes the formats directly
// when the running Qt is the one this was built against; otherwise the
// notice is handed to the layout at once, so it covers only this line.
void setLineFormats(const QTextBlock &block, const QList<QTextLayout::FormatRange> &formats);
