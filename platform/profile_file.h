#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

// An initialisation file ("[section]" lines and "key=value" lines) read and
// written the way the Windows profile functions do: section and key names
// match without regard to case, values come back trimmed of blanks and of one
// pair of enclosing quotes, rewriting a key keeps every other line (comments,
// other sections, unknown keys) and their order, and a missing file or
// section is created on write. No length limits.
//
// Text is written as UTF-8 (file paths on this system are UTF-8); a file
// whose bytes are not UTF-8 (one brought from Windows) is read as CP932.
class ProfileFile
{
public:
    // A missing or unreadable file gives an empty profile.
    static ProfileFile load(const QString &path);

    QString value(QStringView section, QStringView key, const QString &defaultValue) const;
    void setValue(QStringView section, QStringView key, const QString &value);

    // Atomic: a temporary file renamed over `path`. False when it cannot be written.
    bool save(const QString &path) const;

private:
    QList<QByteArray> m_lines;     // without their line ends
    QByteArray m_lineEnd = "\r\n";
};

// The program's helpers over the profile file. A missing key and a key whose
// value is "*" both read as empty. An empty value is written as "key=".
QString ReadProfileValue(const QString &file, const QString &section, const QString &key);
bool WriteProfileValue(const QString &file, const QString &section, const QString &key,
                       const QString &value);
