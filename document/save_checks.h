#pragma once

#include <QByteArray>
#include <QList>
#include <QStringView>
#include <optional>

class TMDIChild;
struct UnencodableReport;

// The bytes a save writes, once the user has settled what the page cannot
// hold as it is: characters its encoding has no code for (written as
// character references, or the page switched to UTF-8), and a charset
// declaration that names another encoding. nullopt when the user called the
// save off; nothing has been written either way.
std::optional<QByteArray> bytesToSave(TMDIChild &doc);

// The list the unencodable-characters dialog shows for `positions` (all of
// them, ascending) in `page`.
UnencodableReport unencodableReport(QStringView page, const QList<qsizetype> &positions,
                                    const QString &encodingName);
