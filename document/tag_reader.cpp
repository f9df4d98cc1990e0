#include "document/tag_reader.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

// How many '<' back from the caret may be tried as the tag under it: a '<'
// inside a quoted value of the tag is the usual reason to look further.
constexpr int maxTagCandidates = 64;
// How many elements read whole may hold the caret (a table in a table …),
// and how many unclosed ones are looked at before giving up: each costs a
// scan to the end of the text.
constexpr int maxEnclosing = 4;
constexpr int maxWholeReads = 8;

bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\r' || u == u'\n' || u == u'\f' || u == u'\v'
            || u == 0x2028 || u == 0x2029;
}

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return isAsciiDigit(c) || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The end of the end tag closing the element whose start tag ends at
// `from`, counting nested elements of the same name; -1 without one.
// `contentEnd` receives where that end tag starts.
qsizetype matchingEnd(QStringView text, QStringView name, qsizetype from, qsizetype &contentEnd)
{
    int depth = 0;
    for (qsizetype at = text.indexOf(u'<', from); at >= 0; at = text.indexOf(u'<', at + 1)) {
        const ParsedTag tag = parseTagAt(text, at);
        if (!tag.valid() || !sameName(tag.element.name, name))
            continue;
        if (!tag.closing) {
            ++depth;
        } else if (depth-- == 0) {
            contentEnd = at;
            return tag.element.end;
        }
        at = tag.element.end - 1;
    }
    return -1;
}

// The start tag of the element closed by the end tag at `closingAt`,
// counting nested elements of the same name.
ParsedTag matchingStart(QStringView text, QStringView name, qsizetype closingAt)
{
    int depth = 0;
    for (qsizetype at = closingAt - 1; at >= 0; --at) {
        at = text.lastIndexOf(u'<', at);
        if (at < 0)
            break;
        ParsedTag tag = parseTagAt(text, at);
        if (!tag.valid() || !sameName(tag.element.name, name) || tag.element.end > closingAt)
            continue;
        if (tag.closing)
            ++depth;
        else if (depth-- == 0)
            return tag;
    }
    return {};
}

// Reads the element of `start` whole, when its kind is read whole and its
// end tag is in the text.
void readWhole(QStringView text, TagElement &start)
{
    if (!isReadWhole(start.name))
        return;
    qsizetype contentEnd = -1;
    const qsizetype end = matchingEnd(text, start.name, start.end, contentEnd);
    if (end < 0)
        return;
    start.elementEnd = end;
    start.contentEnd = contentEnd;
    start.content = text.sliced(start.end, contentEnd - start.end).toString();
}

std::optional<TagElement> tagUnderCaret(QStringView text, qsizetype caret)
{
    const qsizetype lowest = qMax<qsizetype>(0, caret - maxTagLength);
    qsizetype at = qMin(caret, text.size() - 1);
    for (int tries = 0; tries < maxTagCandidates && at >= lowest; ++tries, --at) {
        at = text.lastIndexOf(u'<', at);
        if (at < lowest)
            break;
        ParsedTag tag = parseTagAt(text, at);
        if (!tag.valid() || caret >= tag.element.end)
            continue;
        if (tag.closing)
            tag = matchingStart(text, tag.element.name, at);
        if (!tag.valid())
            return std::nullopt;
        readWhole(text, tag.element);
        return tag.element;
    }
    return std::nullopt;
}

// The elements read whole that start before `before` and end after `caret`,
// innermost first.
QList<TagElement> enclosingWhole(QStringView text, qsizetype before, qsizetype caret)
{
    QList<TagElement> found;
    QHash<QString, int> depth;
    int reads = 0;
    for (qsizetype at = before - 1; at >= 0 && found.size() < maxEnclosing && reads < maxWholeReads; --at) {
        at = text.lastIndexOf(u'<', at);
        if (at < 0)
            break;
        ParsedTag tag = parseTagAt(text, at);
        if (!tag.valid() || !isReadWhole(tag.element.name) || tag.element.end > before)
            continue;
        int &open = depth[tag.element.name.toUpper()];
        if (tag.closing) {
            ++open;
            continue;
        }
        if (open > 0) {
            --open;
            continue;
        }
        ++reads;
        readWhole(text, tag.element);
        if (tag.element.elementEnd > caret)
            found.append(tag.element);
    }
    return found;
}

} // namespace

