#pragma once

#include "document/tag_types.h"

#include <QString>

// What the image dialog hands to its command.
struct ImageOptions {
    QString fileName{};         // ﾌｧｲﾙ名
    // The picture's alignment: empty, "LEFT", "RIGHT", "TOP", "CENTER" or "BOTTOM".
    QString align{};
    bool space = false;         // ｲﾒｰｼﾞに対するｽﾍﾟｰｽ(ﾋﾟｸｾﾙ)
    QString vSpace{};           // 上下
    QString hSpace{};           // 左右
    bool alt = false;           // 表示するﾃｷｽﾄ
    QString altText{};
    bool border = false;        // 外枠の線の太さ
    QString borderWidth{};
    bool usemap = false;        // ｲﾒｰｼﾞﾏｯﾌﾟ名
    QString mapName{};          // without the '#'

    bool operator==(const ImageOptions &) const = default;
};

// <IMG SRC="a.gif" ALIGN=LEFT VSPACE=2 HSPACE=4 ALT="text" BORDER=0 USEMAP="#map">
// A start tag alone; space is written only beside a picture aligned LEFT or RIGHT.
TagTexts imageTag(const ImageOptions &options);
