// A document file read and written back unedited, in the encoding it was
// read in (Shift-JIS, UTF-8, UTF-8 with its byte-order mark): uniform line
// ends (all CR LF, all LF, or none) give the very same bytes; mixed ones and
// lone CRs come back as CR LF and everything else unchanged.
#include "platform/text_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "text file round trip: %s\n", what);
        std::abort();
    }
}

// The expected file: every CR LF, lone CR and lone LF as CR LF, unless all
// line ends are lone LFs.
QByteArray expectedBytes(const QByteArray &in)
{
    bool anyCr = false;
    QByteArray out;
    out.reserve(in.size() * 2);
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '\r') {
            anyCr = true;
            out += "\r\n";
            if (i + 1 < in.size() && in[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return anyCr ? out : in;
}

QString scratchPath()
{
    // tmpfs where there is one: the save flushes the file to disk.
    static QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/marquill-fuzz-XXXXXX")
                                                      : QDir::tempPath() + QStringLiteral("/marquill-fuzz-XXXXXX"));
    return dir.filePath(QStringLiteral("page.htm"));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly), "cannot read the file back");
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = scratchPath();
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input");
        require(file.write(bytes) == bytes.size(), "short write of the input");
    }

    const std::optional<LoadedText> loaded = readTextFile(path);
    require(loaded.has_value(), "readTextFile failed");
    const SaveResult saved = writeTextFile(path, loaded->text, loaded->lineEnd, loaded->encoding);
    require(saved.status == SaveResult::Status::Saved, "writeTextFile refused the text it read");
    require(fileBytes(path) == expectedBytes(bytes), "the file came back different");
    return 0;
}
