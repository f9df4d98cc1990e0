#pragma once

#include <QString>
#include <optional>

class QWidget;

enum class NameCase { Keep, Lower };

// The filters of the browse buttons. Picture filters list the classic GIF
// (and JPEG) entries first, then the formats today's browsers show, so a PNG
// is seen without 全てのﾌｧｲﾙ.
inline constexpr char16_t htmlFileFilter[] = u"HTMLﾌｧｲﾙ(*.HTM*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*";
inline constexpr char16_t gifFileFilter[] =
    u"GIFﾌｧｲﾙ(*.GIF)|*.GIF|PNGﾌｧｲﾙ(*.PNG)|*.PNG|WebPﾌｧｲﾙ(*.WEBP)|*.WEBP|SVGﾌｧｲﾙ(*.SVG)|*.SVG|"
    u"全てのﾌｧｲﾙ(*.*)|*.*";
inline constexpr char16_t pictureFileFilter[] =
    u"GIFﾌｧｲﾙ(*.GIF)|*.GIF|JPEGﾌｧｲﾙ(*.JPG)|*.JPG;*.JPEG|PNGﾌｧｲﾙ(*.PNG)|*.PNG|WebPﾌｧｲﾙ(*.WEBP)|*.WEBP|"
    u"SVGﾌｧｲﾙ(*.SVG)|*.SVG|全てのﾌｧｲﾙ(*.*)|*.*";

// The browse buttons of the attribute dialogs: the file-open dialog with
// `filter`, then only the chosen file's name, without its folder (pages
// name files beside themselves). nullopt when cancelled.
std::optional<QString> browseFileName(QWidget *parent, const QString &filter, NameCase nameCase);
