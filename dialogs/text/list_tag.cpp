#include "dialogs/text/list_tag.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView crlf = u"\r\n";

// Appends every line of `selection` to `items`, line `i` after `prefix(i)`,
// each ended with CR LF. One pass over the text, no copy of a line.
template <typename Prefix>
void appendLines(QString &items, QStringView selection, Prefix prefix)
{
    const QChar *text = selection.data();
    const qsizetype size = selection.size();
    qsizetype line = 0;
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        items += prefix(line++);
        items += selection.sliced(start, end - start);
        items += crlf;
        if (end + 1 < size && text[end] == u'\r' && text[end + 1] == u'\n')
            start = end + 2;
        else
            start = end + 1;
    }
}

// The room a list of `selection` takes, so the items grow once for common
// line lengths.
qsizetype roomFor(const QString &selection)
{
    return selection.size() + selection.size() / 4 + 64;
}

QString markedList(const QString &element, const QString &selection, const QString &firstMarker)
{
    QString list;
    list.reserve(roomFor(selection));
    list += u'<' + element + u">\r\n"_s;
    if (selection.isEmpty()) {
        list += firstMarker;
        list += u"\r\n<LI>\r\n<LI>\r\n"_s;
    } else {
        const QString later = u"<LI>"_s;
        appendLines(list, selection,
                    [&](qsizetype line) -> const QString & { return line == 0 ? firstMarker : later; });
    }
    list += u"</"_s + element + u">\r\n"_s;
    return list;
}

} // namespace

QString bulletedListMarker(const BulletedListOptions &options)
{
    return u"<LI TYPE="_s + options.markType + u'>';
}

QString numberedListMarker(const NumberedListOptions &options)
{
    return u"<LI TYPE="_s + options.numberType + u" START="_s + options.start + u'>';
}

TagTexts bulletedList(const QString &selection, const QString &markType)
{
    return {markedList(u"UL"_s, selection, bulletedListMarker({markType})), {}};
}

TagTexts numberedList(const QString &selection, const NumberedListOptions &options)
{
    return {markedList(u"OL"_s, selection, numberedListMarker(options)), {}};
}

namespace {

// The first LI directly in the list (not in a list inside it), placed in
// the text.
std::optional<TagElement> firstItem(const TagElement &list)
{
    if (list.elementEnd < 0)
        return std::nullopt;
    const QString &content = list.content;
    int depth = 0;
    for (qsizetype at = content.indexOf(u'<'); at >= 0; at = content.indexOf(u'<', at + 1)) {
        ParsedTag tag = parseTagAt(content, at);
        if (!tag.valid())
            continue;
        if (tag.element.is(u"UL") || tag.element.is(u"OL"))
            depth += tag.closing ? -1 : 1;
        if (depth == 0 && !tag.closing && tag.element.is(u"LI")) {
            tag.element.start += list.end;
            tag.element.end += list.end;
            return tag.element;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Reopened<BulletedListOptions>> reopenBulletedList(const TagElement &list, BulletedListOptions o)
{
    const std::optional<TagElement> item = firstItem(list);
    if (!item)
        return std::nullopt;
    TagFields fields(*item);
    if (const auto type = fields.take(u"TYPE")) {
        if (const auto word = oneOf(*type, {u"square", u"disk", u"circle"}))
            o.markType = *word;
        else
            fields.cannotShow();
    }
    return reopenedTag(*item, o, fields);
}

std::optional<Reopened<NumberedListOptions>> reopenNumberedList(const TagElement &list, NumberedListOptions o)
{
    const std::optional<TagElement> item = firstItem(list);
    if (!item)
        return std::nullopt;
    TagFields fields(*item);
    if (const auto type = fields.take(u"TYPE")) {
        // The number types differ only in case.
        if (const auto word = oneOf(*type, {u"A", u"I", u"1"}); word && type->size() == 1)
            o.numberType = *type;
        else
            fields.cannotShow();
    }
    if (const auto start = fields.take(u"START"))
        o.start = *start;
    return reopenedTag(*item, o, fields);
}

TagTexts definitionList(const QString &selection)
{
    const QString term = u"<DT>"_s;
    const QString definition = u"<DD>"_s;
    QString list;
    list.reserve(roomFor(selection));
    list += u"<DL>\r\n"_s;
    if (selection.isEmpty()) {
        list += u"<DT>\r\n<DD>\r\n<DT>\r\n<DD>\r\n"_s;
    } else {
        appendLines(list, selection, [&](qsizetype line) -> const QString & {
            return line % 2 == 0 ? term : definition;
        });
    }
    list += u"</DL>\r\n"_s;
    return {list, {}};
}
