#pragma once

class QObject;
class TMDIChild;

// Wraps the selection in a FRAME set up in TfrmFrame.
void FrameFrameClick(TMDIChild &doc, QObject *sender);
