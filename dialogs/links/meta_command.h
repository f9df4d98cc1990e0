#pragma once

class QObject;
class TMDIChild;

// Puts a META refresh tag chosen in "自動読み込み" in front of the selection,
// with a line break after the selection.
void PageMetaClick(TMDIChild &doc, QObject *sender);
