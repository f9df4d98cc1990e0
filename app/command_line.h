#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of the program.
struct CommandLine {
    enum class Request { Run, Help, Version, Error };
    Request request = Request::Run;
    // Help: the usage text; Version: the version line; Error: the complaint.
    // Each ends with a line break.
    QString text;
    // Run: the file arguments, in the order given.
    QStringList files;
};

// Reads `arguments` (the program's name first). Needs no application object,
// so --help and --version can be answered before the toolkit looks for a
// display.
CommandLine readCommandLine(const QStringList &arguments);