const TagAttribute *TagElement::attribute(QStringView upperName) const
{
    for (const TagAttribute &a : attributes) {
        if (a.is(upperName))
            return &a;
    }
    return nullptr;
}

bool isReadWhole(QStringView name)
{
    for (QStringView whole : {u"TABLE", u"SELECT", u"UL", u"OL"}) {
        if (sameName(name, whole))
            return true;
    }
    return false;
}

ParsedTag parseTagAt(QStringView text, qsizetype at)
{
    const qsizetype size = text.size();
    const qsizetype limit = qMin(size, at + maxTagLength);
    if (at < 0 || at + 1 >= limit || text[at] != u'<')
        return {};
    ParsedTag tag;
    qsizetype i = at + 1;
    if (text[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    const qsizetype nameStart = i;
    if (i >= limit || !isAsciiLetter(text[i]))
        return {};
    while (i < limit && (isAsciiLetter(text[i]) || isAsciiDigit(text[i])))
        ++i;
    if (i >= limit || !(isBlank(text[i]) || text[i] == u'>' || text[i] == u'/'))
        return {};
    TagElement element;
    element.name = text.sliced(nameStart, i - nameStart).toString();
    element.start = at;

    while (i < limit) {
        while (i < limit && (isBlank(text[i]) || text[i] == u'/'))
            ++i;
        if (i >= limit || text[i] == u'<')
            return {};
        if (text[i] == u'>') {
            element.end = i + 1;
            if (tag.closing)
                element.attributes.clear();
            tag.element = std::move(element);
            return tag;
        }
        TagAttribute attribute;
        const qsizetype attrStart = i;
        while (i < limit && !isBlank(text[i]) && text[i] != u'>' && text[i] != u'=' && text[i] != u'<')
            ++i;
        if (i == attrStart) // a lone '='
            ++i;
        attribute.name = text.sliced(attrStart, i - attrStart).toString();
        qsizetype attrEnd = i;
        qsizetype j = i;
        while (j < limit && isBlank(text[j]))
            ++j;
        if (j < limit && text[j] == u'=' && i > attrStart) {
            ++j;
            while (j < limit && isBlank(text[j]))
                ++j;
            if (j >= limit)
                return {};
            attribute.hasValue = true;
            const QChar quote = text[j];
            if (quote == u'"' || quote == u'\'') {
                const qsizetype close = text.sliced(0, limit).indexOf(quote, j + 1);
                if (close < 0)
                    return {};
                attribute.value = text.sliced(j + 1, close - j - 1).toString();
                attrEnd = close + 1;
            } else {
                qsizetype k = j;
                while (k < limit && !isBlank(text[k]) && text[k] != u'>')
                    ++k;
                attribute.value = text.sliced(j, k - j).toString();
                attrEnd = k;
            }
        }
        attribute.spelling = text.sliced(attrStart, attrEnd - attrStart).toString();
        element.attributes.append(std::move(attribute));
        i = attrEnd;
    }
    return {};
}

CaretTarget readTagAt(QStringView text, qsizetype caret)
{
    CaretTarget target;
    if (caret < 0 || caret > text.size())
        return target;

    // "#RRGGBB" with the caret on the '#', a digit or just after the last one;
    // "&#123456;" is a character, not a colour.
    for (qsizetype h = qMax<qsizetype>(0, caret - 7); h <= caret && h + 7 <= text.size(); ++h) {
        if (text[h] != u'#' || (h > 0 && text[h - 1] == u'&'))
            continue;
        bool digits = true;
        for (qsizetype k = h + 1; k <= h + 6 && digits; ++k)
            digits = isHexDigit(text[k]);
        if (!digits || (h + 7 < text.size() && (isAsciiLetter(text[h + 7]) || isAsciiDigit(text[h + 7]))))
            continue;
        target.colourStart = h + 1;
        target.colourDigits = text.sliced(h + 1, 6).toString();
        break;
    }

    qsizetype outerFrom = caret;
    if (std::optional<TagElement> tag = tagUnderCaret(text, caret)) {
        outerFrom = tag->start;
        target.tags.append(std::move(*tag));
    }
    target.tags.append(enclosingWhole(text, outerFrom, caret));
    return target;
}
