#pragma once

#include "document/apply_tag.h"

#include <QString>

// The Tag menu's fixed markup. Entries that share a command are told apart
// by the sender's "Tag" property (element and block pairs) or by the sender
// itself (character references).

// The element name of FontBoldClick's pair for a Tag value, empty when unknown.
QString elementForTag(int tag);

struct BlockPair {
    const char16_t *start;
    const char16_t *end;
};
// TextPreClick's pair for a Tag value; nullptr when unknown.
const BlockPair *blockForTag(int tag);

// The reference SpecialAmpClick writes for an entry name ("SpecialAmp" ...),
// empty when unknown.
QString characterReferenceFor(const QString &entryName);

// The sender's Tag value (a "Tag" property on menu entries and buttons).
int senderTag(const QObject *sender);

void FontBoldClick(TMDIChild &doc, QObject *sender);
void TextPreClick(TMDIChild &doc, QObject *sender);

// A fixed piece of markup and where it goes; its command is a row below.
struct FixedInsertion {
    const char16_t *start;
    const char16_t *end;
    Placement placement;
};

void insertFixed(TMDIChild &doc, const FixedInsertion &fixed);

template <const FixedInsertion &fixed>
void fixedCommand(TMDIChild &doc, QObject *)
{
    insertFixed(doc, fixed);
}

inline constexpr FixedInsertion lineBreak{u"", u"<BR>", Placement::AfterSelection};
inline constexpr FixedInsertion plainRule{u"", u"<HR>\r\n", Placement::AfterSelection};
inline constexpr FixedInsertion softBreak{u"", u"<WBR>", Placement::AfterSelection};
inline constexpr FixedInsertion clearingBreak{u"<BR CLEAR=all>\r\n", u"", Placement::BeforeSelection};
inline constexpr FixedInsertion leftParagraph{u"<P ALIGN=left>", u"</P>", Placement::AroundSelection};
inline constexpr FixedInsertion rightParagraph{u"<P ALIGN=right>", u"</P>", Placement::AroundSelection};
inline constexpr FixedInsertion pageTitle{u"<TITLE>", u"</TITLE>\r\n", Placement::AroundSelection};
inline constexpr FixedInsertion comment{u"<!--", u"-->", Placement::AroundSelection};

inline constexpr DocumentCommand LfClick = &fixedCommand<lineBreak>;
inline constexpr DocumentCommand KeisenClick = &fixedCommand<plainRule>;
inline constexpr DocumentCommand TextWbrClick = &fixedCommand<softBreak>;
inline constexpr DocumentCommand TextBrClearClick = &fixedCommand<clearingBreak>;
inline constexpr DocumentCommand PositionLeftClick = &fixedCommand<leftParagraph>;
inline constexpr DocumentCommand PositionRightClick = &fixedCommand<rightParagraph>;
inline constexpr DocumentCommand PageTitleClick = &fixedCommand<pageTitle>;
inline constexpr DocumentCommand FontCommentClick = &fixedCommand<comment>;
void DanrakuClick(TMDIChild &doc, QObject *sender);
void SpecialAmpClick(TMDIChild &doc, QObject *sender);
