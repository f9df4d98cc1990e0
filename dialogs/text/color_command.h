#pragma once

#include "document/tag_types.h"

#include <QColor>

class QObject;
class TMDIChild;

// The bare colour code, put in place of the selection: "FF0000".
TagTexts colorCodeTag(const QColor &color);
// A data cell with a background colour, around the selection:
// "<TD BGCOLOR=#FFFF00>" … "</TD>" CR LF.
TagTexts coloredCellTag(const QColor &color);

void ColorClick(TMDIChild &doc, QObject *sender);
void HyoBgcDataClick(TMDIChild &doc, QObject *sender);
