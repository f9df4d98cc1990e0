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
