#include "platform/text_file.h"

#include "platform/cp932_codec.h"
#include "platform/file_state.h"
#include "platform/utf8_codec.h"

#include <QFile>
#include <QSaveFile>

#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr QByteArrayView byteOrderMark("\xEF\xBB\xBF");

QByteArrayView lineBreakOf(LineEnd lineEnd)
{
    return lineEnd == LineEnd::CrLf ? QByteArrayView("\r\n") : QByteArrayView("\n");
}

LineEnd lineEndOf(bool hasLf, bool hasCr)
{
    return hasLf && !hasCr ? LineEnd::Lf : LineEnd::CrLf;
}

} // namespace

LoadedText decodeDocument(QByteArrayView bytes)
{
    const bool marked = bytes.startsWith(byteOrderMark);
    if (marked || utf8::isMultiByteUtf8(bytes)) {
        utf8::DecodedLines decoded =
                utf8::decodeLines(marked ? bytes.sliced(byteOrderMark.size()) : bytes);
        return {std::move(decoded.text), lineEndOf(decoded.hasLf, decoded.hasCr),
                marked ? TextEncoding::Utf8Bom : TextEncoding::Utf8};
    }
    cp932::DecodedLines decoded = cp932::decodeLines(bytes);
    return {std::move(decoded.text), lineEndOf(decoded.hasLf, decoded.hasCr), TextEncoding::ShiftJis};
}

std::optional<LoadedText> readTextFile(const QString &path)
{
    // Non-blocking, so that a FIFO put in the file's place cannot hold the
    // open; its type is checked before a byte is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > MaxPageBytes) {
        ::close(fd);
        return std::nullopt;
    }
    QFile file;
    // Unbuffered: readAll() then reads straight into its array.
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return decodeDocument(bytes);
}

EncodedText encodeDocument(QStringView text, LineEnd lineEnd, TextEncoding encoding)
{
    EncodedText result;
    if (encoding != TextEncoding::ShiftJis) {
        result.bytes = utf8::encodeLines(text, lineBreakOf(lineEnd));
        if (encoding == TextEncoding::Utf8Bom)
            result.bytes.prepend(byteOrderMark);
        return result;
    }
    cp932::Encoded encoded = cp932::encodeLines(text, lineBreakOf(lineEnd));
    if (encoded.firstUnencodable >= 0) {
        const qsizetype at = encoded.firstUnencodable;
        const bool pair = at + 1 < text.size() && text[at].isHighSurrogate()
                && text[at + 1].isLowSurrogate();
        result.unencodable = text.sliced(at, pair ? 2 : 1).toString();
        const QStringView before = text.first(at);
        result.line = 1 + before.count(u'\n') + before.count(u'\u2029');
        return result;
    }
    result.bytes = std::move(encoded.bytes);
    return result;
}

SaveResult writeTextFile(const QString &path, QStringView text, LineEnd lineEnd, TextEncoding encoding)
{
    SaveResult result;
    const EncodedText encoded = encodeDocument(text, lineEnd, encoding);
    if (!encoded.unencodable.isEmpty()) {
        result.status = SaveResult::Status::Unencodable;
        result.character = encoded.unencodable;
        result.line = encoded.line;
        return result;
    }

    // The rename would put a file in place of a FIFO or a device.
    if (const FileKind kind = fileState(path).kind;
        kind == FileKind::Folder || kind == FileKind::Special) {
        result.status = SaveResult::Status::WriteFailed;
        result.errorString = QStringLiteral("not a regular file");
        return result;
    }

    QSaveFile file(path);
    // Writing in place could leave a half-written document behind.
    file.setDirectWriteFallback(false);
    auto fail = [&] {
        result.status = SaveResult::Status::WriteFailed;
        result.errorString = file.errorString();
        file.cancelWriting();
        return result;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    if (file.write(encoded.bytes) != encoded.bytes.size())
        return fail();
    // QSaveFile gives the new file the permissions of the one it replaces,
    // except that for root it adds the owner's write permission.
    struct stat before = {};
    const bool existed = ::stat(QFile::encodeName(path).constData(), &before) == 0;
    if (!file.commit()) {
        result.status = SaveResult::Status::WriteFailed;
        result.errorString = file.errorString();
    } else if (existed) {
        ::chmod(QFile::encodeName(path).constData(), before.st_mode & 07777);
    }
    return result;
}
