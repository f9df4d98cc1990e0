#pragma once

#include "document/tag_types.h"

#include <QColor>
#include <QString>

enum class RuleAlign { Left, Center, Right };

// What the rule dialog hands to its command.
struct RuleOptions {
    bool size = false;          // 太さ
    QString sizeValue{};
    bool width = false;         // 長さ
    QString widthValue{};
    bool percent = false;       // ﾊﾟｰｾﾝﾄ rather than ﾋﾟｸｾﾙ
    bool position = false;      // 位置
    RuleAlign align = RuleAlign::Left;
    bool color = false;         // 色
    QColor colorValue = Qt::black;
    bool noShade = false;       // 影のない黒い線

    bool operator==(const RuleOptions &) const = default;
};

// <HR SIZE=3 WIDTH="50%" ALIGN=center COLOR=#FF0000 NOSHADE> CR LF
// The whole rule is the end tag: it goes after the selection, which stays.
TagTexts ruleTag(const RuleOptions &options);
