#include "dialogs/media/client_map_tag.h"

using namespace Qt::StringLiterals;

TagTexts hotspotTag(const HotspotOptions &o)
{
    QString tag = u"<AREA SHAPE=\""_s;
    switch (o.shape) {
    case HotspotShape::Rect:
        tag += u"RECT\""_s;
        break;
    case HotspotShape::Circle:
        tag += u"CIRC\""_s;
        break;
    case HotspotShape::Polygon:
        tag += u"POLY\""_s;
        break;
    }
    tag += u" COORDS=\""_s + o.coords + u'"';
    if (o.noHref)
        tag += u" NOHREF"_s;
    else
        tag += u" HREF=\""_s + o.href + u'"';
    if (o.target)
        tag += u" TARGET=\""_s + o.targetName + u'"';
    tag += u">\r\n"_s;
    return {tag, {}};
}

TagTexts clientMapTag(const QString &name)
{
    return {u"<MAP NAME=\""_s + name + u"\">\r\n"_s, u"</MAP>\r\n"_s};
}
