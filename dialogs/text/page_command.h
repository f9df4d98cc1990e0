#pragma once

class QObject;
class TMDIChild;

// Wraps the selection in a BODY element with the page's colours, background
// and margins chosen in TfrmPage.
void PageConfigClick(TMDIChild &doc, QObject *sender);
