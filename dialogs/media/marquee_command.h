#pragma once

class QObject;
class TMDIChild;

// Wraps the selection in MARQUEE with the attributes of "マーキー".
void MMMarqueeClick(TMDIChild &doc, QObject *sender);
