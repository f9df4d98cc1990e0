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
