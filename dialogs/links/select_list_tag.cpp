#include "dialogs/links/select_list_tag.h"

#include "document/whole_number.h"
#include "platform/comma_field.h"

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
