#pragma once

class QObject;
class TMDIChild;

// Puts a PARAM line with the name and value from TfrmParam in front of the
// selection, which stays.
void JavaParmClick(TMDIChild &doc, QObject *sender);
