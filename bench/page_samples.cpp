#include "bench/page_samples.h"

#include "platform/cp932_codec.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryDir>

#include <map>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// One line of a page: markup and ASCII around Japanese prose, about half of
// the characters Japanese, about 80 characters long.
QString pageLine(std::mt19937 &random)
{
    static const QString prose =
            u"吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。何でも薄暗い"
            u"じめじめした所でニャーニャー泣いていた事だけは記憶している。吾輩はここで始めて"
            u"人間というものを見た。しかもあとで聞くとそれは書生という人間中で一番獰悪な種族"
            u"であったそうだ。ｶﾀｶﾅも少し混ぜておく。"_s;
    static const QString ascii =
            u"The quick brown fox jumps over the lazy dog; see page 12, section 3.4 "
            u"for the details &amp; notes (version 1.0.2) and the index at the end. "_s;
    static const QStringList opens = {u"<p>"_s, u"<li>"_s, u"<td align=\"right\">"_s,
                                      u"<div class=\"note\">"_s, u"<h2 id=\"s12\">"_s,
                                      u"<span style=\"color:#336\">"_s};
    static const QStringList closes = {u"</p>"_s, u"</li>"_s, u"</td>"_s,
                                       u"</div>"_s, u"</h2>"_s, u"</span>"_s};
    const int tag = int(random() % opens.size());
    QString line = opens[tag];
    const int japanese = 34 + int(random() % 12);
    const int latin = 74 - japanese - int(line.size() + closes[tag].size());
    line += QStringView(prose).sliced(random() % (prose.size() - japanese), japanese);
    if (latin > 0)
        line += QStringView(ascii).sliced(random() % (ascii.size() - latin), latin);
    line += closes[tag];
    return line;
}

void writeFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

QString benchFolder()
{
    static QTemporaryDir dir;
    return dir.path();
}

// A page of about `bytes` CP932 bytes (CR LF line ends), as the editor holds
// it: lines joined by '\n'. With `planted`, that many lines start with
// plantedNeedle, evenly spread.
QString pageText(qsizetype bytes, int planted)
{
    std::mt19937 random(20240611);
    QStringList lines;
    qsizetype size = 0;
    while (size < bytes) {
        lines.append(pageLine(random));
        // Japanese takes two bytes, the line end two more.
        size += lines.constLast().size() * 3 / 2 + 2;
    }
    if (planted > 0) {
        const qsizetype step = lines.size() / planted;
        for (int i = 0; i < planted; ++i)
            lines[i * step].prepend(plantedNeedle);
    }
    return lines.join(u'\n');
}

// A single line of `characters` characters, no line break at all.
QString longLineText(qsizetype characters)
{
    std::mt19937 random(7);
    QString text;
    text.reserve(characters + 100);
    while (text.size() < characters)
        text += pageLine(random);
    text.truncate(characters);
    return text;
}

QByteArray encodedFile(const QString &text)
{
    const cp932::Encoded encoded = cp932::encodeLines(text, "\r\n");
    if (encoded.firstUnencodable >= 0)
        qFatal("benchmark sample is not CP932");
    return encoded.bytes;
}

const QString &pageSample(int mb)
{
    static std::map<int, QString> samples;
    QString &text = samples[mb];
    if (text.isEmpty())
        text = pageText(mb * megabyte);
    return text;
}

const QString &plantedSample(int mb)
{
    static std::map<int, QString> samples;
    QString &text = samples[mb];
    if (text.isEmpty())
        text = pageText(mb * megabyte, plantedMatches);
    return text;
}

const QString &longLineSample()
{
    static const QString text = longLineText(5 * 1000 * 1000);
    return text;
}

const SampleFiles &sampleFiles(const QString &name, const QString &text)
{
    static std::map<QString, SampleFiles> files;
    SampleFiles &f = files[name];
    if (f.cp932.isEmpty()) {
        f.cp932 = benchFolder() + u'/' + name + u".htm"_s;
        writeFile(f.cp932, encodedFile(text));
    }
    return f;
}

QString readShiftJis(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        qFatal("cannot read %s", qPrintable(path));
    QStringDecoder shiftJis("Shift_JIS");
    if (!shiftJis.isValid())
        qFatal("Qt has no Shift-JIS decoder here");
    QString text = shiftJis.decode(file.readAll());
    text.replace(u"\r\n"_s, u"\n"_s);
    return text;
}

// About `bytes` CP932 bytes of page (Japanese two bytes, line ends two),
// lines of markup around mixed Japanese and ASCII prose, joined by '\n'.
QString proseLines(qsizetype bytes)
{
    static const QString prose =
            u"吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。何でも薄暗い"
            u"じめじめした所でニャーニャー泣いていた事だけは記憶している。"_s;
    static const QString ascii =
            u"The quick brown fox jumps over the lazy dog; see page 12, section 3.4 "_s;
    std::mt19937 random(1997);
    QString text;
    qsizetype size = 0;
    while (size < bytes) {
        const qsizetype japanese = 30 + random() % 10;
        const qsizetype latin = 30 + random() % 10;
        text += u"<p>";
        text += QStringView(prose).sliced(random() % (prose.size() - japanese), japanese);
        text += QStringView(ascii).sliced(random() % (ascii.size() - latin), latin);
        text += u"</p>\n";
        size += 3 + japanese * 2 + latin + 4 + 2;
    }
    return text;
}
