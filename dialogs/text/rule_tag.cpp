#include "dialogs/text/rule_tag.h"

#include "dialogs/color_code.h"

using namespace Qt::StringLiterals;

TagTexts ruleTag(const RuleOptions &o)
{
    QString rule = u"<HR"_s;
    if (o.size)
        rule += u" SIZE="_s + o.sizeValue;
    if (o.width)
        rule += u" WIDTH=\""_s + o.widthValue + (o.percent ? u"%\""_s : u"\""_s);
    if (o.position) {
        switch (o.align) {
        case RuleAlign::Left:
            rule += u" ALIGN=left"_s;
            break;
        case RuleAlign::Center:
            rule += u" ALIGN=center"_s;
            break;
        case RuleAlign::Right:
            rule += u" ALIGN=right"_s;
            break;
        }
    }
    if (o.color)
        rule += u" COLOR=#"_s + ColorCode(o.colorValue);
    if (o.noShade)
        rule += u" NOSHADE"_s;
    rule += u">\r\n"_s;
    return {{}, rule};
}

Reopened<RuleOptions> reopenRule(const TagElement &element, RuleOptions o)
{
    TagFields fields(element);
    o.size = fields.takeInto(u"SIZE", o.sizeValue);
    o.width = fields.takeSize(u"WIDTH", o.widthValue, o.percent);
    o.position = false;
    if (const auto align = fields.take(u"ALIGN")) {
        o.position = true;
        if (const auto word = oneOf(*align, {u"left", u"center", u"right"}))
            o.align = *word == u"left" ? RuleAlign::Left : *word == u"center" ? RuleAlign::Center : RuleAlign::Right;
        else
            fields.cannotShow();
    }
    o.color = fields.takeColor(u"COLOR", o.colorValue);
    o.noShade = fields.takeFlag(u"NOSHADE");
    return reopenedTag(element, o, fields);
}
