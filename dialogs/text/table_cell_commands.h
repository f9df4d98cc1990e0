#pragma once

class QObject;
class TMDIChild;

// The table parts that wrap the selection without asking anything. The
// coloured cell, which asks for its colour, is HyoBgcDataClick.
void HyoCaptionClick(TMDIChild &doc, QObject *sender);
void HyoRowsClick(TMDIChild &doc, QObject *sender);
void HyoPosUpperClick(TMDIChild &doc, QObject *sender);
void HyoPosLowerClick(TMDIChild &doc, QObject *sender);
