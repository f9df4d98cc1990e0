#include "document/apply_tag.h"

#include "document/mdi_child.h"

void applyTag(TMDIChild &doc, const TagTexts &tags, InsertMode mode, Capture capture)
{
    doc.ClearTagPair();
    doc.StartTag = tags.start;
    doc.EndTag = tags.end;
    if (capture == Capture::Selection)
        doc.CaptureSelection();
    doc.InsertTagPair(mode);
}
