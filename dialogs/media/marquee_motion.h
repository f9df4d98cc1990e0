#pragma once

#include "dialogs/media/marquee_tag.h"

#include <optional>

enum class MarqueeDirection { Left, Right };

// How the preview's sample moves, from one tick to the next.
struct MarqueeMotion {
    bool Scrolling = false;
    MarqueeDirection ScrollDirection = MarqueeDirection::Left;
    MarqueeBehavior ScrollBehavior = MarqueeBehavior::Scroll;
    int ScrollStep = 6;      // pixels per tick; may be negative
    int ScrollDelay = 100;   // the tick interval in milliseconds; 0 means no ticks
    bool operator==(const MarqueeMotion &) const = default;
};

// The preview settings as the dialog holds them when the preview starts;
// a value is empty when its box is off.
struct MarqueePreviewSettings {
    bool leftToRight = false;
    std::optional<int> behaviorIndex{};   // 0 scroll, 1 slide, 2 alternate
    std::optional<int> step{};
    std::optional<int> delay{};
};

// The motion a preview starts with: 6 pixels every 100 ms, scrolling
// towards the left, unless the settings say otherwise. A negative delay
// counts as 100 ms.
MarqueeMotion marqueeStart(const MarqueePreviewSettings &settings);

// The sample's left position when the preview starts: just outside the edge
// it moves away from.
int marqueeEntry(MarqueeDirection direction, int width, int stripWidth);

struct MarqueeTick {
    int left;
    MarqueeMotion motion;
    bool operator==(const MarqueeTick &) const = default;
};

// One tick for a sample `width` pixels wide standing at `left` in a strip
// `stripWidth` pixels wide. Scroll re-enters from the far edge once the
// sample has left the strip, slide stops at the edge it moves towards, and
// alternate turns there; a turn moves the sample from the next tick on.
// Positions never overflow, whatever the step.
MarqueeTick marqueeTick(int left, int width, int stripWidth, const MarqueeMotion &motion);
