#pragma once

#include "dialogs/links/frame_layout.h"
#include "document/tag_types.h"

#include <QString>

// What the frame-set dialog hands to its command: the boxes as they stand
// after normalisation.
struct FrameSetOptions {
    FrameDirection direction = FrameDirection::Columns;
    FrameUnit unit = FrameUnit::Percent;
    FrameSizeTexts sizes{};       // Edit1 … Edit5
    QString remainder{};          // Edit6
    bool noFrameBorder = false;   // 枠線を表示しない
    bool frameSpacing = false;    // ﾌﾚｰﾑ間のｽﾍﾟｰｽ
    QString frameSpacingValue{};

    bool operator==(const FrameSetOptions &) const = default;
};

// <FRAMESET COLS="30%,20%,50%" FRAMEBORDER="no" FRAMESPACING="4"> … </FRAMESET> CR LF
// (ROWS for stacked frames; pixel sizes carry no unit and end in "*"). The
// sizes run up to the first empty box; the remainder follows unless the
// percentages left no room for it, and then the typed sizes alone make the set.
TagTexts frameSetTag(const FrameSetOptions &options);
