#pragma once

class QObject;
class TMDIChild;

// Puts the hot spot chosen in TfrmClientMap on a line of its own in front of
// the selection, which stays.
void ImageHotspotClick(TMDIChild &doc, QObject *sender);
// Asks for a map's name and wraps the selection (its hot spots) in the map.
void ImageClientMapClick(TMDIChild &doc, QObject *sender);
