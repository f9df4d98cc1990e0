#pragma once

#include "document/tag_types.h"

#include <QColor>
#include <QString>

enum class MarqueeAlign { Top, Middle, Bottom };
enum class MarqueeBehavior { Scroll, Slide, Alternate };

// What the marquee dialog asks for. Texts are written as typed.
struct MarqueeOptions {
    bool align = false;
    MarqueeAlign alignValue = MarqueeAlign::Top;
    bool behavior = false;
    MarqueeBehavior behaviorValue = MarqueeBehavior::Scroll;
    bool color = false;
    QColor colorValue = Qt::black;
    bool direction = false;          // left to right
    bool height = false;
    QString heightValue{};
    bool heightPixels = false;       // otherwise a percentage
    bool width = false;
    QString widthValue{};
    bool widthPixels = false;
    bool loop = false;
    bool infinite = false;
    QString loopValue{};
    bool scrollamount = false;
    QString scrollamountValue{};
    bool scrolldelay = false;
    QString scrolldelayValue{};
    bool space = false;
    QString hspaceValue{};
    QString vspaceValue{};

    bool operator==(const MarqueeOptions &) const = default;
};

// "<MARQUEE ALIGN=middle BEHAVIOR=slide BGCOLOR=#FF0000 DIRECTION=right
// HEIGHT=20 WIDTH=50% LOOP=INFINITE SCROLLAMOUNT=6 SCROLLDELAY=100 HSPACE=1
// VSPACE=1>" … "</MARQUEE>" and a line break: the attributes in that order,
// each only when asked for.
TagTexts marqueeTag(const MarqueeOptions &options);
