#include "dialogs/links/form_field_tag.h"
#include "dialogs/links/form_tag.h"
#include "dialogs/links/frame_set_tag.h"
#include "dialogs/links/frame_tag.h"
#include "dialogs/links/frame_target_tag.h"
#include "dialogs/links/link_tag.h"
#include "dialogs/links/meta_tag.h"
#include "dialogs/links/select_list_tag.h"
#include "dialogs/media/applet_tag.h"
#include "dialogs/media/br_clear_tag.h"
#include "dialogs/media/client_map_tag.h"
#include "dialogs/media/image_tag.h"
#include "dialogs/media/marquee_tag.h"
#include "dialogs/media/param_tag.h"
#include "dialogs/media/sound_tag.h"
#include "dialogs/media/video_tag.h"
#include "dialogs/text/color_command.h"
#include "dialogs/text/font_tag.h"
#include "dialogs/text/heading_tag.h"
#include "dialogs/text/list_tag.h"
#include "dialogs/text/page_tag.h"
#include "dialogs/text/rule_tag.h"
#include "dialogs/text/table_tag.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <functional>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// Options as a person can set them in each dialog, at random.
class Random
{
public:
    explicit Random(quint32 seed) : m_rng(seed) {}

    bool coin() { return m_rng.bounded(2) == 1; }
    int below(int n) { return int(m_rng.bounded(n)); }
    template <typename T>
    T pick(std::initializer_list<T> choices) { return *(choices.begin() + below(int(choices.size()))); }
    // Typed text: Japanese, blanks, '&', '=', '>', '#', quotes of the other kind.
    QString text(int most = 6)
    {
        static const QString letters = u"aZ0 あ漢&=>'/#._"_s;
        QString text;
        for (int n = below(most + 1); n > 0; --n)
            text += letters.at(below(int(letters.size())));
        return text;
    }
    // A text that is one word: no blank, no '>', no '#'.
    QString word() { return pick({u"a"_s, u"x.gif"_s, u"漢字"_s, u"main"_s, u"a&b"_s}); }
    QString number() { return QString::number(below(1000)); }
    QColor color() { return QColor(below(256), below(256), below(256)); }

private:
    QRandomGenerator m_rng;
};

// builder → reader → the same options, and the markup they write goes back
// in its place giving the same page.
template <typename Options, typename Reopen, typename Written>
void expectRoundTrip(const Options &options, const QString &page, Reopen reopen, Written written)
{
    SCOPED_TRACE(page.toStdString());
    const CaretTarget target = readTagAt(page, 1);
    ASSERT_FALSE(target.tags.isEmpty());
    const Reopened<Options> reopened = reopen(target.tags.first());
    EXPECT_TRUE(reopened.options == options);
    EXPECT_TRUE(reopened.kept == KeptAttributes{});
    const QString again = written(reopened.options);
    QString rewritten = page;
    rewritten.replace(reopened.from, reopened.to - reopened.from, reopened.whole ? again : firstTag(again));
    EXPECT_EQ(rewritten, page);
}

// The whole markup of a command: around, before or after a selection.
QString around(const TagTexts &tags)
{
    return tags.start.isEmpty() ? tags.end + u"sel"_s : tags.start + u"sel"_s + tags.end;
}

QString startOrEnd(const TagTexts &tags)
{
    return tags.start.isEmpty() ? tags.end : tags.start;
}

template <typename Options, typename Build, typename Reopen>
void roundTrip(const Options &options, Build build, Reopen reopen)
{
    expectRoundTrip(options, around(build(options)), reopen, [&](const Options &o) { return startOrEnd(build(o)); });
}

using Row = std::pair<const char *, std::function<void(Random &)>>;

