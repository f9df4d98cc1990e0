#include "platform/text_file.h"

#include "platform/cp932_codec.h"
#include "platform/utf8_codec.h"

#include <QFile>
#include <QSaveFile>

#include <utility>

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
    QFile file(path);
    // Unbuffered: readAll() then reads straight into its array.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
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
    // QSaveFile gives the new file the permissions of the one it replaces.
    if (!file.commit()) {
        result.status = SaveResult::Status::WriteFailed;
        result.errorString = file.errorString();
    }
    return result;
}
