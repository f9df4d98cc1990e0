#pragma once

#include "document/tag_types.h"

#include <QString>

enum class HotspotShape { Rect, Circle, Polygon };

// What the hot-spot dialog hands to its command.
struct HotspotOptions {
    HotspotShape shape = HotspotShape::Rect;  // 形
    QString coords{};                          // 座標
    bool noHref = false;                       // 何も起きない
    QString href{};                            // URL
    bool target = false;                       // ﾀｰｹﾞｯﾄｳｨﾝﾄﾞｳ名
    QString targetName{};

    bool operator==(const HotspotOptions &) const = default;
};

// <AREA SHAPE="CIRC" COORDS="5,5,5" HREF="b.htm" TARGET="main"> CR LF
// One line of its own, put in front of the selection.
TagTexts hotspotTag(const HotspotOptions &options);

// <MAP NAME="nav"> CR LF ... </MAP> CR LF, around the selected hot spots.
TagTexts clientMapTag(const QString &name);
