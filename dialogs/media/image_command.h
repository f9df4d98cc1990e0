#pragma once

class QObject;
class TMDIChild;

// Puts the picture chosen in TfrmImage in front of the selection, which stays.
void ImageImageClick(TMDIChild &doc, QObject *sender);
