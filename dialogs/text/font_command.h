#pragma once

class QObject;
class TMDIChild;

// Wraps the selection in FONT with the size, colour and face of "サイズと色".
void FontColorClick(TMDIChild &doc, QObject *sender);
// Puts BASEFONT with the size of "ベースフォントサイズ" in front of the selection.
void FontBaseClick(TMDIChild &doc, QObject *sender);
