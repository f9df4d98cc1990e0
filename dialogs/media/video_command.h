#pragma once

class QObject;
class TMDIChild;

// Puts an IMG tag for the video clip chosen in TfrmVideo in front of the
// selection, which stays.
void MMVideoClick(TMDIChild &doc, QObject *sender);
