#include "platform/profile_file.h"

#include "platform/cp932_codec.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool isBlankLine(QByteArrayView line)
{
    for (char c : line) {
        if (!isBlank(c))
            return false;
    }
    return true;
}

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

// CP932 text almost never passes as UTF-8 (no overlong forms, no
// surrogates), which is what tells the two apart.
bool isValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(bytes);
    return !decoder.hasError();
}

bool equalsIgnoringAsciiCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'A' && x <= u'Z')
            x += u'a' - u'A';
        if (y >= u'A' && y <= u'Z')
            y += u'a' - u'A';
        if (x != y)
            return false;
    }
    return true;
}

// Decodes pieces of one line in the encoding of the whole line. Every byte
// the parser splits on ('=', blanks) is ASCII and never the second byte of a
// CP932 pair, so a piece decodes the same as it would inside the line.
// Pure-ASCII pieces read the same either way, which spares checking a long
// line just to compare a short key.
class LineDecoder
{
public:
    explicit LineDecoder(QByteArrayView line) : m_line(line) { }

    QString decode(QByteArrayView piece)
    {
        if (isAscii(piece))
            return QString::fromLatin1(piece);
        if (!m_checked) {
            m_utf8 = isValidUtf8(m_line);
            m_checked = true;
        }
        return m_utf8 ? QString::fromUtf8(piece) : cp932::decode(piece);
    }

private:
    QByteArrayView m_line;
    bool m_checked = false;
    bool m_utf8 = false;
};

enum class LineKind { Other, Section, Key };

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    QString name;              // section name or key, trimmed
    qsizetype valueStart = 0;  // byte just after the '=' of a key line
};

ParsedLine parseLine(QByteArrayView line, LineDecoder &decoder)
{
    ParsedLine parsed;
    qsizetype first = 0;
    while (first < line.size() && isBlank(line[first]))
        ++first;
    if (first == line.size() || line[first] == ';')
        return parsed;

    if (line[first] == '[') {
        // ']' can be the second byte of a CP932 pair, so look for it in the
        // decoded text. The last one closes the name, as Windows reads it.
        const QString text = decoder.decode(line);
        const qsizetype open = text.indexOf(u'[');
        const qsizetype close = text.lastIndexOf(u']');
        if (close > open) {
            parsed.kind = LineKind::Section;
            parsed.name = trimBlanks(QStringView(text).sliced(open + 1, close - open - 1)).toString();
            return parsed;
        }
    }

    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = trimBlanks(decoder.decode(line.first(equals))).toString();
    parsed.valueStart = equals + 1;
    return parsed;
}

QString valueOf(QByteArrayView line, const ParsedLine &parsed, LineDecoder &decoder)
{
    const QString text = decoder.decode(line.sliced(parsed.valueStart));
    QStringView value = trimBlanks(text);
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front()) {
        value = value.sliced(1, value.size() - 2);
    }
    return value.toString();
}

// A UTF-8 byte order mark at the start of the file is not part of the first
// line's text; it is kept in the bytes and written back unchanged.
QByteArrayView parsedBytes(const QList<QByteArray> &lines, qsizetype index)
{
    QByteArrayView line = lines.at(index);
    if (index == 0 && line.startsWith("\xEF\xBB\xBF"))
        line = line.sliced(3);
    return line;
}

qsizetype findSection(const QList<QByteArray> &lines, QStringView section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView line = parsedBytes(lines, i);
        LineDecoder decoder(line);
        const ParsedLine parsed = parseLine(line, decoder);
        if (parsed.kind == LineKind::Section && equalsIgnoringAsciiCase(parsed.name, section))
            return i;
    }
    return -1;
}

// Every stored line must stay one line: a line break inside a name or value
// would otherwise split it, or smuggle in a section, on the next load.
QByteArray oneLine(QStringView text)
{
    QString flat = text.toString();
    flat.replace(u'\r', u' ');
    flat.replace(u'\n', u' ');
    return flat.toUtf8();
}

} // namespace

ProfileFile ProfileFile::load(const QString &path)
{
    ProfileFile profile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return profile;
    const QByteArray data = file.readAll();

    const char *const bytes = data.constData();
    const qsizetype size = data.size();
    bool lineEndKnown = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        profile.m_lines.append(data.sliced(start, i - start));
        const bool crLf = c == '\r' && i + 1 < size && bytes[i + 1] == '\n';
        if (!lineEndKnown) {
            // A damaged file with bare CRs is written back with CR LF.
            profile.m_lineEnd = c == '\n' ? QByteArrayLiteral("\n") : QByteArrayLiteral("\r\n");
            lineEndKnown = true;
        }
        if (crLf)
            ++i;
        start = i + 1;
    }
    if (start < size)
        profile.m_lines.append(data.sliced(start));
    return profile;
}

QString ProfileFile::value(QStringView section, QStringView key, const QString &defaultValue) const
{
    const qsizetype header = findSection(m_lines, trimBlanks(section));
    if (header < 0)
        return defaultValue;
    const QStringView wanted = trimBlanks(key);
    for (qsizetype i = header + 1; i < m_lines.size(); ++i) {
        const QByteArrayView line = m_lines.at(i);
        LineDecoder decoder(line);
        const ParsedLine parsed = parseLine(line, decoder);
        if (parsed.kind == LineKind::Section)
            break;
        if (parsed.kind == LineKind::Key && equalsIgnoringAsciiCase(parsed.name, wanted))
            return valueOf(line, parsed, decoder);
    }
    return defaultValue;
}

void ProfileFile::setValue(QStringView section, QStringView key, const QString &value)
{
    const QByteArray keyLine = oneLine(key) + '=' + oneLine(value);

    const qsizetype header = findSection(m_lines, trimBlanks(section));
    if (header < 0) {
        // A blank line keeps the new section apart from what came before.
        if (!m_lines.isEmpty() && !isBlankLine(m_lines.constLast()))
            m_lines.append(QByteArray());
        m_lines.append('[' + oneLine(section) + ']');
        m_lines.append(keyLine);
        return;
    }

    // Without the key, the new line follows the section's last key, so it
    // stays ahead of blank lines or a comment leading into the next section.
    const QStringView wanted = trimBlanks(key);
    qsizetype insertAt = header + 1;
    for (qsizetype i = header + 1; i < m_lines.size(); ++i) {
        const QByteArrayView line = m_lines.at(i);
        LineDecoder decoder(line);
        const ParsedLine parsed = parseLine(line, decoder);
        if (parsed.kind == LineKind::Section)
            break;
        if (parsed.kind != LineKind::Key)
            continue;
        if (equalsIgnoringAsciiCase(parsed.name, wanted)) {
            m_lines[i] = keyLine;
            return;
        }
        insertAt = i + 1;
    }
    m_lines.insert(insertAt, keyLine);
}

bool ProfileFile::save(const QString &path) const
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &line : m_lines) {
        file.write(line);
        file.write(m_lineEnd);
    }
    // A failed write cancels the save, and commit() then reports it.
    return file.commit();
}

QString ReadProfileValue(const QString &file, const QString &section, const QString &key)
{
    const QString value = ProfileFile::load(file).value(section, key, QStringLiteral("*"));
    return value == u"*" ? QString() : value;
}

bool WriteProfileValue(const QString &file, const QString &section, const QString &key,
                       const QString &value)
{
    ProfileFile profile = ProfileFile::load(file);
    profile.setValue(section, key, value);
    return profile.save(file);
}
