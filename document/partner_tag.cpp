#include "document/partner_tag.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// No tag is longer; the caret is not looked for in one further back.
constexpr qsizetype longestTag = 64 * 1024;

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')
           || u == u'-' || u == u':';
}

// Elements that have no end tag.
bool isEmptyElement(QStringView name)
{
    static const QStringList names = {u"area"_s, u"base"_s, u"basefont"_s, u"bgsound"_s, u"br"_s,
                                      u"col"_s, u"embed"_s, u"frame"_s, u"hr"_s, u"img"_s,
                                      u"input"_s, u"isindex"_s, u"keygen"_s, u"link"_s, u"meta"_s,
                                      u"param"_s, u"source"_s, u"spacer"_s, u"track"_s, u"wbr"_s};
    for (const QString &n : names) {
        if (name.compare(n, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

struct Tag {
    qsizetype start = -1;
    qsizetype end = -1;  // after '>'
    bool closing = false;
    QStringView name;
};

// The tag starting with the '<' at `at`, read no further than `limit`.
std::optional<Tag> tagAt(QStringView text, qsizetype at, qsizetype limit)
{
    Tag tag;
    tag.start = at;
    qsizetype i = at + 1;
    if (i < limit && text[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    const qsizetype nameStart = i;
    while (i < limit && isNameChar(text[i]))
        ++i;
    if (i == nameStart || !text[nameStart].isLetter())
        return std::nullopt;
    tag.name = text.sliced(nameStart, i - nameStart);
    QChar quote;
    for (; i < limit; ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            tag.end = i + 1;
            return tag;
        } else if (c == u'<') {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool selfClosed(QStringView text, const Tag &tag)
{
    return tag.end - tag.start >= 2 && text[tag.end - 2] == u'/';
}

TagRange rangeOf(const Tag &tag)
{
    return {tag.start, tag.end - tag.start};
}

} // namespace

std::optional<TagPartners> findPartnerTag(QStringView text, qsizetype caret, qsizetype reach)
{
    const qsizetype low = qMax<qsizetype>(0, caret - reach);
    const qsizetype high = qMin(text.size(), caret + reach);
    if (caret < 0 || caret > text.size())
        return std::nullopt;
    // The '<' of the tag holding the caret: the nearest one back from it
    // (a '>' on the way may stand in a quoted value), within a tag's length.
    qsizetype open = caret < text.size() && text[caret] == u'<' ? caret : -1;
    const qsizetype tagReach = qMax(low, caret - longestTag);
    for (qsizetype i = caret - 1; open < 0 && i >= tagReach; --i) {
        if (text[i] == u'<')
            open = i;
    }
    if (open < 0)
        return std::nullopt;
    const std::optional<Tag> here = tagAt(text, open, high);
    if (!here || caret >= here->end || isEmptyElement(here->name) || selfClosed(text, *here))
        return std::nullopt;

    int depth = 0;
    if (!here->closing) {
        for (qsizetype i = here->end; i < high;) {
            const qsizetype next = text.sliced(i, high - i).indexOf(u'<');
            if (next < 0)
                break;
            const qsizetype at = i + next;
            if (text.sliced(at, high - at).startsWith(u"<!--")) {
                const qsizetype close = text.sliced(at, high - at).indexOf(u"-->");
                if (close < 0)
                    break;
                i = at + close + 3;
                continue;
            }
            const std::optional<Tag> tag = tagAt(text, at, high);
            i = tag ? tag->end : at + 1;
            if (!tag || tag->name.compare(here->name, Qt::CaseInsensitive) != 0 || selfClosed(text, *tag))
                continue;
            if (!tag->closing)
                ++depth;
            else if (depth-- == 0)
                return TagPartners{rangeOf(*here), rangeOf(*tag)};
        }
        return std::nullopt;
    }
    // Going back, a comment shows its end first: from a "-->" back to the
    // "<!--" whose comment it closes is skipped. A "-->" after a comment that
    // closed earlier is text. Each search goes on from where the last one of
    // its kind stopped.
    const auto lastBefore = [&](qsizetype end, QStringView what) -> qsizetype {
        // From the last character: Qt 6.4 reads one past the end for a
        // one-character needle when told to start at the end.
        const qsizetype at = text.sliced(low, end - low).lastIndexOf(what, -1);
        return at < 0 ? -1 : low + at;
    };
    qsizetype from = lastBefore(open, u"<");
    qsizetype close = lastBefore(open, u"-->");
    while (from >= 0) {
        if (close > from) {
            // "<!-->" is a whole comment, so its start may overlap its end.
            const qsizetype opener = lastBefore(close + 2, u"<!--");
            // Its start out of reach: what lies before may be commented out.
            if (opener < 0)
                return std::nullopt;
            if (opener + text.sliced(opener, close + 3 - opener).indexOf(u"-->") == close) {
                if (from >= opener)
                    from = lastBefore(opener, u"<");
                close = lastBefore(opener, u"-->");
            } else {
                close = lastBefore(close + 2, u"-->");
            }
            continue;
        }
        const std::optional<Tag> tag = tagAt(text, from, high);
        from = lastBefore(from, u"<");
        if (!tag || tag->name.compare(here->name, Qt::CaseInsensitive) != 0 || selfClosed(text, *tag))
            continue;
        if (tag->closing)
            ++depth;
        else if (depth-- == 0)
            return TagPartners{rangeOf(*here), rangeOf(*tag)};
    }
    return std::nullopt;
}
