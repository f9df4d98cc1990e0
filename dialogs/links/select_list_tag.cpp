#include "dialogs/links/select_list_tag.h"

#include "document/whole_number.h"
#include "platform/comma_field.h"

#include <QRegularExpression>
#include <algorithm>

using namespace Qt::StringLiterals;

QStringList itemLines(const QString &plainText)
{
    QStringList lines = plainText.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString itemText(const QStringList &items)
{
    QString text = items.join(u'\n');
    if (!items.isEmpty() && items.last().isEmpty())
        text += u'\n';
    return text;
}

TagTexts listBoxTag(const ListBoxOptions &o)
{
    QString element = u"<SELECT NAME=\""_s + o.name + u'"';
    if (o.size)
        element += u" SIZE="_s + o.rows;
    if (o.multiple)
        element += u" MULTIPLE"_s;
    element += u'>';

    const std::optional<int> selected = o.defaultItem ? wholeNumberValue(o.defaultNumber) : std::nullopt;
    for (qsizetype i = 0; i < o.items.size(); ++i) {
        const QString &line = o.items.at(i);
        const QString value = NthCommaField(line, 2);
        element += value.isEmpty() ? u"\r\n<OPTION"_s : u"\r\n<OPTION VALUE=\""_s + value + u'"';
        element += selected == int(i + 1) ? u" SELECTED>"_s : u">"_s;
        element += NthCommaField(line, 1);
    }
    if (o.items.isEmpty())
        element += u"\r\n<OPTION>\r\n<OPTION>\r\n<OPTION>"_s;
    element += u"\r\n</SELECT>"_s;
    return {element, {}};
}

TagTexts dropDownTag(const DropDownOptions &o)
{
    QString element = u"<SELECT NAME=\""_s + o.name + u"\">"_s;
    for (const QString &line : o.items)
        element += u"\r\n<OPTION>"_s + line;
    element += u"\r\n</SELECT>"_s;
    return {element, {}};
}

namespace {

struct OptionLine {
    TagElement option;
    QString text;
};

// The OPTION lines of a SELECT's content, or nothing when it holds
// anything else.
std::optional<QList<OptionLine>> optionLines(const TagElement &select)
{
    if (select.elementEnd < 0)
        return std::nullopt;
    QList<OptionLine> lines;
    static const QRegularExpression lineBreak(u"\r\n|[\r\n\u2028\u2029]"_s);
    const QStringList texts = select.content.split(lineBreak);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString &line = texts.at(i);
        // The dialogs end the start tag's line and the last item's.
        if (line.isEmpty() && (i == 0 || i == texts.size() - 1))
            continue;
        ParsedTag tag = parseTagAt(line, 0);
        if (!tag.valid() || tag.closing || !tag.element.is(u"OPTION"))
            return std::nullopt;
        lines.append({tag.element, line.mid(tag.element.end)});
    }
    return lines;
}

template <typename Options>
Reopened<Options> reopenedSelect(const TagElement &select, const Options &o, const TagFields &fields, bool whole)
{
    Reopened<Options> reopened = reopenedTag(select, o, fields);
    if (whole) {
        reopened.to = select.elementEnd;
        reopened.whole = true;
    }
    return reopened;
}

} // namespace

bool isListBox(const TagElement &select)
{
    if (select.attribute(u"SIZE") || select.attribute(u"MULTIPLE"))
        return true;
    const auto lines = optionLines(select);
    return lines && std::any_of(lines->cbegin(), lines->cend(), [](const OptionLine &line) {
        return !line.option.attributes.isEmpty();
    });
}

Reopened<ListBoxOptions> reopenListBox(const TagElement &select, ListBoxOptions o)
{
    TagFields fields(select);
    o.name = fields.takeText(u"NAME");
    o.size = fields.takeInto(u"SIZE", o.rows);
    o.multiple = fields.takeFlag(u"MULTIPLE");

    auto lines = optionLines(select);
    QStringList items;
    int selected = 0;
    for (qsizetype i = 0; lines && i < lines->size(); ++i) {
        TagFields option(lines->at(i).option);
        const auto value = option.take(u"VALUE");
        const bool isDefault = option.takeFlag(u"SELECTED");
        const QString &text = lines->at(i).text;
        // Only what the builder writes back the same way is the dialog's:
        // no other attribute, no comma in the text or value, no empty value,
        // one default.
        if (!option.kept().unknown.isEmpty() || text.contains(u',')
            || (value && (value->isEmpty() || value->contains(u','))) || (isDefault && selected > 0)) {
            lines.reset();
            break;
        }
        if (isDefault)
            selected = int(i + 1);
        items.append(value ? text + u',' + *value : text);
    }
    const bool whole = lines.has_value() && !items.isEmpty();
    if (whole) {
        o.items = items;
        o.defaultItem = selected > 0;
        if (o.defaultItem)
            o.defaultNumber = QString::number(selected);
    }
    return reopenedSelect(select, o, fields, whole);
}

Reopened<DropDownOptions> reopenDropDown(const TagElement &select, DropDownOptions o)
{
    TagFields fields(select);
    o.name = fields.takeText(u"NAME");
    const auto lines = optionLines(select);
    const bool whole = lines && std::all_of(lines->cbegin(), lines->cend(), [](const OptionLine &line) {
        return line.option.attributes.isEmpty();
    });
    if (whole) {
        o.items.clear();
        for (const OptionLine &line : *lines)
            o.items.append(line.text);
    }
    return reopenedSelect(select, o, fields, whole);
}
