#pragma once

#include <QByteArray>
#include <QString>

// The pages the benchmarks open, type in and search: HTML-like text, about
// half Japanese, made from a fixed seed so every run sees the same bytes.

inline constexpr qsizetype megabyte = 1000 * 1000;
inline constexpr int plantedMatches = 10000;
// What the planted lines start with.
inline const QString plantedNeedle = QStringLiteral("<font color=\"red\">");

// A temporary folder for the sample files, removed at exit.
QString benchFolder();

// A page of about `bytes` CP932 bytes (CR LF line ends), as the editor holds
// it: lines joined by '\n'. With `planted`, that many lines start with
// plantedNeedle, evenly spread.
QString pageText(qsizetype bytes, int planted = 0);
// A single line of `characters` characters, no line break at all.
QString longLineText(qsizetype characters);

QByteArray encodedFile(const QString &text);

// Made once per size and kept.
const QString &pageSample(int mb);
const QString &plantedSample(int mb);
// One line of 5 million characters.
const QString &longLineSample();

struct SampleFiles {
    QString cp932;  // what the editor opens
};
const SampleFiles &sampleFiles(const QString &name, const QString &text);

// A Shift-JIS file with CR LF line ends read with the bare toolkit: Qt's own
// Shift-JIS decoder, then one '\n' a line, as the editor takes its text.
QString readShiftJis(const QString &path);

// About `bytes` CP932 bytes (Japanese two bytes, line ends two) of <p> lines
// mixing Japanese and ASCII prose, joined by '\n'.
QString proseLines(qsizetype bytes);
