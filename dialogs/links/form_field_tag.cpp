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
