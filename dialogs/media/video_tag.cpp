#include "dialogs/media/video_tag.h"

using namespace Qt::StringLiterals;

TagTexts videoTag(const VideoOptions &o)
{
    QString tag = u"<IMG"_s;
    if (o.image)
        tag += u" SRC=\""_s + o.imageName + u'"';
    tag += u" DYNSRC=\""_s + o.fileName + u'"';
    if (o.size)
        tag += u" WIDTH="_s + o.width + u" HEIGHT="_s + o.height;
    if (o.align) {
        switch (o.alignValue) {
        case VideoAlign::Left:
            tag += u" ALIGN=left"_s;
            break;
        case VideoAlign::Right:
            tag += u" ALIGN=right"_s;
            break;
        case VideoAlign::None:
            break;
        }
    }
    if (o.border)
        tag += u" BORDER="_s + o.borderValue;
    if (o.textAlign) {
        switch (o.textAlignValue) {
        case VideoTextAlign::Top:
            tag += u" ALIGN=top"_s;
            break;
        case VideoTextAlign::Middle:
            tag += u" ALIGN=middle"_s;
            break;
        case VideoTextAlign::Bottom:
            tag += u" ALIGN=bottom"_s;
            break;
        case VideoTextAlign::None:
            break;
        }
    }
    if (o.space)
        tag += u" HSPACE="_s + o.hspace + u" VSPACE="_s + o.vspace;
    if (o.alt)
        tag += u" ALT=\""_s + o.altText + u'"';
    if (o.ismap)
        tag += u" ISMAP"_s;
    if (o.loop)
        tag += o.infinite ? u" LOOP=infinite"_s : u" LOOP="_s + o.loopCount;
    if (o.fileOpen && o.mouseOver)
        tag += u" START=fileopen,mouseover"_s;
    else if (o.fileOpen)
        tag += u" START=fileopen"_s;
    else if (o.mouseOver)
        tag += u" START=mouseover"_s;
    if (o.usemap)
        tag += u" USEMAP=\"#"_s + o.mapName + u'"';
    tag += u'>';
    return {tag, {}};
}

Reopened<VideoOptions> reopenVideo(const TagElement &image, VideoOptions o)
{
    TagFields fields(image);
    o.image = fields.takeInto(u"SRC", o.imageName);
    o.fileName = fields.takeText(u"DYNSRC");
    o.size = fields.takePair(u"WIDTH", u"HEIGHT", o.width, o.height);
    // Two alignments, each in its own ALIGN: beside the picture, and of the
    // text around it.
    o.align = o.textAlign = false;
    for (int i = 0; i < 2; ++i) {
        const auto align = fields.take(u"ALIGN");
        if (!align)
            break;
        const auto word = oneOf(*align, {u"left", u"right", u"top", u"middle", u"bottom"});
        const bool side = word && (*word == u"left" || *word == u"right");
        if (!word || (side && o.align) || (!side && o.textAlign)) {
            fields.giveBack();
            break;
        }
        if (side) {
            o.align = true;
            o.alignValue = *word == u"left" ? VideoAlign::Left : VideoAlign::Right;
        } else {
            o.textAlign = true;
            o.textAlignValue = *word == u"top" ? VideoTextAlign::Top
                             : *word == u"middle" ? VideoTextAlign::Middle : VideoTextAlign::Bottom;
        }
    }
    o.border = fields.takeInto(u"BORDER", o.borderValue);
    o.space = fields.takePair(u"HSPACE", u"VSPACE", o.hspace, o.vspace);
    o.alt = fields.takeInto(u"ALT", o.altText);
    o.ismap = fields.takeFlag(u"ISMAP");
    o.loop = fields.takeLoop(o.infinite, o.loopCount);
    o.fileOpen = o.mouseOver = false;
    if (const auto start = fields.take(u"START")) {
        const QString when = start->toLower();
        o.fileOpen = when == u"fileopen" || when == u"fileopen,mouseover";
        o.mouseOver = when == u"mouseover" || when == u"fileopen,mouseover";
        if (!o.fileOpen && !o.mouseOver)
            fields.giveBack();
    }
    o.usemap = false;
    if (const auto map = fields.take(u"USEMAP")) {
        o.usemap = map->startsWith(u'#');
        if (o.usemap)
            o.mapName = map->mid(1);
        else
            fields.giveBack();
    }
    return reopenedTag(image, o, fields);
}
