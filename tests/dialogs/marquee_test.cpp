#include "dialogs/media/marquee_tag.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString end = u"</MARQUEE>\r\n"_s;

TEST(MarqueeTag, WritesEachTickedAttributeInItsPlace)
{
    const struct {
        MarqueeOptions options;
        const char16_t *start;
    } rows[] = {
        {{}, u"<MARQUEE>"},
        {{.align = true}, u"<MARQUEE ALIGN=top>"},
        {{.align = true, .alignValue = MarqueeAlign::Middle}, u"<MARQUEE ALIGN=middle>"},
        {{.align = true, .alignValue = MarqueeAlign::Bottom}, u"<MARQUEE ALIGN=bottom>"},
        {{.behavior = true}, u"<MARQUEE BEHAVIOR=scroll>"},
        {{.behavior = true, .behaviorValue = MarqueeBehavior::Slide}, u"<MARQUEE BEHAVIOR=slide>"},
        {{.behavior = true, .behaviorValue = MarqueeBehavior::Alternate}, u"<MARQUEE BEHAVIOR=alternate>"},
        {{.color = true}, u"<MARQUEE BGCOLOR=#000000>"},
        {{.color = true, .colorValue = QColor(0, 0, 128)}, u"<MARQUEE BGCOLOR=#000080>"},
        {{.direction = true}, u"<MARQUEE DIRECTION=right>"},
        {{.height = true, .heightValue = u"20"_s, .heightPixels = true}, u"<MARQUEE HEIGHT=20>"},
        {{.height = true, .heightValue = u"20"_s}, u"<MARQUEE HEIGHT=20%>"},
        {{.width = true, .widthValue = u"50"_s}, u"<MARQUEE WIDTH=50%>"},
        {{.width = true, .widthValue = u"50"_s, .widthPixels = true}, u"<MARQUEE WIDTH=50>"},
        {{.width = true}, u"<MARQUEE WIDTH=%>"},
        {{.height = true, .heightValue = u"1"_s, .width = true, .widthValue = u"2"_s, .widthPixels = true},
         u"<MARQUEE HEIGHT=1% WIDTH=2>"},
        {{.loop = true, .loopValue = u"3"_s}, u"<MARQUEE LOOP=3>"},
        {{.loop = true, .infinite = true, .loopValue = u"3"_s}, u"<MARQUEE LOOP=INFINITE>"},
        {{.infinite = true, .loopValue = u"3"_s}, u"<MARQUEE>"},
        {{.scrollamount = true, .scrollamountValue = u"6"_s}, u"<MARQUEE SCROLLAMOUNT=6>"},
        {{.scrolldelay = true, .scrolldelayValue = u"-5"_s}, u"<MARQUEE SCROLLDELAY=-5>"},
        {{.space = true, .hspaceValue = u"1"_s, .vspaceValue = u"2"_s}, u"<MARQUEE HSPACE=1 VSPACE=2>"},
        // Texts go in as typed: blanks, "$" numbers, quotes, ampersands, Japanese.
        {{.height = true, .heightValue = u" 5"_s, .width = true, .widthValue = u"幅 \"a\"&b"_s,
          .loop = true, .loopValue = u"$1F"_s},
         u"<MARQUEE HEIGHT= 5% WIDTH=幅 \"a\"&b% LOOP=$1F>"},
        // What is not ticked is not written, whatever it holds.
        {{.alignValue = MarqueeAlign::Bottom, .behaviorValue = MarqueeBehavior::Slide,
          .colorValue = QColor(255, 0, 0), .heightValue = u"1"_s, .widthValue = u"2"_s,
          .loopValue = u"3"_s, .scrollamountValue = u"4"_s, .scrolldelayValue = u"5"_s,
          .hspaceValue = u"6"_s, .vspaceValue = u"7"_s},
         u"<MARQUEE>"},
        {{.align = true, .alignValue = MarqueeAlign::Middle, .behavior = true,
          .behaviorValue = MarqueeBehavior::Alternate, .color = true, .colorValue = QColor(255, 0, 0),
          .direction = true, .height = true, .heightValue = u"30"_s, .heightPixels = true,
          .width = true, .widthValue = u"80"_s, .loop = true, .loopValue = u"2"_s,
          .scrollamount = true, .scrollamountValue = u"8"_s, .scrolldelay = true,
          .scrolldelayValue = u"90"_s, .space = true, .hspaceValue = u"4"_s, .vspaceValue = u"5"_s},
         u"<MARQUEE ALIGN=middle BEHAVIOR=alternate BGCOLOR=#FF0000 DIRECTION=right HEIGHT=30"
         " WIDTH=80% LOOP=2 SCROLLAMOUNT=8 SCROLLDELAY=90 HSPACE=4 VSPACE=5>"},
    };
    for (const auto &row : rows) {
        const TagTexts tags = marqueeTag(row.options);
        EXPECT_EQ(tags.start, QString::fromUtf16(row.start));
        EXPECT_EQ(tags.end, end);
    }
}

} // namespace
