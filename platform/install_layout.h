#pragma once

#include <QString>

// Where an installed program's files sit relative to it: the program in
// <prefix>/bin, its data in <prefix>/share/marquill. Relative, so the same
// program works under any prefix it is installed to.

// The data folder of a program living in `programFolder` (with a trailing
// '/'), with a trailing '/', when it holds the help document; empty when the
// program is not installed (the build tree, an unpacked folder).
QString installedDataFolder(const QString &programFolder);

// The help document: beside the program when it is there, else in the
// installed data folder; beside the program when neither has it, so the
// viewer names the place it looked.
QString helpFilePath(const QString &programFolder);

// Where MARQUILL.INI lives: beside a program running from its own writable
// folder (the build tree, an unpacked folder); for an installed program, or
// one whose folder is read-only, in $XDG_CONFIG_HOME/marquill.
QString settingsFilePath(const QString &programFolder);
