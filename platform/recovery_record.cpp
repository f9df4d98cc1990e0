#include "platform/recovery_record.h"

#include <QByteArrayView>
#include <QList>

namespace {

const QByteArray formatLine = "Marquill recovery 1";

QByteArray escaped(const QString &value)
{
    QByteArray bytes = value.toUtf8();
    bytes.replace('%', "%25").replace('\r', "%0D").replace('\n', "%0A");
    return bytes;
}

QString unescaped(QByteArrayView value)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(value.toByteArray()));
}

QByteArray stampText(const FileStamp &stamp)
{
    return QByteArray::number(stamp.size) + ' ' + QByteArray::number(stamp.modifiedNs) + ' '
            + QByteArray::number(stamp.device) + ' ' + QByteArray::number(stamp.inode);
}

std::optional<FileStamp> stampFrom(QByteArrayView text)
{
    const QList<QByteArray> parts = text.toByteArray().split(' ');
    if (parts.size() != 4)
        return std::nullopt;
    bool ok[4] = {};
    const FileStamp stamp{parts[0].toLongLong(&ok[0]), parts[1].toLongLong(&ok[1]),
                          parts[2].toULongLong(&ok[2]), parts[3].toULongLong(&ok[3])};
    if (!(ok[0] && ok[1] && ok[2] && ok[3]))
        return std::nullopt;
    return stamp;
}

QByteArray encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Utf8Bom:
        return "UTF-8-BOM";
    case TextEncoding::EucJp:
        return "EUC-JP";
    case TextEncoding::ShiftJis:
        break;
    }
    return "CP932";
}

// Anything unknown is read as the program's own encoding.
TextEncoding encodingNamed(QByteArrayView name)
{
    if (name == "UTF-8")
        return TextEncoding::Utf8;
    if (name == "UTF-8-BOM")
        return TextEncoding::Utf8Bom;
    if (name == "EUC-JP")
        return TextEncoding::EucJp;
    return TextEncoding::ShiftJis;
}

} // namespace

QByteArray recoveryBytes(const RecoveryRecord &record)
{
    QString text = record.text;
    text.replace(QChar::ParagraphSeparator, u'\n');
    const QByteArray body = text.toUtf8();

    QByteArray bytes = formatLine + '\n';
    bytes += "caption=" + escaped(record.caption) + '\n';
    bytes += "file=" + escaped(record.fileName) + '\n';
    bytes += record.lineEnd == LineEnd::Lf ? "lineEnd=LF\n" : "lineEnd=CRLF\n";
    bytes += "encoding=" + encodingName(record.encoding) + '\n';
    if (record.fileStamp)
        bytes += "stamp=" + stampText(*record.fileStamp) + '\n';
    bytes += "textBytes=" + QByteArray::number(body.size()) + "\n\n";
    bytes += body;
    return bytes;
}

std::optional<RecoveryRecord> parseRecoveryBytes(const QByteArray &bytes)
{
    const QByteArrayView all(bytes);
    const qsizetype headerEnd = all.indexOf("\n\n");
    if (headerEnd < 0)
        return std::nullopt;
    const QList<QByteArray> lines = bytes.first(headerEnd).split('\n');
    if (lines.first() != formatLine)
        return std::nullopt;

    RecoveryRecord record;
    qsizetype textBytes = -1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            return std::nullopt;
        const QByteArrayView key = QByteArrayView(line).first(equals);
        const QByteArrayView value = QByteArrayView(line).sliced(equals + 1);
        if (key == "caption") {
            record.caption = unescaped(value);
        } else if (key == "file") {
            record.fileName = unescaped(value);
        } else if (key == "lineEnd") {
            record.lineEnd = value == "LF" ? LineEnd::Lf : LineEnd::CrLf;
        } else if (key == "encoding") {
            record.encoding = encodingNamed(value);
        } else if (key == "stamp") {
            record.fileStamp = stampFrom(value);
            if (!record.fileStamp)
                return std::nullopt;
        } else if (key == "textBytes") {
            bool ok = false;
            textBytes = value.toByteArray().toLongLong(&ok);
            if (!ok)
                return std::nullopt;
        }
    }
    const QByteArrayView body = all.sliced(headerEnd + 2);
    if (textBytes != body.size())
        return std::nullopt;
    record.text = QString::fromUtf8(body);
    return record;
}
