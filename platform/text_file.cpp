#include "platform/text_file.h"

#include "platform/cp932_codec.h"

#include <QFile>
#include <QSaveFile>

#include <utility>

std::optional<LoadedText> readTextFile(const QString &path)
{
    QFile file(path);
    // Unbuffered: readAll() then reads straight into its array.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;

    cp932::DecodedLines decoded = cp932::decodeLines(bytes);
    LoadedText loaded;
    loaded.text = std::move(decoded.text);
    loaded.lineEnd = decoded.hasLf && !decoded.hasCr ? LineEnd::Lf : LineEnd::CrLf;
    return loaded;
}

SaveResult writeTextFile(const QString &path, QStringView text, LineEnd lineEnd)
{
    SaveResult result;
    const QByteArrayView lineBreak = lineEnd == LineEnd::CrLf ? QByteArrayView("\r\n")
                                                              : QByteArrayView("\n");
    const cp932::Encoded encoded = cp932::encodeLines(text, lineBreak);

    if (encoded.firstUnencodable >= 0) {
        const qsizetype at = encoded.firstUnencodable;
        const bool pair = at + 1 < text.size() && text[at].isHighSurrogate()
                && text[at + 1].isLowSurrogate();
        result.status = SaveResult::Status::Unencodable;
        result.character = text.sliced(at, pair ? 2 : 1).toString();
        const QStringView before = text.first(at);
        result.line = 1 + before.count(u'\n') + before.count(u'\u2029');
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
