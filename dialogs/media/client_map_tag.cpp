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

Reopened<HotspotOptions> reopenHotspot(const TagElement &area, HotspotOptions o)
{
    TagFields fields(area);
    if (const auto shape = fields.take(u"SHAPE")) {
        if (const auto word = oneOf(*shape, {u"RECT", u"CIRC", u"POLY"}))
            o.shape = *word == u"RECT" ? HotspotShape::Rect : *word == u"CIRC" ? HotspotShape::Circle : HotspotShape::Polygon;
        else
            fields.cannotShow();
    }
    o.coords = fields.takeText(u"COORDS");
    o.noHref = fields.takeFlag(u"NOHREF");
    if (!o.noHref)
        o.href = fields.takeText(u"HREF");
    o.target = fields.takeInto(u"TARGET", o.targetName);
    return reopenedTag(area, o, fields);
}

Reopened<QString> reopenClientMap(const TagElement &map)
{
    TagFields fields(map);
    const QString name = fields.takeText(u"NAME");
    return reopenedTag(map, name, fields);
}
