#pragma once

#include <QStringList>

class QApplication;
class TMainForm;

// Starts the editor: --help and --version answered without a window;
// otherwise the main window, the offer of pages a crashed run left unsaved,
// then each file argument that exists, then
// the event loop.
int runMarquill(int argc, char *argv[]);

// What the program sets on the application before its first window: its
// name, Qt's own texts in Japanese, stand-ins for the Windows fonts.
void setUpApplication(QApplication &app);

// Opens each of `files` that exists, in order; a missing name opens nothing,
// and a folder, FIFO or device gets a message instead. They are not added to
// the recent files, nor checked against the windows already open. Once the
// window budget is spent, its warning is shown once and the rest are left.
void openStartupFiles(TMainForm &mainForm, const QStringList &files);
