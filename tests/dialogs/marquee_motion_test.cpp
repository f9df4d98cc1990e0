#include "dialogs/media/marquee_motion.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

using D = MarqueeDirection;
using B = MarqueeBehavior;
constexpr int intMax = std::numeric_limits<int>::max();
constexpr int intMin = std::numeric_limits<int>::min();

TEST(MarqueeMotion, StartTakesTheTickedSettingsAndMendsANegativeDelay)
{
    const auto motion = [](D direction, B behavior, int step, int delay) {
        return MarqueeMotion{true, direction, behavior, step, delay};
    };
    const struct {
        MarqueePreviewSettings settings;
        MarqueeMotion expected;
    } rows[] = {
        {{}, motion(D::Left, B::Scroll, 6, 100)},
        {{.leftToRight = true, .behaviorIndex = 1, .step = 3, .delay = 250},
         motion(D::Right, B::Slide, 3, 250)},
        {{.behaviorIndex = 2, .step = 0, .delay = 0}, motion(D::Left, B::Alternate, 0, 0)},
        {{.behaviorIndex = 0, .step = -4, .delay = -1}, motion(D::Left, B::Scroll, -4, 100)},
        {{.delay = intMin}, motion(D::Left, B::Scroll, 6, 100)},
    };
    for (const auto &row : rows)
        EXPECT_EQ(marqueeStart(row.settings), row.expected);
    EXPECT_EQ(marqueeEntry(D::Left, 20, 50), 50);
    EXPECT_EQ(marqueeEntry(D::Right, 20, 50), -20);
}

struct TickRun {
    const char *name;
    B behavior;
    D direction;
    int step;
    int start;
    // After each tick: the left position, and where given the direction and
    // whether the sample still moves.
    std::vector<int> lefts;
    std::vector<D> directions;     // after each tick
    std::vector<bool> scrolling;   // after each tick
};

// A sample 20 pixels wide in a strip 50 pixels wide.
TEST(MarqueeMotion, TicksMoveTheSampleByTheRulesOfEachBehaviour)
{
    const D L = D::Left;
    const D R = D::Right;
    const TickRun runs[] = {
        {"scroll wraps to the right edge once wholly out", B::Scroll, L, 10, 50,
         {40, 30, 20, 10, 0, -10, -20, 50, 40}, {L, L, L, L, L, L, L, L, L}, {}},
        {"scroll wraps to the left edge at the right edge", B::Scroll, R, 10, -20,
         {-10, 0, 10, 20, 30, 40, -20, -10}, {R, R, R, R, R, R, R, R}, {}},
        {"slide stops at the left edge", B::Slide, L, 6, 50,
         {44, 38, 32, 26, 20, 14, 8, 2, 0, 0}, {}, {1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {"slide stops with its right edge on the strip's", B::Slide, R, 6, -20,
         {-14, -8, -2, 4, 10, 16, 22, 28, 30, 30}, {}, {1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {"alternate turns on the tick after reaching an edge", B::Alternate, L, 6, 14,
         {8, 2, -4, 2, 8, 14, 20, 26, 32, 26},
         {L, L, R, R, R, R, R, R, L, L}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {"alternate from the left", B::Alternate, R, 10, 10, {20, 30, 20, 10, 0, 10},
         {R, L, L, L, R, R}, {}},
        {"a step of 0 never moves", B::Slide, L, 0, 50, {50, 50, 50}, {L, L, L}, {1, 1, 1}},
        {"a negative step moves away for good", B::Scroll, L, -6, 50, {56, 62}, {}, {}},
        {"huge steps wrap at once", B::Scroll, L, intMax, 50, {50, 50}, {}, {}},
        {"huge steps wrap at once to the right", B::Scroll, R, intMax, 40, {-20}, {}, {}},
        {"huge negative steps stop at the int range", B::Slide, L, intMin, intMax - 1,
         {intMax, intMax}, {}, {1, 1}},
        {"huge negative steps the other way", B::Alternate, R, intMin, -20, {intMin, intMin}, {R, R}, {}},
    };
    for (const TickRun &run : runs) {
        int left = run.start;
        MarqueeMotion motion{true, run.direction, run.behavior, run.step, 100};
        for (std::size_t i = 0; i < run.lefts.size(); ++i) {
            const MarqueeTick tick = marqueeTick(left, 20, 50, motion);
            left = tick.left;
            motion = tick.motion;
            EXPECT_EQ(left, run.lefts[i]) << run.name << ", tick " << i + 1;
            if (i < run.directions.size()) {
                EXPECT_EQ(motion.ScrollDirection, run.directions[i]) << run.name << ", tick " << i + 1;
            }
            if (i < run.scrolling.size()) {
                EXPECT_EQ(motion.Scrolling, run.scrolling[i]) << run.name << ", tick " << i + 1;
            }
            EXPECT_EQ(motion.ScrollStep, run.step) << run.name;
        }
    }
}

TEST(MarqueeMotion, NothingMovesWhileTheSampleIsNotScrolling)
{
    const MarqueeMotion still{false, D::Right, B::Scroll, 6, 100};
    EXPECT_EQ(marqueeTick(7, 20, 50, still), (MarqueeTick{7, still}));
}

TEST(MarqueeMotion, ASampleWiderThanTheStripStopsWithTheRightEdgesMet)
{
    MarqueeTick tick{-80, {true, D::Right, B::Slide, 6, 100}};
    for (int i = 0; i < 9; ++i)
        tick = marqueeTick(tick.left, 80, 50, tick.motion);
    EXPECT_EQ(tick.left, -30);
    EXPECT_FALSE(tick.motion.Scrolling);
}

} // namespace
