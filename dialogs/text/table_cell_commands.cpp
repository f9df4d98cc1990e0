#include "dialogs/text/table_cell_commands.h"

#include "document/apply_tag.h"

using namespace Qt::StringLiterals;

namespace {

void wrap(TMDIChild &doc, const QString &start, const QString &end)
{
    applyTag(doc, {start, end}, Placement::AroundSelection);
}

} // namespace

void HyoCaptionClick(TMDIChild &doc, QObject *)
{
    wrap(doc, u"<CAPTION>"_s, u"</CAPTION>\r\n"_s);
}

void HyoRowsClick(TMDIChild &doc, QObject *)
{
    wrap(doc, u"<TR>"_s, u"</TR>\r\n"_s);
}

// The aligned cells stay on the line: no line end after them.
void HyoPosUpperClick(TMDIChild &doc, QObject *)
{
    wrap(doc, u"<TD VALIGN=top>"_s, u"</TD>"_s);
}

void HyoPosLowerClick(TMDIChild &doc, QObject *)
{
    wrap(doc, u"<TD VALIGN=bottom>"_s, u"</TD>"_s);
}
