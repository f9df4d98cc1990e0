#pragma once

#include "platform/file_state.h"
#include "platform/text_file.h"

#include <QByteArray>
#include <QString>
#include <optional>

// A copy of a page with unsaved changes, kept so that a crash does not take
// them: everything needed to open the page again as it was.
struct RecoveryRecord {
    QString caption;
    QString fileName;  // empty: never saved
    LineEnd lineEnd = LineEnd::CrLf;
    TextEncoding encoding = TextEncoding::ShiftJis;
    // The file as the page last read or wrote it; nullopt when there was none.
    std::optional<FileStamp> fileStamp;
    QString text;  // lines separated by '\n' or U+2029
};

// "key=value" header lines ('%', CR and LF escaped), an empty line, then the
// text as UTF-8 with LF line ends, so that any editor can open it by hand.
// Readers skip keys they do not know.
QByteArray recoveryBytes(const RecoveryRecord &record);
// nullopt for anything but a whole record: another format, a header without
// its end, a text of another length than the header says.
std::optional<RecoveryRecord> parseRecoveryBytes(const QByteArray &bytes);
