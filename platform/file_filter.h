#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One entry of a file dialog's type list.
struct FileType {
    QString nameFilter;         // for QFileDialog::setNameFilters
    bool programsOnly = false;  // lists only the files one may run (and folders)
    bool operator==(const FileType &) const = default;
};

// Turns a filter written as "Description|pattern|Description|pattern" into
// file types. Each entry keeps its description as written and gets a
// pattern that behaves like the Windows one: letters match either case,
// "*.*" matches every name (with or without a dot) and ';' separates
// patterns. Programs carry no ".EXE" here, so an entry of "*.EXE" alone
// lists the executable files instead, its description without "(*.EXE)".
// Show them with QFileDialog::HideNameFilterDetails so only the
// descriptions appear.
QList<FileType> fileTypes(const QString &filter);
// The name filters of fileTypes(filter).
QStringList qtNameFilters(const QString &filter);
