#include "dialogs/links/form_field_tag.h"

using namespace Qt::StringLiterals;

TagTexts textBoxTag(const TextBoxOptions &o)
{
    QString start = o.password ? u"<INPUT TYPE=\"password\""_s : u"<INPUT TYPE=\"text\""_s;
    start += u" SIZE=\""_s + o.size + u"\" Name=\""_s + o.name + u'"';
    if (!o.maxLength.isEmpty())
        start += u" MAXLENGTH="_s + o.maxLength;
    start += u'>';
    return {start, {}};
}

TagTexts multiLineTag(const MultiLineOptions &o)
{
    return {u"<TEXTAREA ROWS="_s + o.rows + u" COLS="_s + o.cols + u" NAME=\""_s + o.name + u"\">"_s,
            u"</TEXTAREA>"_s};
}

TagTexts buttonTag(ButtonKind kind, const ButtonOptions &o)
{
    QString start = kind == ButtonKind::Radio ? u"<INPUT TYPE=\"radio\""_s : u"<INPUT TYPE=\"checkbox\""_s;
    start += u" NAME=\""_s + o.name + u"\" VALUE=\""_s + o.text + u'"';
    if (o.checked)
        start += u" CHECKED"_s;
    start += u'>';
    return {start, {}};
}

TagTexts imgFldTag(const ImgFldOptions &o)
{
    QString start = u"<INPUT TYPE=IMAGE SRC=\""_s + o.fileName + u"\" NAME=\""_s + o.name + u'"';
    switch (o.align) {
    case ImageFieldAlign::None:
        break;
    case ImageFieldAlign::Top:
        start += u" ALIGN=top"_s;
        break;
    case ImageFieldAlign::Middle:
        start += u" ALIGN=middle"_s;
        break;
    case ImageFieldAlign::Bottom:
        start += u" ALIGN=bottom"_s;
        break;
    }
    start += u'>';
    return {start, {}};
}

TagTexts submitTag(const QString &caption)
{
    return {u"<INPUT TYPE=\"submit\" VALUE=\""_s + caption + u"\">"_s, {}};
}

TagTexts resetTag(const QString &caption)
{
    return {u"<INPUT TYPE=\"reset\" VALUE=\""_s + caption + u"\">"_s, {}};
}

TagTexts hiddenTag(const HiddenOptions &o)
{
    return {u"<INPUT TYPE=\"hidden\" NAME=\""_s + o.name + u"\" VALUE=\""_s + o.str + u"\">\r\n"_s, {}};
}

std::optional<InputKind> inputKind(const TagElement &input)
{
    const TagAttribute *type = input.attribute(u"TYPE");
    if (!type)
        return std::nullopt;
    static const std::pair<QStringView, InputKind> kinds[] = {
        {u"text", InputKind::Text},         {u"password", InputKind::Password},
        {u"radio", InputKind::Radio},       {u"checkbox", InputKind::Checkbox},
        {u"image", InputKind::Image},       {u"submit", InputKind::Submit},
        {u"reset", InputKind::Reset},       {u"hidden", InputKind::Hidden},
    };
    for (const auto &[word, kind] : kinds) {
        if (type->value.compare(word, Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

Reopened<TextBoxOptions> reopenTextBox(const TagElement &input, TextBoxOptions o)
{
    TagFields fields(input);
    o.password = inputKind(input) == InputKind::Password;
    fields.take(u"TYPE");
    o.size = fields.takeText(u"SIZE");
    o.name = fields.takeText(u"NAME");
    o.maxLength = fields.takeText(u"MAXLENGTH");
    return reopenedTag(input, o, fields);
}

Reopened<MultiLineOptions> reopenMultiLine(const TagElement &textArea, MultiLineOptions o)
{
    TagFields fields(textArea);
    o.rows = fields.takeText(u"ROWS");
    o.cols = fields.takeText(u"COLS");
    o.name = fields.takeText(u"NAME");
    return reopenedTag(textArea, o, fields);
}

Reopened<ButtonOptions> reopenButton(const TagElement &input, ButtonOptions o)
{
    TagFields fields(input);
    fields.take(u"TYPE");
    o.name = fields.takeText(u"NAME");
    o.text = fields.takeText(u"VALUE");
    o.checked = fields.takeFlag(u"CHECKED");
    return reopenedTag(input, o, fields);
}

Reopened<ImgFldOptions> reopenImgFld(const TagElement &input, ImgFldOptions o)
{
    TagFields fields(input);
    fields.take(u"TYPE");
    o.fileName = fields.takeText(u"SRC");
    o.name = fields.takeText(u"NAME");
    o.align = ImageFieldAlign::None;
    if (const auto align = fields.take(u"ALIGN")) {
        if (const auto word = oneOf(*align, {u"top", u"middle", u"bottom"}))
            o.align = *word == u"top" ? ImageFieldAlign::Top
                    : *word == u"middle" ? ImageFieldAlign::Middle : ImageFieldAlign::Bottom;
        else
            fields.giveBack();
    }
    return reopenedTag(input, o, fields);
}

Reopened<QString> reopenButtonCaption(const TagElement &input)
{
    TagFields fields(input);
    fields.take(u"TYPE");
    const QString caption = fields.takeText(u"VALUE");
    return reopenedTag(input, caption, fields);
}

Reopened<HiddenOptions> reopenHidden(const TagElement &input, HiddenOptions o)
{
    TagFields fields(input);
    fields.take(u"TYPE");
    o.name = fields.takeText(u"NAME");
    o.str = fields.takeText(u"VALUE");
    return reopenedTag(input, o, fields);
}
