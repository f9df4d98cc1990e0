#pragma once

#include "document/tag_types.h"

#include <QString>

// The scroll bar choice of a frame; Unset until one is chosen.
enum class FrameScroll { Unset, Auto, Yes, No };

// What the frame dialog hands to its command.
struct FrameOptions {
    QString source{};             // URLまたはﾌｧｲﾙ名
    bool name = false;            // ﾀｰｹﾞｯﾄ名
    QString nameValue{};
    bool margin = false;          // ﾏｰｼﾞﾝ
    QString marginWidth{};        // the box labelled 縦
    QString marginHeight{};       // the box labelled 横
    FrameScroll scroll = FrameScroll::Unset;
    bool noFrameBorder = false;   // 枠線を表示しない
    bool frameSpacing = false;    // ﾌﾚｰﾑ間の追加ｽﾍﾟｰｽ
    QString frameSpacingValue{};
    bool noResize = false;        // ｻｲｽﾞ変更禁止

    bool operator==(const FrameOptions &) const = default;
};

// <FRAME SRC="a.htm" NAME="main" MARGINWIDTH="4" MARGINHEIGHT="2" SCROLLING="auto"
//  FRAMEBORDER="no" FRAMESPACING="3" NORESIZE> … </FRAME> CR LF
// An empty margin box writes no margin; an empty spacing box still writes its attribute.
TagTexts frameTag(const FrameOptions &options);
