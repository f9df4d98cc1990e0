#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// A document file: CP932 (or UTF-8) bytes with CR LF line ends, read and
// written without losing a byte.

enum class LineEnd { CrLf, Lf };

// Utf8Bom: UTF-8 that starts with a byte-order mark, which is kept.
enum class TextEncoding { ShiftJis, Utf8, Utf8Bom };

struct LoadedText {
    QString text;              // lines separated by '\n'
    LineEnd lineEnd = LineEnd::CrLf;  // Lf only when every line end in the file is a lone LF
    TextEncoding encoding = TextEncoding::ShiftJis;
};

// The largest page opened: its text takes three times as much memory
// (bytes, characters, the editor's copy).
constexpr qint64 MaxPageBytes = qint64(512) << 20;

// The document in `bytes`: UTF-8 when they start with a byte-order mark or
// are valid UTF-8 holding at least one multi-byte sequence, CP932 otherwise.
// CR LF, a lone LF and a lone CR each become one '\n'.
LoadedText decodeDocument(QByteArrayView bytes);

// decodeDocument() of the file's bytes; nullopt when the file cannot be
// opened or read, is not a regular file (a FIFO is never waited on) or is
// larger than MaxPageBytes.
std::optional<LoadedText> readTextFile(const QString &path);

struct EncodedText {
    QByteArray bytes;
    // Shift-JIS only: the first character CP932 cannot hold and its 1-based
    // line; empty when every character was encoded.
    QString unencodable;
    qsizetype line = 0;
};

// `text` separates lines by '\n' or U+2029 (the editor's block separator);
// each becomes CR LF or LF as `lineEnd` says. Stops at a character the
// encoding cannot hold (only CP932 has such characters).
EncodedText encodeDocument(QStringView text, LineEnd lineEnd,
                           TextEncoding encoding = TextEncoding::ShiftJis);

struct SaveResult {
    enum class Status { Saved, Unencodable, WriteFailed };
    Status status = Status::Saved;
    // Unencodable: the first character CP932 cannot hold, and its 1-based line.
    QString character;
    qsizetype line = 0;
    // WriteFailed: the system's reason, for diagnostics.
    QString errorString;
};

// encodeDocument(), then writes to a temporary file in the same folder and
// renames it over `path`, so a failure never leaves a truncated file; nothing
// is written when a character cannot be encoded.
SaveResult writeTextFile(const QString &path, QStringView text, LineEnd lineEnd,
                         TextEncoding encoding = TextEncoding::ShiftJis);
