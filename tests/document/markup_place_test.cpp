#include "document/markup_place.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Each '@' of the page is asked about.
TEST(MarkupPlace, TellsWhereBrowsersReadReferences)
{
    using P = MarkupPlace;
    const struct {
        const char *name;
        QString page;
        QList<MarkupPlace> places;
    } cases[] = {
        {"text and attribute values", u"@<A HREF=\"@\" TITLE='@' ALT=@x>@</A>@"_s,
         {P::Text, P::AttributeValue, P::AttributeValue, P::AttributeValue, P::Text, P::Text}},
        {"names in a tag", u"<A@ B@=1 C = @>"_s, {P::Tag, P::Tag, P::AttributeValue}},
        {"script and its end", u"<SCRIPT type=\"a\">@ \"</b>\" @</script >@"_s, {P::Script, P::Script, P::Text}},
        {"style, any case", u"<Style>@</STYLE>@<styles>@"_s, {P::Style, P::Text, P::Text}},
        {"comment", u"@<!-- @ <b> @ -->@"_s, {P::Text, P::Comment, P::Comment, P::Text}},
        {"declaration", u"<!DOCTYPE @>@"_s, {P::Tag, P::Text}},
        {"'>' inside a quoted value", u"<A B=\"x>@\">@"_s, {P::AttributeValue, P::Text}},
        {"a lone '<'", u"a < @ <1@"_s, {P::Text, P::Text}},
        {"an end tag's name", u"</A@>@"_s, {P::Tag, P::Text}},
        {"a script tag over lines", u"<SCRIPT\u2029LANGUAGE=x>@</SCRIPT>"_s, {P::Script}},
        {"unclosed comment", u"<!-- @"_s, {P::Comment}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QList<qsizetype> positions;
        for (qsizetype i = c.page.indexOf(u'@'); i >= 0; i = c.page.indexOf(u'@', i + 1))
            positions << i;
        EXPECT_EQ(markupPlaces(c.page, positions), c.places);
    }
}

} // namespace
