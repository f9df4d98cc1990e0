#include "dialogs/text/font_tag.h"

#include "dialogs/color_code.h"

using namespace Qt::StringLiterals;

TagTexts fontTag(const FontOptions &options)
{
    QString start = u"<FONT"_s;
    if (options.size)
        start += u" SIZE="_s + options.sizeValue;
    if (options.relativeSize)
        start += u" SIZE="_s + options.relativeValue;
    if (options.color)
        start += u" COLOR=#"_s + ColorCode(options.colorValue);
    if (options.face)
        start += u" FACE=\""_s + options.faceName + u'"';
    start += u'>';
    return {start, u"</FONT>"_s};
}

TagTexts baseFontTag(const BaseFontOptions &options)
{
    return {u"<BASEFONT SIZE="_s + options.sizeValue + u'>', {}};
}