const Row rows[] = {
    {"FONT", [](Random &r) {
         const FontOptions base{.size = true, .sizeValue = u"4"_s, .color = true, .colorValue = Qt::black};
         FontOptions o = base;
         o.size = r.coin();
         o.relativeSize = !o.size && r.coin();
         if (o.size)
             o.sizeValue = QString::number(1 + r.below(7));
         if (o.relativeSize)
             o.relativeValue = r.pick({u"+4"_s, u"+1"_s, u"-1"_s, u"-4"_s});
         if ((o.color = r.coin()))
             o.colorValue = r.color();
         if ((o.face = r.coin()))
             o.faceName = r.text();
         roundTrip(o, fontTag, [&](const TagElement &e) { return reopenFont(e, base); });
     }},
    {"BASEFONT", [](Random &r) {
         const BaseFontOptions o{QString::number(1 + r.below(7))};
         roundTrip(o, baseFontTag, [](const TagElement &e) { return reopenBaseFont(e, {u"3"_s}); });
     }},
    {"H1-H6", [](Random &r) {
         const HeadingOptions o{QString::number(1 + r.below(6)), r.pick({QString(), u"left"_s, u"center"_s, u"right"_s})};
         roundTrip(o, headingTag, [](const TagElement &e) { return reopenHeading(e, {u"1"_s, u"left"_s}); });
     }},
    {"BODY", [](Random &r) {
         const PageOptions base;
         PageOptions o;
         if ((o.pattern = r.coin()))
             o.fileName = r.text();
         if ((o.color = r.coin())) {
             if (!o.pattern)
                 o.back = r.color();
             o.text = r.color();
             o.link = r.color();
             o.vlink = r.color();
             o.alink = r.color();
         }
         o.bgproperties = r.coin();
         if ((o.margin = r.coin())) {
             o.left = r.text();
             o.top = r.text();
         }
         roundTrip(o, pageTag, [&](const TagElement &e) { return reopenPage(e, base); });
     }},
    {"HR", [](Random &r) {
         RuleOptions o;
         if ((o.size = r.coin()))
             o.sizeValue = r.number();
         if ((o.width = r.coin())) {
             o.widthValue = r.number();
             o.percent = r.coin();
         }
         if ((o.position = r.coin()))
             o.align = r.pick({RuleAlign::Left, RuleAlign::Center, RuleAlign::Right});
         if ((o.color = r.coin()))
             o.colorValue = r.color();
         o.noShade = r.coin();
         roundTrip(o, ruleTag, [](const TagElement &e) { return reopenRule(e, {}); });
     }},
    {"UL", [](Random &r) {
         const BulletedListOptions o{r.pick({u"square"_s, u"disk"_s, u"circle"_s})};
         const QString page = bulletedList(r.coin() ? QString() : u"a\r\nb"_s, o.markType).start;
         expectRoundTrip(o, page, [](const TagElement &e) { return *reopenBulletedList(e, {u"disk"_s}); },
                         bulletedListMarker);
     }},
    {"OL", [](Random &r) {
         const NumberedListOptions o{r.pick({u"A"_s, u"a"_s, u"I"_s, u"i"_s, u"1"_s}), r.number()};
         expectRoundTrip(o, numberedList(u"x"_s, o).start,
                         [](const TagElement &e) { return *reopenNumberedList(e, {u"A"_s, u"1"_s}); },
                         numberedListMarker);
     }},
    {"TABLE", [](Random &r) {
         TableOptions o;
         if ((o.pos = r.coin()))
             o.posAlign = r.pick({TableAlign::Left, TableAlign::Center, TableAlign::Right});
         if ((o.background = r.coin()))
             o.backgroundFile = r.text();
         if ((o.backColor = r.coin()))
             o.backColorValue = r.color();
         if ((o.borderColorLight = r.coin()))
             o.borderColorLightValue = r.color();
         if ((o.textVAlign = r.coin()))
             o.textVAlignValue = r.pick({CellVAlign::Top, CellVAlign::Bottom});
         if ((o.border = r.coin()))
             o.borderValue = r.number();
         if ((o.width = r.coin())) {
             o.widthValue = r.number();
             o.widthPercent = r.coin();
         }
         if ((o.caption = r.coin())) {
             o.captionText = r.text();
             o.captionSide = r.pick({CaptionSide::Top, CaptionSide::Bottom});
             o.captionAlign = r.pick({TableAlign::Left, TableAlign::Right});
         }
         o.rows = 1 + r.below(4);
         o.cols = 1 + r.below(4);
         const int headingRows = r.below(o.rows + 1);
         if ((o.fixedCols = headingRows > 0))
             o.fixedColsCount = headingRows;
         const int headingCols = headingRows < o.rows ? r.below(o.cols) : 0;
         if ((o.fixedRows = headingCols > 0))
             o.fixedRowsCount = headingCols;
         for (int i = 0; i < o.rows * o.cols; ++i)
             o.cells << r.text();
         expectRoundTrip(o, tableText(o), [](const TagElement &e) { return reopenTable(e, {}); }, tableText);
     }},
    {"TD BGCOLOR", [](Random &r) {
         const QColor color = r.color();
         roundTrip(color, coloredCellTag, [](const TagElement &e) { return reopenColoredCell(e, Qt::black); });
     }},
    {"A HREF", [](Random &r) {
         const UrlOptions o{r.word()};
         roundTrip(o, linkOtherDocTag, reopenLinkOtherDoc);
     }},
    {"A HREF #", [](Random &r) {
         const KeyLinkOptions o{r.coin() ? QString() : r.word(), r.text()};
         roundTrip(o, linkOwnerDocTag, reopenLinkOwnerDoc);
     }},
    {"A mailto", [](Random &r) { roundTrip(r.text(), linkMailtoTag, reopenLinkMailto); }},
    {"A NAME", [](Random &r) { roundTrip(r.text(), linkKeywordTag, reopenLinkKeyword); }},
    {"BASE HREF", [](Random &r) { roundTrip(r.text(), baseUrlTag, reopenBaseUrl); }},
    {"BASE TARGET", [](Random &r) {
         roundTrip(FrameTargetOptions{r.pick({u"_top"_s, u"_blank"_s, r.text()})}, frameTargetTag, reopenFrameTarget);
     }},
    {"FORM", [](Random &r) {
         FormOptions o;
         o.action = r.pick({QString(), r.word(), r.word() + u'@' + r.word()});
         if (!o.action.isEmpty())
             o.get = r.coin();
         if (o.action.contains(u'@') && (o.subject = r.coin()))
             o.subjectText = u'S' + r.text();
         o.multipart = r.coin();
         roundTrip(o, formTag, [](const TagElement &e) { return reopenForm(e, {}); });
     }},
    {"INPUT text", [](Random &r) {
         const TextBoxOptions o{r.text(), r.number(), r.coin() ? QString() : r.number(), r.coin()};
         roundTrip(o, textBoxTag, [](const TagElement &e) { return reopenTextBox(e, {}); });
     }},
    {"TEXTAREA", [](Random &r) {
         const MultiLineOptions o{r.text(), r.number(), r.number()};
         roundTrip(o, multiLineTag, [](const TagElement &e) { return reopenMultiLine(e, {}); });
     }},
    {"INPUT radio/checkbox", [](Random &r) {
         const ButtonKind kind = r.pick({ButtonKind::Radio, ButtonKind::Checkbox});
         const ButtonOptions o{r.text(), r.text(), r.coin()};
         roundTrip(o, [&](const ButtonOptions &b) { return buttonTag(kind, b); },
                   [](const TagElement &e) { return reopenButton(e, {}); });
     }},
    {"INPUT image", [](Random &r) {
         const ImgFldOptions o{r.text(), r.text(),
                               r.pick({ImageFieldAlign::None, ImageFieldAlign::Top, ImageFieldAlign::Bottom})};
         roundTrip(o, imgFldTag, [](const TagElement &e) { return reopenImgFld(e, {}); });
     }},
    {"INPUT submit/reset", [](Random &r) {
         roundTrip(r.text(), r.coin() ? submitTag : resetTag, reopenButtonCaption);
     }},
    {"INPUT hidden", [](Random &r) {
         roundTrip(HiddenOptions{r.text(), r.text()}, hiddenTag, [](const TagElement &e) { return reopenHidden(e, {}); });
     }},
    {"SELECT list box", [](Random &r) {
         ListBoxOptions o;
         o.name = r.text();
         for (int n = 1 + r.below(4); n > 0; --n)
             o.items << (r.coin() ? r.word() : r.word() + u',' + r.word());
         if ((o.defaultItem = r.coin()))
             o.defaultNumber = QString::number(1 + r.below(int(o.items.size())));
         if ((o.size = r.coin()))
             o.rows = r.number();
         o.multiple = r.coin();
         roundTrip(o, listBoxTag, [](const TagElement &e) { return reopenListBox(e, {}); });
     }},
    {"SELECT drop-down", [](Random &r) {
         DropDownOptions o{r.text(), {}};
         for (int n = r.below(4); n > 0; --n)
             o.items << r.text();
         roundTrip(o, dropDownTag, [](const TagElement &e) { return reopenDropDown(e, {}); });
     }},
    {"FRAMESET", [](Random &r) {
         FrameSetOptions o;
         o.direction = r.pick({FrameDirection::Columns, FrameDirection::Rows});
         o.unit = r.pick({FrameUnit::Percent, FrameUnit::Pixels});
         FrameSizeTexts typed{};
         for (int i = r.below(frameSizeBoxes + 1) - 1; i >= 0; --i)
             typed[std::size_t(i)] = QString::number(1 + r.below(60));
         const FrameSizes sizes = normaliseFrameSizes(typed, o.unit);
         const int sum = std::accumulate(typed.cbegin(), typed.cend(), 0,
                                         [](int total, const QString &box) { return total + box.toInt(); });
         if (o.unit == FrameUnit::Percent && sum == 100)
             return; // the same markup as the one box fewer, the last size as the remainder
         o.sizes = sizes.boxes;
         o.remainder = sizes.remainder;
         o.noFrameBorder = r.coin();
         if ((o.frameSpacing = r.coin()))
             o.frameSpacingValue = r.number();
         roundTrip(o, frameSetTag, [](const TagElement &e) { return reopenFrameSet(e, {}); });
     }},
    {"FRAME", [](Random &r) {
         FrameOptions o;
         o.source = r.text();
         if ((o.name = r.coin()))
             o.nameValue = r.text();
         if ((o.margin = r.coin())) {
             o.marginWidth = r.number();
             o.marginHeight = r.coin() ? QString() : r.number();
         }
         o.scroll = r.pick({FrameScroll::Unset, FrameScroll::Auto, FrameScroll::Yes, FrameScroll::No});
         o.noFrameBorder = r.coin();
         if ((o.frameSpacing = r.coin()))
             o.frameSpacingValue = r.text();
         o.noResize = r.coin();
         roundTrip(o, frameTag, [](const TagElement &e) { return reopenFrame(e, {}); });
     }},
    {"META refresh", [](Random &r) {
         MetaOptions o;
         o.content = r.number();
         if ((o.url = r.coin()))
             o.fileName = r.text();
         roundTrip(o, metaTag, [](const TagElement &e) { return reopenMeta(e, {}); });
     }},
    {"IMG", [](Random &r) {
         ImageOptions o;
         o.fileName = r.text();
         o.align = r.pick({QString(), u"LEFT"_s, u"RIGHT"_s, u"TOP"_s, u"CENTER"_s});
         if (o.align.startsWith(u'L') || o.align.startsWith(u'R')) {
             if ((o.space = r.coin())) {
                 o.vSpace = r.number();
                 o.hSpace = r.number();
             }
         }
         if ((o.alt = r.coin()))
             o.altText = r.text();
         if ((o.border = r.coin()))
             o.borderWidth = r.number();
         if ((o.usemap = r.coin()))
             o.mapName = r.text();
         roundTrip(o, imageTag, [](const TagElement &e) { return reopenImage(e, {}); });
     }},
    {"IMG DYNSRC", [](Random &r) {
         VideoOptions o;
         o.fileName = r.text();
         if ((o.image = r.coin()))
             o.imageName = r.text();
         if ((o.size = r.coin())) {
             o.width = r.number();
             o.height = r.number();
         }
         if ((o.align = r.coin()))
             o.alignValue = r.pick({VideoAlign::Left, VideoAlign::Right});
         if ((o.border = r.coin()))
             o.borderValue = r.number();
         if ((o.textAlign = r.coin()))
             o.textAlignValue = r.pick({VideoTextAlign::Top, VideoTextAlign::Middle, VideoTextAlign::Bottom});
         if ((o.space = r.coin())) {
             o.hspace = r.number();
             o.vspace = r.number();
         }
         if ((o.alt = r.coin()))
             o.altText = r.text();
         o.ismap = r.coin();
         if ((o.loop = r.coin()) && !(o.infinite = r.coin()))
             o.loopCount = r.number();
         o.fileOpen = r.coin();
         o.mouseOver = r.coin();
         if ((o.usemap = r.coin()))
             o.mapName = r.text();
         roundTrip(o, videoTag, [](const TagElement &e) { return reopenVideo(e, {}); });
     }},
    {"MAP", [](Random &r) { roundTrip(r.text(), clientMapTag, reopenClientMap); }},
    {"AREA", [](Random &r) {
         HotspotOptions o;
         o.shape = r.pick({HotspotShape::Rect, HotspotShape::Circle, HotspotShape::Polygon});
         o.coords = r.text();
         if (!(o.noHref = r.coin()))
             o.href = r.text();
         if ((o.target = r.coin()))
             o.targetName = r.text();
         roundTrip(o, hotspotTag, [](const TagElement &e) { return reopenHotspot(e, {}); });
     }},
    {"BGSOUND", [](Random &r) {
         SoundOptions o;
         o.fileName = r.text();
         if ((o.loop = r.coin()) && !(o.infinite = r.coin()))
             o.loopCount = r.number();
         roundTrip(o, soundTag, [](const TagElement &e) { return reopenSound(e, {}); });
     }},
    {"MARQUEE", [](Random &r) {
         MarqueeOptions o;
         if ((o.align = r.coin()))
             o.alignValue = r.pick({MarqueeAlign::Top, MarqueeAlign::Middle, MarqueeAlign::Bottom});
         if ((o.behavior = r.coin()))
             o.behaviorValue = r.pick({MarqueeBehavior::Scroll, MarqueeBehavior::Slide, MarqueeBehavior::Alternate});
         if ((o.color = r.coin()))
             o.colorValue = r.color();
         o.direction = r.coin();
         if ((o.height = r.coin())) {
             o.heightValue = r.number();
             o.heightPixels = r.coin();
         }
         if ((o.width = r.coin())) {
             o.widthValue = r.number();
             o.widthPixels = r.coin();
         }
         if ((o.loop = r.coin()) && !(o.infinite = r.coin()))
             o.loopValue = r.number();
         if ((o.scrollamount = r.coin()))
             o.scrollamountValue = r.number();
         if ((o.scrolldelay = r.coin()))
             o.scrolldelayValue = r.number();
         if ((o.space = r.coin())) {
             o.hspaceValue = r.number();
             o.vspaceValue = r.number();
         }
         roundTrip(o, marqueeTag, [](const TagElement &e) { return reopenMarquee(e, {}); });
     }},
    {"APPLET", [](Random &r) {
         AppletOptions o{r.text(), r.number(), r.number()};
         if ((o.url = r.coin()))
             o.urlValue = r.text();
         if ((o.space = r.coin())) {
             o.vspace = r.number();
             o.hspace = r.number();
         }
         roundTrip(o, appletTag, [](const TagElement &e) { return reopenApplet(e, {}); });
     }},
    {"PARAM", [](Random &r) { roundTrip(ParamOptions{r.text(), r.text()}, paramTag, reopenParam); }},
    {"BR CLEAR", [](Random &r) {
         roundTrip(BrClearOptions{r.pick({ClearSide::Left, ClearSide::Right, ClearSide::All})}, brClearTag,
                   [](const TagElement &e) { return *reopenBrClear(e); });
     }},
};

} // namespace

