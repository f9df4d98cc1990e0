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

TagTexts bulletedList(const QString &selection, const QString &markType)
{
    return {markedList(u"UL"_s, selection, u"<LI TYPE="_s + markType + u'>'), {}};
}

TagTexts numberedList(const QString &selection, const NumberedListOptions &options)
{
    const QString marker =
            u"<LI TYPE="_s + options.numberType + u" START="_s + options.start + u'>';
    return {markedList(u"OL"_s, selection, marker), {}};
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
