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
