#include "platform/text_file.h"

#include "platform/charset_declaration.h"
#include "platform/cp932_codec.h"
#include "platform/euc_jp_codec.h"
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

LoadedText loaded(codec::DecodedLines decoded, TextEncoding encoding)
{
    return {std::move(decoded.text), lineEndOf(decoded.hasLf, decoded.hasCr), encoding};
}

} // namespace

LoadedText decodeDocumentAs(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf8Bom) {
        const bool marked = bytes.startsWith(byteOrderMark);
        return loaded(utf8::decodeLines(marked ? bytes.sliced(byteOrderMark.size()) : bytes),
                      marked ? TextEncoding::Utf8Bom : TextEncoding::Utf8);
    }
    return loaded(textCodec(encoding).decodeLines(bytes), encoding);
}

LoadedText decodeDocument(QByteArrayView bytes)
{
    if (bytes.startsWith(byteOrderMark) || utf8::isMultiByteUtf8(bytes))
        return decodeDocumentAs(bytes, TextEncoding::Utf8);
    // A Shift-JIS page stops being valid EUC-JP at its first kana or
    // punctuation, so trying EUC-JP first costs it next to nothing.
    eucjp::Decoded euc = eucjp::decodeLines(bytes, true);
    const bool eucValid = euc.strays == 0;
    if (eucValid && euc.kana > 0)
        return loaded(std::move(euc), TextEncoding::EucJp);
    codec::DecodedLines sjis = cp932::decodeLines(bytes);
    const bool sjisValid = sjis.strays == 0;
    if (eucValid && euc.multiByte > 0 && !sjisValid)
        return loaded(std::move(euc), TextEncoding::EucJp);
    if (!eucValid && sjisValid)
        return loaded(std::move(sjis), TextEncoding::ShiftJis);
    // The bytes cannot tell.
    const std::optional<TextEncoding> declared = declaredEncoding(bytes);
    if (declared == TextEncoding::EucJp && eucValid)
        return loaded(std::move(euc), TextEncoding::EucJp);
    if (declared && declared != TextEncoding::ShiftJis)
        return decodeDocumentAs(bytes, *declared);
    return loaded(std::move(sjis), TextEncoding::ShiftJis);
}

std::optional<LoadedText> readTextFile(const QString &path, std::optional<TextEncoding> as)
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
    return as ? decodeDocumentAs(bytes, *as) : decodeDocument(bytes);
}

EncodedText encodeDocument(QStringView text, LineEnd lineEnd, TextEncoding encoding,
                           codec::UnencodableList *all)
{
    EncodedText result;
    codec::Encoded encoded = textCodec(encoding).encodeLines(text, lineBreakOf(lineEnd), all);
    if (encoded.firstUnencodable >= 0) {
        const qsizetype at = encoded.firstUnencodable;
        const bool pair = at + 1 < text.size() && text[at].isHighSurrogate()
                && text[at + 1].isLowSurrogate();
        result.unencodable = text.sliced(at, pair ? 2 : 1).toString();
        const QStringView before = text.first(at);
        result.line = 1 + before.count(u'\n') + before.count(u'\u2029');
        if (!all)
            return result;
    }
    result.bytes = std::move(encoded.bytes);
    if (encoding == TextEncoding::Utf8Bom)
        result.bytes.prepend(byteOrderMark);
    return result;
}

SaveResult writeTextFile(const QString &path, QStringView text, LineEnd lineEnd, TextEncoding encoding)
{
    const EncodedText encoded = encodeDocument(text, lineEnd, encoding);
    if (!encoded.unencodable.isEmpty()) {
        SaveResult result;
        result.status = SaveResult::Status::Unencodable;
        result.character = encoded.unencodable;
        result.line = encoded.line;
        return result;
    }
    return writeFileBytes(path, encoded.bytes);
}

SaveResult writeFileBytes(const QString &path, const QByteArray &bytes)
{
    SaveResult result;

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
    if (file.write(bytes) != bytes.size())
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
