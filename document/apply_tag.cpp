#include "document/apply_tag.h"

#include "document/mdi_child.h"

void applyTag(TMDIChild &doc, const TagTexts &tags, Placement placement)
{
    doc.ClearTagPair();
    doc.StartTag = tags.start;
    doc.EndTag = tags.end;
    if (placement == Placement::AroundSelection)
        doc.CaptureSelection();
    switch (placement) {
    case Placement::BeforeSelection:
        doc.InsertTagPair(InsertMode::BeforeSelection);
        break;
    case Placement::AfterSelection:
        doc.InsertTagPair(InsertMode::AfterSelection);
        break;
    case Placement::AroundSelection:
    case Placement::ReplacingSelection:
        doc.InsertTagPair(InsertMode::ReplaceSelection);
        break;
    }
}