TEST(TagReopen, EveryDialogReadsBackWhatItWrote)
{
    for (const auto &[element, check] : rows) {
        SCOPED_TRACE(element);
        Random random(qHash(QByteArray(element)));
        for (int i = 0; i < 200 && !::testing::Test::HasFailure(); ++i)
            check(random);
    }
}

namespace {

// The tag at the start of `page` as OK writes it once anything changed.
template <typename Reopen, typename Written>
QString rewritten(const QString &page, Reopen reopen, Written written)
{
    const CaretTarget target = readTagAt(page, 1);
    if (target.tags.isEmpty())
        return u"(none)"_s;
    const auto reopened = reopen(target.tags.first());
    const QString text = written(reopened.options);
    return withKeptAttributes(reopened.whole ? text : firstTag(text), text, reopened.kept);
}

template <auto build>
constexpr auto builtBy = [](const auto &options) { return startOrEnd(build(options)); };

struct HandRow {
    const char16_t *page;
    std::function<QString(const QString &)> rewrite;
    const char16_t *written;
};

const HandRow handRows[] = {
    {u"<font Size='+2'\r\nFACE=Arial data-a=\"1\">", [](const QString &p) {
         return rewritten(p, [](auto &e) { return reopenFont(e, {}); }, builtBy<fontTag>);
     }, u"<FONT SIZE=+2 FACE=\"Arial\" data-a=\"1\">"},
    {u"<h2\u2029align=CENTER class=t>", [](const QString &p) {
         return rewritten(p, [](auto &e) { return reopenHeading(e, {}); }, builtBy<headingTag>);
     }, u"<H2 ALIGN=center class=t>"},
    {u"<body bgcolor=white text=\"#000000\" onload=\"f()\">", [](const QString &p) {
         return rewritten(p, [](auto &e) { return reopenPage(e, {}); }, builtBy<pageTag>);
     }, u"<BODY bgcolor=white TEXT=#000000 LINK=#0000FF VLINK=#800080 ALINK=#FF0000 onload=\"f()\">"},
    {u"<hr width=50% noshade>", [](const QString &p) {
         return rewritten(p, [](auto &e) { return reopenRule(e, {}); }, builtBy<ruleTag>);
     }, u"<HR WIDTH=\"50%\" NOSHADE>"},
    {u"<ol><li type=i start=3 class=c>a</ol>", [](const QString &p) {
         return rewritten(p, [](auto &e) { return *reopenNumberedList(e, {}); }, numberedListMarker);
     }, u"<LI TYPE=i START=3 class=c>"},
    {u"<table border=2 class=t>\u2029<tr> <th>a</th>\u2029<TD>b</td> </tr></table>", [](const QString &p) {
         return rewritten(p, [](auto &e) { return reopenTable(e, {}); }, tableText);
     }, u"<TABLE BORDER=\"2\" class=t>\r\n<TR><TH>a</TH><TD>b</TD></TR>\r\n</TABLE>"},
    {u"<table><caption>c</caption><tr><td>a</td></tr></table>", [](const QString &p) {
         return rewritten(p, [](auto &e) { return reopenTable(e, {}); }, tableText);
     }, u"<TABLE>\r\n<CAPTION VALIGN=top ALIGN=center>c</CAPTION>\r\n<TR><TD>a</TD></TR>\r\n</TABLE>"},
    {u"<table><caption align=right class=c>c</caption><tr><td>a</td></tr></table>", [](const QString &p) {
         return rewritten(p, [](auto &e) { return reopenTable(e, {}); }, tableText);
     }, u"<TABLE>"},
    {u"<table><tr><td colspan=2>a</td></tr></table>", [](const QString &p) {
         return rewritten(p, [](auto &e) { return reopenTable(e, {}); }, tableText);
     }, u"<TABLE>"},
    {u"<a href='x.htm' target=_top>", [](const QString &p) {
         return rewritten(p, reopenLinkOtherDoc, builtBy<linkOtherDocTag>);
     }, u"<A HREF=\"x.htm\" target=_top>"},
    {u"<input type=CHECKBOX name=n checked id=i>", [](const QString &p) {
         return rewritten(p, [](auto &e) { return reopenButton(e, {}); },
                          [](const ButtonOptions &o) { return buttonTag(ButtonKind::Checkbox, o).start; });
     }, u"<INPUT TYPE=\"checkbox\" NAME=\"n\" VALUE=\"\" CHECKED id=i>"},
    {u"<select name=s>\u2029<option>a,b\u2029<OPTION>c\u2029</select>", [](const QString &p) {
         return rewritten(p, [](auto &e) { return reopenDropDown(e, {}); }, builtBy<dropDownTag>);
     }, u"<SELECT NAME=\"s\">\r\n<OPTION>a,b\r\n<OPTION>c\r\n</SELECT>"},
    {u"<img src=a.gif width=10 align=middle>", [](const QString &p) {
         return rewritten(p, [](auto &e) { return reopenImage(e, {}); }, builtBy<imageTag>);
     }, u"<IMG SRC=\"a.gif\" width=10 align=middle>"},
    {u"<marquee behavior=SLIDE loop=-1 bgcolor=navy>", [](const QString &p) {
         return rewritten(p, [](auto &e) { return reopenMarquee(e, {}); }, builtBy<marqueeTag>);
     }, u"<MARQUEE BEHAVIOR=slide bgcolor=navy LOOP=-1>"},
};

} // namespace

TEST(TagReopen, ReadsTagsWrittenByHand)
{
    for (const HandRow &row : handRows)
        EXPECT_EQ(row.rewrite(QString::fromUtf16(row.page)), QString::fromUtf16(row.written));
}
