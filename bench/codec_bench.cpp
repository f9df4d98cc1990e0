#include "platform/cp932_codec.h"
#include "platform/text_file.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstring>
#include <map>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype megabyte = 1024 * 1024;

// A document-like mix: HTML markup and ASCII around Japanese prose, with
// half-width katakana and CR LF line ends, about half of it double-byte.
const QByteArray &sampleBytes(qsizetype size)
{
    static std::map<qsizetype, QByteArray> samples;
    QByteArray &bytes = samples[size];
    if (bytes.isEmpty()) {
        const QByteArray line = cp932::encode(
                u"<p class=\"body\">吾輩は猫である。名前はまだ無い。どこで生れたか"
                u"とんと見当がつかぬ。 ｶﾀｶﾅ, ASCII 0123456789 &amp; <b>text</b></p>\r\n"_s)
                                        .bytes;
        bytes.reserve(size + line.size());
        while (bytes.size() < size)
            bytes += line;
    }
    return bytes;
}

const QString &sampleText(qsizetype size)
{
    static std::map<qsizetype, QString> samples;
    QString &text = samples[size];
    if (text.isEmpty())
        text = cp932::decode(sampleBytes(size));
    return text;
}

// The 50 MB sample as the editor holds it: lines joined by '\n'.
const QString &sampleDocument()
{
    static const QString text = cp932::decodeLines(sampleBytes(50 * megabyte)).text;
    return text;
}

QString benchFolder()
{
    static QTemporaryDir dir;
    return dir.path();
}

// The 50 MB sample on disk, written once.
QString sampleFile()
{
    static const QString path = [] {
        const QString p = benchFolder() + u"/sample.txt"_s;
        QFile file(p);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(sampleBytes(50 * megabyte)) != sampleBytes(50 * megabyte).size())
            qFatal("cannot write the benchmark sample");
        return p;
    }();
    return path;
}

void BM_Decode(benchmark::State &state)
{
    const QByteArray &bytes = sampleBytes(state.range(0) * megabyte);
    for (auto _ : state) {
        QString text = cp932::decode(bytes);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_Encode(benchmark::State &state)
{
    const QString &text = sampleText(state.range(0) * megabyte);
    qsizetype size = 0;
    for (auto _ : state) {
        cp932::Encoded encoded = cp932::encode(text);
        size = encoded.bytes.size();
        benchmark::DoNotOptimize(encoded.bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * size);
}

// Floor for decode: widen each byte to one UTF-16 unit into a fresh string.
void BM_FloorWiden(benchmark::State &state)
{
    const QByteArray &bytes = sampleBytes(state.range(0) * megabyte);
    for (auto _ : state) {
        QString text = QString::fromLatin1(bytes);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// Floor for encode: copy the bytes into a fresh array.
void BM_FloorCopy(benchmark::State &state)
{
    const QByteArray &bytes = sampleBytes(state.range(0) * megabyte);
    for (auto _ : state) {
        QByteArray copy(bytes.size(), Qt::Uninitialized);
        std::memcpy(copy.data(), bytes.constData(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_ReadTextFile(benchmark::State &state)
{
    const QString path = sampleFile();
    for (auto _ : state) {
        std::optional<LoadedText> loaded = readTextFile(path);
        if (!loaded) {
            state.SkipWithError("read failed");
            break;
        }
        benchmark::DoNotOptimize(loaded->text.data());
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

// Floor for reading: the bytes alone, then the bytes widened to a string.
void BM_FloorReadAll(benchmark::State &state)
{
    const QString path = sampleFile();
    const bool widen = state.range(0) != 0;
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            state.SkipWithError("open failed");
            break;
        }
        QByteArray bytes = file.readAll();
        if (widen) {
            QString text = QString::fromLatin1(bytes);
            benchmark::DoNotOptimize(text.data());
        }
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

void BM_WriteTextFile(benchmark::State &state)
{
    const QString &text = sampleDocument();
    const QString path = benchFolder() + u"/written.txt"_s;
    for (auto _ : state) {
        if (writeTextFile(path, text, LineEnd::CrLf).status != SaveResult::Status::Saved) {
            state.SkipWithError("write failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * sampleBytes(50 * megabyte).size());
}

// Floor for writing: the same bytes through QFile, and through QSaveFile
// (temporary file, flush to disk, rename) as writeTextFile does.
void BM_FloorFileWrite(benchmark::State &state)
{
    const QByteArray &bytes = sampleBytes(50 * megabyte);
    const QString path = benchFolder() + u"/floor.txt"_s;
    const bool saveFile = state.range(0) != 0;
    for (auto _ : state) {
        bool ok;
        if (saveFile) {
            QSaveFile file(path);
            ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                    && file.commit();
        } else {
            QFile file(path);
            ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        }
        if (!ok) {
            state.SkipWithError("write failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

} // namespace

BENCHMARK(BM_Decode)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FloorWiden)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Encode)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FloorCopy)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ReadTextFile)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_FloorReadAll)->ArgName("widen")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
        ->Iterations(5)->UseRealTime();
BENCHMARK(BM_WriteTextFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_FloorFileWrite)->ArgName("saveFile")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
        ->Iterations(3)->UseRealTime();
