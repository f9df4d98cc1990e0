#pragma once

class QObject;
class TMDIChild;

// Wraps the selection (PARAM lines, alternative text) in an APPLET element
// for the class chosen in TfrmApplet.
void JavaAppletClick(TMDIChild &doc, QObject *sender);
