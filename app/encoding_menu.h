#pragma once

class QMenu;
class TMDIChild;

// Turns a document window's encoding entries into radio entries and a
// check box that show the page's encoding each time the submenu opens.
void setUpEncodingMenu(TMDIChild &doc);

// The window's encoding submenu, also shown from the status bar.
QMenu *encodingMenuOf(const TMDIChild &doc);
