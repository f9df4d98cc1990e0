#pragma once

class QObject;
class TMDIChild;

// Wraps the selection in a heading H1 to H6 chosen in "見出し".
void MidashiClick(TMDIChild &doc, QObject *sender);
