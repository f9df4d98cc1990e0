#pragma once

#include <QString>
#include <QStringList>

// Turns a filter written as "Description|pattern|Description|pattern" into
// Qt name filters. Each entry keeps its description as written and gets a
// pattern that behaves like the Windows one: letters match either case,
// "*.*" matches every name (with or without a dot) and ';' separates patterns.
// Show them with QFileDialog::HideNameFilterDetails so only the descriptions
// appear.
QStringList qtNameFilters(const QString &filter);
