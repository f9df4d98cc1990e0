#pragma once

#include "platform/text_codec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// A document file: CP932 (or UTF-8, or EUC-JP) bytes with CR LF line ends,
// read and written without losing a byte.

enum class LineEnd { CrLf, Lf };

struct LoadedText {
    QString text;              // lines separated by '\n'
    LineEnd lineEnd = LineEnd::CrLf;  // Lf only when every line end in the file is a lone LF
    TextEncoding encoding = TextEncoding::ShiftJis;
};

// The largest page opened: its text takes three times as much memory
// (bytes, characters, the editor's copy).
constexpr qint64 MaxPageBytes = qint64(512) << 20;

// The document in `bytes`, its encoding told by the bytes where they can:
// - UTF-8 when they start with a byte-order mark or are valid UTF-8 holding
//   at least one multi-byte sequence;
// - EUC-JP when they are valid EUC-JP holding Japanese, and either hold kana
//   read so (read as CP932 they would be half-width katakana and rare kanji)
//   or are not valid CP932;
// - CP932 when they are valid CP932 and not valid EUC-JP.
// Where the bytes cannot tell (plain ASCII, valid or invalid both ways), the
// page's charset declaration decides, and CP932 without one.
// CR LF, a lone LF and a lone CR each become one '\n'.
LoadedText decodeDocument(QByteArrayView bytes);
// The document in `bytes` read as `encoding`, whatever they look like; a
// UTF-8 byte-order mark read as UTF-8 is kept as Utf8Bom.
LoadedText decodeDocumentAs(QByteArrayView bytes, TextEncoding encoding);

// decodeDocument() (or decodeDocumentAs(), given `as`) of the file's bytes;
// nullopt when the file cannot be opened or read, is not a regular file (a
// FIFO is never waited on) or is larger than MaxPageBytes.
std::optional<LoadedText> readTextFile(const QString &path,
                                       std::optional<TextEncoding> as = std::nullopt);

struct EncodedText {
    QByteArray bytes;
    // The first character the encoding cannot hold and its 1-based line;
    // empty when every character was encoded.
    QString unencodable;
    qsizetype line = 0;
};

// `text` separates lines by '\n' or U+2029 (the editor's block separator);
// each becomes CR LF or LF as `lineEnd` says. Stops at a character the
// encoding cannot hold (CP932 and EUC-JP have such characters), or, given
// `all`, lists every one of them there and encodes the rest.
EncodedText encodeDocument(QStringView text, LineEnd lineEnd,
                           TextEncoding encoding = TextEncoding::ShiftJis,
                           codec::UnencodableList *all = nullptr);

struct SaveResult {
    enum class Status { Saved, Unencodable, WriteFailed };
    Status status = Status::Saved;
    // Unencodable: the first character CP932 cannot hold, and its 1-based line.
    QString character;
    qsizetype line = 0;
    // WriteFailed: the system's reason, for diagnostics.
    QString errorString;
};

// encodeDocument(), then writeFileBytes(); nothing is written when a
// character cannot be encoded.
SaveResult writeTextFile(const QString &path, QStringView text, LineEnd lineEnd,
                         TextEncoding encoding = TextEncoding::ShiftJis);
// Writes to a temporary file in the same folder and renames it over `path`,
// so a failure never leaves a truncated file.
SaveResult writeFileBytes(const QString &path, const QByteArray &bytes);
