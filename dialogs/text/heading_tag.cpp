#include "dialogs/text/heading_tag.h"

using namespace Qt::StringLiterals;

TagTexts headingTag(const HeadingOptions &options)
{
    QString start = u"<H"_s + options.level;
    if (!options.align.isEmpty())
        start += u" ALIGN="_s + options.align;
    start += u'>';
    return {start, u"</H"_s + options.level + u'>'};
}

Reopened<HeadingOptions> reopenHeading(const TagElement &element, HeadingOptions o)
{
    TagFields fields(element);
    o.level = element.name.right(1);
    o.align.clear();
    if (const auto align = fields.take(u"ALIGN")) {
        if (const auto word = oneOf(*align, {u"left", u"center", u"right"})) {
            o.align = *word;
        } else {
            o.align = u"left"_s;
            fields.cannotShow();
        }
    }
    return reopenedTag(element, o, fields);
}
