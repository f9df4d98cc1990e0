#include "dialogs/media/marquee_motion.h"

#include <algorithm>
#include <limits>

namespace {

MarqueeBehavior behaviorAt(int index)
{
    switch (index) {
    case 1:
        return MarqueeBehavior::Slide;
    case 2:
        return MarqueeBehavior::Alternate;
    default:
        return MarqueeBehavior::Scroll;
    }
}

int clampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

} // namespace

MarqueeMotion marqueeStart(const MarqueePreviewSettings &settings)
{
    MarqueeMotion motion;
    motion.Scrolling = true;
    motion.ScrollDirection = settings.leftToRight ? MarqueeDirection::Right : MarqueeDirection::Left;
    motion.ScrollBehavior = behaviorAt(settings.behaviorIndex.value_or(0));
    motion.ScrollStep = settings.step.value_or(6);
    motion.ScrollDelay = settings.delay.value_or(100);
    if (motion.ScrollDelay < 0)
        motion.ScrollDelay = 100;
    return motion;
}

int marqueeEntry(MarqueeDirection direction, int width, int stripWidth)
{
    return direction == MarqueeDirection::Right ? -width : stripWidth;
}

MarqueeTick marqueeTick(int left, int width, int stripWidth, const MarqueeMotion &motion)
{
    MarqueeTick tick{left, motion};
    if (!motion.Scrolling)
        return tick;
    MarqueeMotion &next = tick.motion;
    // A step can be anything a whole number is; 64 bits keep the sums exact.
    const qint64 w = width;
    const qint64 s = stripWidth;
    qint64 l = left;
    if (motion.ScrollDirection == MarqueeDirection::Left) {
        l -= motion.ScrollStep;
        switch (motion.ScrollBehavior) {
        case MarqueeBehavior::Scroll:
            if (l < -w)
                l = s;
            break;
        case MarqueeBehavior::Slide:
            if (l <= 0) {
                l = 0;
                next.Scrolling = false;
            }
            break;
        case MarqueeBehavior::Alternate:
            if (l <= 0)
                next.ScrollDirection = MarqueeDirection::Right;
            break;
        }
    } else {
        l += motion.ScrollStep;
        switch (motion.ScrollBehavior) {
        case MarqueeBehavior::Scroll:
            if (l >= s)
                l = -w;
            break;
        case MarqueeBehavior::Slide:
            if (l >= s - w) {
                l = s - w;
                next.Scrolling = false;
            }
            break;
        case MarqueeBehavior::Alternate:
            if (l >= s - w)
                next.ScrollDirection = MarqueeDirection::Left;
            break;
        }
    }
    tick.left = clampToInt(l);
    return tick;
}
