#pragma once

#include <QIcon>
#include <QList>

// The sizes the program's icon is drawn in, smallest first.
QList<int> programIconSizes();

// The program's own icon, in every drawn size, for the main window, the
// document windows and the dialogs.
QIcon programIcon();
