#include "dialogs/media/image_tag.h"

using namespace Qt::StringLiterals;

TagTexts imageTag(const ImageOptions &o)
{
    QString tag = u"<IMG SRC=\""_s + o.fileName + u'"';
    if (!o.align.isEmpty())
        tag += u" ALIGN="_s + o.align;
    // Only a picture the text flows round has room to keep clear.
    if (o.space && (o.align == u"LEFT" || o.align == u"RIGHT"))
        tag += u" VSPACE="_s + o.vSpace + u" HSPACE="_s + o.hSpace;
    if (o.alt)
        tag += u" ALT=\""_s + o.altText + u'"';
    if (o.border)
        tag += u" BORDER="_s + o.borderWidth;
    if (o.usemap)
        tag += u" USEMAP=\"#"_s + o.mapName + u'"';
    tag += u'>';
    return {tag, {}};
}

Reopened<ImageOptions> reopenImage(const TagElement &image, ImageOptions o)
{
    TagFields fields(image);
    o.fileName = fields.takeText(u"SRC");
    o.align.clear();
    if (const auto align = fields.take(u"ALIGN")) {
        if (const auto word = oneOf(*align, {u"LEFT", u"RIGHT", u"TOP", u"CENTER", u"BOTTOM"}))
            o.align = *word;
        else
            fields.giveBack();
    }
    o.space = false;
    if (o.align == u"LEFT" || o.align == u"RIGHT") {
        o.space = fields.takePair(u"VSPACE", u"HSPACE", o.vSpace, o.hSpace);
    }
    o.alt = fields.takeInto(u"ALT", o.altText);
    o.border = fields.takeInto(u"BORDER", o.borderWidth);
    o.usemap = false;
    if (const auto map = fields.take(u"USEMAP")) {
        if (map->startsWith(u'#')) {
            o.usemap = true;
            o.mapName = map->mid(1);
        } else {
            fields.giveBack();
        }
    }
    return reopenedTag(image, o, fields);
}
