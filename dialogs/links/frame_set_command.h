#pragma once

class QObject;
class TMDIChild;

// Wraps the selection (typically the FRAME tags) in a FRAMESET laid out in
// TfrmFrameSet.
void FrameFrameSetClick(TMDIChild &doc, QObject *sender);
