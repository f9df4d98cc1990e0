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

namespace {

bool isSliderStep(QStringView size)
{
    return size.size() == 1 && size[0] >= u'1' && size[0] <= u'7';
}

} // namespace

Reopened<FontOptions> reopenFont(const TagElement &element, FontOptions o)
{
    TagFields fields(element);
    o.size = o.relativeSize = o.color = o.face = false;
    if (const auto size = fields.take(u"SIZE")) {
        if (isSliderStep(*size)) {
            o.size = true;
            o.sizeValue = *size;
        } else if (const auto relative = oneOf(*size, {u"+4", u"+3", u"+2", u"+1", u"-1", u"-2", u"-3", u"-4"})) {
            o.relativeSize = true;
            o.relativeValue = *relative;
        } else {
            o.size = true;
            fields.cannotShow();
        }
    }
    o.color = fields.takeColor(u"COLOR", o.colorValue);
    if (const auto face = fields.take(u"FACE")) {
        o.face = true;
        o.faceName = *face;
    }
    return reopenedTag(element, o, fields);
}

Reopened<BaseFontOptions> reopenBaseFont(const TagElement &element, BaseFontOptions o)
{
    TagFields fields(element);
    if (const auto size = fields.take(u"SIZE")) {
        if (isSliderStep(*size))
            o.sizeValue = *size;
        else
            fields.cannotShow();
    }
    return reopenedTag(element, o, fields);
}
