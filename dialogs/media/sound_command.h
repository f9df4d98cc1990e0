#pragma once

class QObject;
class TMDIChild;

// Puts a BGSOUND line for the sound chosen in TfrmSound in front of the
// selection, which stays.
void MMSoundClick(TMDIChild &doc, QObject *sender);
