#pragma once

#include "document/tag_types.h"

#include <QString>

// What the background-sound dialog hands to its command.
struct SoundOptions {
    QString fileName{};         // ｻｳﾝﾄﾞﾌｧｲﾙ名
    bool loop = false;          // 再生回数
    bool infinite = false;      // 無限ﾙｰﾌﾟ
    QString loopCount{};

    bool operator==(const SoundOptions &) const = default;
};

// <BGSOUND SRC="x.mid" LOOP=3> CR LF   (or LOOP=INFINITE)
TagTexts soundTag(const SoundOptions &options);
