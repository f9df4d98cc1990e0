// Any bytes load as a profile without a crash; writing a key and reading the
// file back gives that value, and every other line stays as it was: the lines
// before and after the written one are the old lines, at most one old line is
// replaced, and what is added is the key line or a new section holding it.
#include "platform/profile_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "profile file: %s\n", what);
        std::abort();
    }
}

QString scratchPath()
{
    static QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/marquill-fuzz-XXXXXX")
                                                      : QDir::tempPath() + QStringLiteral("/marquill-fuzz-XXXXXX"));
    return dir.filePath(QStringLiteral("MARQUILL.INI"));
}

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(bytes.sliced(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.sliced(start));
    return lines;
}

// Names and values as the program writes them: one line, no blanks around,
// not quoted; a key holds no '=' and neither starts with a comment or a
// section. Characters come from a small alphabet so that they meet the names
// already in the file.
QString nameFrom(FuzzedDataProvider &in, bool key)
{
    static const char16_t alphabet[] = u"abAB[] ;=\"'\t\u30C6\u3042\u00E9";
    QString name;
    const size_t length = in.ConsumeIntegralInRange<size_t>(1, 8);
    for (size_t i = 0; i < length; ++i)
        name += QChar(alphabet[in.ConsumeIntegralInRange<size_t>(0, std::size(alphabet) - 2)]);
    if (key)
        name.remove(u'=');
    name = name.trimmed();
    while (!name.isEmpty() && (name.front() == u';' || name.front() == u'['))
        name = name.sliced(1).trimmed();
    // Reading drops one pair of enclosing quotes, as Windows does.
    name = name.trimmed();
    while (name.size() >= 2 && (name.front() == u'"' || name.front() == u'\'') && name.back() == name.front())
        name = name.chopped(1).trimmed();
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString section = nameFrom(in, false);
    const QString key = nameFrom(in, true);
    const QString value = nameFrom(in, false);
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QByteArray before(rest.data(), qsizetype(rest.size()));

    const QString path = scratchPath();
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input");
        file.write(before);
    }
    // Reading whatever is there must not crash.
    (void)ReadProfileValue(path, section, key);
    if (section.isEmpty() || key.isEmpty())
        return 0;

    require(WriteProfileValue(path, section, key, value), "the write failed");
    const QString readBack = ReadProfileValue(path, section, key);
    if (readBack != value) {
        std::fprintf(stderr, "[%s] %s=%s read back as %s\n", section.toUtf8().toHex().constData(), key.toUtf8().toHex().constData(),
                     value.toUtf8().toHex().constData(), readBack.toUtf8().toHex().constData());
        require(false, "the value read back differs");
    }

    QFile file(path);
    require(file.open(QIODevice::ReadOnly), "cannot read the file back");
    const QList<QByteArray> oldLines = linesOf(before);
    const QList<QByteArray> newLines = linesOf(file.readAll());

    qsizetype head = 0;
    while (head < oldLines.size() && head < newLines.size() && oldLines[head] == newLines[head])
        ++head;
    qsizetype tail = 0;
    while (tail < oldLines.size() - head && tail < newLines.size() - head
           && oldLines[oldLines.size() - 1 - tail] == newLines[newLines.size() - 1 - tail]) {
        ++tail;
    }
    const qsizetype removed = oldLines.size() - head - tail;
    const qsizetype added = newLines.size() - head - tail;
    require(removed <= 1, "more than one old line changed");
    require(added <= (removed == 0 ? 3 : 1), "lines were added besides the key");
    return 0;
}
