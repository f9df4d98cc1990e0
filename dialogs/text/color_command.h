#pragma once

#include "dialogs/tag_reopen.h"
#include "document/tag_types.h"

#include <QColor>

class QObject;
class TMDIChild;

// The bare colour code, put in place of the selection: "FF0000".
TagTexts colorCodeTag(const QColor &color);
// A data cell with a background colour, around the selection:
// "<TD BGCOLOR=#FFFF00>" … "</TD>" CR LF.
TagTexts coloredCellTag(const QColor &color);
// TD with BGCOLOR read back: its colour.
Reopened<QColor> reopenColoredCell(const TagElement &cell, const QColor &base);

void ColorClick(TMDIChild &doc, QObject *sender);
void HyoBgcDataClick(TMDIChild &doc, QObject *sender);
