#pragma once

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// A stand-in browser program: a shell script in `dir` that writes down the
// folder it was started in, the number of its arguments and each argument,
// one a line. Returns its path (empty when it could not be written).
inline QString writeRecordingBrowser(const QTemporaryDir &dir, const QString &name = QStringLiteral("browser"))
{
    const QString script = dir.filePath(name);
    QFile file(script);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    // Written whole, then renamed, so a reader never sees half of it.
    file.write("#!/bin/sh\n"
               "out=\"$(dirname \"$0\")/args\"\n"
               "{ pwd -P; echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; } > \"$out.tmp\"\n"
               "mv \"$out.tmp\" \"$out.txt\"\n");
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return script;
}

// What the browser in `dir` wrote down on its last run, waiting up to ten
// seconds for it; empty when it did not run. The record is taken away.
inline QStringList recordedRun(const QTemporaryDir &dir)
{
    const QString record = dir.filePath(QStringLiteral("args.txt"));
    if (!QTest::qWaitFor([&] { return QFile::exists(record); }, 10000))
        return {};
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    file.remove();
    return lines;
}
