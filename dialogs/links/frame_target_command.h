#pragma once

class QObject;
class TMDIChild;

// Puts the BASE TARGET chosen in TfrmTarget in front of the selection,
// which stays as it is.
void FrameTergetClick(TMDIChild &doc, QObject *sender);
