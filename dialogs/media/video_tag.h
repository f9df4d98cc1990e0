#pragma once

#include "document/tag_types.h"

#include <QString>

// The entries of the two alignment lists; None while a list has no choice.
enum class VideoAlign { None, Left, Right };
enum class VideoTextAlign { None, Top, Middle, Bottom };

// What the video dialog hands to its command.
struct VideoOptions {
    QString fileName{};         // ﾋﾞﾃﾞｵｸﾘｯﾌﾟのｱﾄﾞﾚｽまたはVRMLﾜｰﾙﾄﾞ
    bool image = false;         // ｲﾒｰｼﾞ
    QString imageName{};
    bool size = false;          // ｻｲｽﾞ
    QString width{};
    QString height{};
    bool align = false;         // 位置
    VideoAlign alignValue = VideoAlign::None;
    bool border = false;        // 枠線の太さ
    QString borderValue{};
    bool textAlign = false;     // 周りのﾃｷｽﾄの位置
    VideoTextAlign textAlignValue = VideoTextAlign::None;
    bool space = false;         // ｲﾒｰｼﾞに対するｽﾍﾟｰｽ
    QString hspace{};
    QString vspace{};
    bool alt = false;           // 表示するﾃｷｽﾄ
    QString altText{};
    bool ismap = false;         // ｻｰﾊﾞｰｻｲﾄﾞｲﾒｰｼﾞﾏｯﾌﾟ
    bool control = false;       // ｺﾝﾄﾛｰﾙ: shown and kept, never written
    bool loop = false;          // 再生回数
    bool infinite = false;      // 無限ﾙｰﾌﾟ
    QString loopCount{};
    bool fileOpen = false;      // 再生ﾀｲﾐﾝｸﾞ: ﾌｧｲﾙをｵｰﾌﾟﾝした時
    bool mouseOver = false;     //            ﾏｳｽを上に乗せた時
    bool usemap = false;        // ｸﾗｲｱﾝﾄｻｲﾄﾞｲﾒｰｼﾞﾏｯﾌﾟ
    QString mapName{};

    bool operator==(const VideoOptions &) const = default;
};

// <IMG SRC="b.gif" DYNSRC="a.avi" WIDTH=160 HEIGHT=120 ALIGN=left BORDER=0 ALIGN=top
//  HSPACE=5 VSPACE=5 ALT="clip" ISMAP LOOP=infinite START=fileopen,mouseover USEMAP="#map">
// A start tag only, without a line break; both alignments may be written.
TagTexts videoTag(const VideoOptions &options);
