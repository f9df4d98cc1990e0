#pragma once

#include <QStringList>

class QApplication;
class TMainForm;

// Starts the editor: the main window, the offer of pages a crashed run left
// unsaved, then the file named by the first argument when it exists, then
// the event loop.
int runMarquill(int argc, char *argv[]);

// What the program sets on the application before its first window: its
// name, Qt's own texts in Japanese, stand-ins for the Windows fonts.
void setUpApplication(QApplication &app);

// Opens the file named by the first argument after the program name, when
// it exists (a folder, FIFO or device gets a message instead). It is not
// added to the recent files.
void openStartupFile(TMainForm &mainForm, const QStringList &arguments);
