#pragma once

#include <QString>

// Browse filters for pictures: the classic GIF (and JPEG) entries first, then
// the formats today's browsers show, so a PNG is seen without 全てのﾌｧｲﾙ.
namespace picture_filters {

inline QString modernAndAll()
{
    return QStringLiteral("PNGﾌｧｲﾙ(*.PNG)|*.PNG|WebPﾌｧｲﾙ(*.WEBP)|*.WEBP|SVGﾌｧｲﾙ(*.SVG)|*.SVG|全てのﾌｧｲﾙ(*.*)|*.*");
}

inline QString gif()
{
    return QStringLiteral("GIFﾌｧｲﾙ(*.GIF)|*.GIF|") + modernAndAll();
}

inline QString gifAndJpeg()
{
    return QStringLiteral("GIFﾌｧｲﾙ(*.GIF)|*.GIF|JPEGﾌｧｲﾙ(*.JPG)|*.JPG;*.JPEG|") + modernAndAll();
}

} // namespace picture_filters
