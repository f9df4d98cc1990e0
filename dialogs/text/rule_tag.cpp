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
