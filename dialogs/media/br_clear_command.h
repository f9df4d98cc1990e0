#pragma once

class QObject;
class TMDIChild;

// A BR CLEAR tag right after the selection, its side chosen in
// "イメージに重ならない改行".
void PageBrClick(TMDIChild &doc, QObject *sender);
