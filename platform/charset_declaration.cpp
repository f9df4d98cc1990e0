#include "platform/charset_declaration.h"

using namespace Qt::StringLiterals;

namespace {

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == QChar::ParagraphSeparator;
}

struct Attribute {
    QStringView name;
    qsizetype valueStart = 0;
    qsizetype valueLength = 0;
};

// The attributes of the tag whose name ends at `i`, up to its '>'; `i`
// ends after the tag.
QList<Attribute> readAttributes(QStringView page, qsizetype &i)
{
    QList<Attribute> attributes;
    const qsizetype size = page.size();
    while (i < size) {
        while (i < size && (isSpace(page[i]) || page[i] == u'/'))
            ++i;
        if (i >= size || page[i] == u'>')
            break;
        const qsizetype nameStart = i;
        while (i < size && !isSpace(page[i]) && page[i] != u'=' && page[i] != u'>' && page[i] != u'/')
            ++i;
        Attribute attribute{page.sliced(nameStart, i - nameStart)};
        if (i == nameStart)
            ++i;  // a lone '=': skipped
        while (i < size && isSpace(page[i]))
            ++i;
        if (i < size && page[i] == u'=') {
            ++i;
            while (i < size && isSpace(page[i]))
                ++i;
            if (i < size && (page[i] == u'"' || page[i] == u'\'')) {
                const QChar quote = page[i++];
                attribute.valueStart = i;
                while (i < size && page[i] != quote)
                    ++i;
                attribute.valueLength = i - attribute.valueStart;
                if (i < size)
                    ++i;
            } else {
                attribute.valueStart = i;
                while (i < size && !isSpace(page[i]) && page[i] != u'>')
                    ++i;
                attribute.valueLength = i - attribute.valueStart;
            }
        }
        attributes << attribute;
    }
    return attributes;
}

// The charset inside a CONTENT value: "text/html; charset=EUC-JP".
std::optional<CharsetDeclaration> charsetInContent(QStringView page, const Attribute &content)
{
    const QStringView value = page.sliced(content.valueStart, content.valueLength);
    const qsizetype at = value.indexOf(u"charset"_s, 0, Qt::CaseInsensitive);
    if (at < 0)
        return std::nullopt;
    qsizetype i = at + 7;
    while (i < value.size() && isSpace(value[i]))
        ++i;
    if (i >= value.size() || value[i] != u'=')
        return std::nullopt;
    ++i;
    while (i < value.size() && isSpace(value[i]))
        ++i;
    if (i < value.size() && (value[i] == u'"' || value[i] == u'\''))
        ++i;
    const qsizetype start = i;
    while (i < value.size() && !isSpace(value[i]) && value[i] != u';' && value[i] != u'"'
           && value[i] != u'\'')
        ++i;
    if (i == start)
        return std::nullopt;
    return CharsetDeclaration{content.valueStart + start, i - start};
}

std::optional<CharsetDeclaration> declarationOf(QStringView page, const QList<Attribute> &attributes)
{
    const Attribute *content = nullptr;
    bool contentType = false;
    for (const Attribute &a : attributes) {
        if (a.name.compare(u"charset"_s, Qt::CaseInsensitive) == 0) {
            const QStringView value = page.sliced(a.valueStart, a.valueLength).trimmed();
            if (value.isEmpty())
                return std::nullopt;
            return CharsetDeclaration{value.data() - page.data(), value.size()};
        }
        if (a.name.compare(u"content"_s, Qt::CaseInsensitive) == 0)
            content = &a;
        if (a.name.compare(u"http-equiv"_s, Qt::CaseInsensitive) == 0)
            contentType = page.sliced(a.valueStart, a.valueLength).trimmed().compare(
                                  u"content-type"_s, Qt::CaseInsensitive)
                    == 0;
    }
    if (content && contentType)
        return charsetInContent(page, *content);
    return std::nullopt;
}

} // namespace

QList<CharsetDeclaration> findCharsetDeclarations(QStringView page)
{
    page = page.first(std::min(page.size(), CharsetSearchLength));
    QList<CharsetDeclaration> found;
    qsizetype i = 0;
    while ((i = page.indexOf(u'<', i)) >= 0) {
        const QStringView rest = page.sliced(i);
        if (rest.startsWith(u"<!--"_s)) {
            const qsizetype end = page.indexOf(u"-->"_s, i + 4);
            if (end < 0)
                break;
            i = end + 3;
            continue;
        }
        if (rest.size() > 5 && rest.sliced(1, 4).compare(u"meta"_s, Qt::CaseInsensitive) == 0
            && (isSpace(rest[5]) || rest[5] == u'/' || rest[5] == u'>')) {
            i += 5;
            const QList<Attribute> attributes = readAttributes(page, i);
            if (const std::optional<CharsetDeclaration> d = declarationOf(page, attributes))
                found << *d;
            continue;
        }
        ++i;
    }
    return found;
}

std::optional<TextEncoding> encodingOfCharset(QStringView name)
{
    for (const auto &[spelling, encoding] :
         {std::pair{u"Shift_JIS", TextEncoding::ShiftJis}, std::pair{u"x-sjis", TextEncoding::ShiftJis},
          std::pair{u"Windows-31J", TextEncoding::ShiftJis}, std::pair{u"EUC-JP", TextEncoding::EucJp},
          std::pair{u"UTF-8", TextEncoding::Utf8}}) {
        if (name.compare(QStringView(spelling), Qt::CaseInsensitive) == 0)
            return encoding;
    }
    return std::nullopt;
}

std::optional<TextEncoding> declaredEncoding(QByteArrayView bytes)
{
    // Charset names and the markup around them are ASCII in every encoding
    // the program reads, so the head is searched byte for character.
    const QString head = QString::fromLatin1(bytes.first(std::min(bytes.size(), CharsetSearchLength)));
    const QList<CharsetDeclaration> found = findCharsetDeclarations(head);
    if (found.isEmpty())
        return std::nullopt;
    return encodingOfCharset(QStringView(head).sliced(found.first().start, found.first().length));
}

QString charsetName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        return u"UTF-8"_s;
    case TextEncoding::EucJp:
        return u"EUC-JP"_s;
    case TextEncoding::ShiftJis:
        break;
    }
    return u"Shift_JIS"_s;
}
