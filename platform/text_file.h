#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// A document file: CP932 bytes with CR LF line ends, read and written without
// losing a byte.

enum class LineEnd { CrLf, Lf };

struct LoadedText {
    QString text;              // lines separated by '\n'
    LineEnd lineEnd = LineEnd::CrLf;  // Lf only when every line end in the file is a lone LF
};

// The largest page opened: its text takes three times as much memory
// (bytes, characters, the editor's copy).
constexpr qint64 MaxPageBytes = qint64(512) << 20;

// CR LF, a lone LF and a lone CR each become one '\n'.
// nullopt when the file cannot be opened or read, is not a regular file
// (a FIFO is never waited on) or is larger than MaxPageBytes.
std::optional<LoadedText> readTextFile(const QString &path);

struct SaveResult {
    enum class Status { Saved, Unencodable, WriteFailed };
    Status status = Status::Saved;
    // Unencodable: the first character CP932 cannot hold, and its 1-based line.
    QString character;
    qsizetype line = 0;
    // WriteFailed: the system's reason, for diagnostics.
    QString errorString;
};

// `text` separates lines by '\n' or U+2029 (the editor's block separator);
// each becomes CR LF or LF as `lineEnd` says. Writes to a temporary file in the
// same folder and renames it over `path`, so a failure never leaves a
// truncated file; nothing is written when a character cannot be encoded.
SaveResult writeTextFile(const QString &path, QStringView text, LineEnd lineEnd);
