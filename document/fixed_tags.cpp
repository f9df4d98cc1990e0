#include "document/fixed_tags.h"

#include "document/mdi_child.h"
#include "platform/platform.h"

#include <QVariant>
#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<const char16_t *, 29> elementNames = {
    u"B", u"I", u"U", u"TT", u"S", u"EM", u"STRONG", u"ADDRESS",
    u"CITE", u"KBD", u"VAR", u"CODE", u"SAMP", u"SUP", u"SUB", u"Q", u"LANG", u"AU",
    u"PERSON", u"ACRONYM", u"ABBREV", u"INS", u"DEL",
    u"UL",
    u"center",  // the one lower-case element, as browsers of the day wrote it
    u"NOBR", u"BLINK", u"TH", u"TD",
};

constexpr std::array<BlockPair, 6> blockPairs = {{
    {u"<PRE>\r\n", u"</PRE>\r\n"},
    {u"<BLOCKQUOTE>\r\n", u"</BLOCKQUOTE>\r\n"},
    {u"<NOFRAMES>\r\n", u"</NOFRAMES>\r\n"},
    {u"<HTML>\r\n", u"</HTML>\r\n"},
    {u"<HEAD>\r\n", u"</HEAD>\r\n"},
    {u"<BODY>\r\n", u"</BODY>\r\n"},
}};

struct CharacterReference {
    const char16_t *entry;
    const char16_t *reference;
};

constexpr std::array<CharacterReference, 6> characterReferences = {{
    {u"SpecialAmp", u"&AMP"},
    {u"SpecialLt", u"&LT"},
    {u"SpecialGt", u"&GT"},
    {u"SpecialQuot", u"&QUOT"},
    {u"SpecialReg", u"&REG"},
    {u"SpecialCopy", u"&COPY"},
}};

// A fixed piece of markup and where it goes.
struct FixedInsertion {
    const char16_t *start;
    const char16_t *end;
    bool wrap;  // around the selection, which is captured first
    InsertMode mode;
};

constexpr FixedInsertion lineBreak{u"", u"<BR>", false, InsertMode::AfterSelection};
constexpr FixedInsertion plainRule{u"", u"<HR>\r\n", false, InsertMode::AfterSelection};
constexpr FixedInsertion softBreak{u"", u"<WBR>", false, InsertMode::AfterSelection};
constexpr FixedInsertion clearingBreak{u"<BR CLEAR=all>\r\n", u"", false, InsertMode::BeforeSelection};
constexpr FixedInsertion leftParagraph{u"<P ALIGN=left>", u"</P>", true, InsertMode::ReplaceSelection};
constexpr FixedInsertion rightParagraph{u"<P ALIGN=right>", u"</P>", true, InsertMode::ReplaceSelection};
constexpr FixedInsertion pageTitle{u"<TITLE>", u"</TITLE>\r\n", true, InsertMode::ReplaceSelection};
constexpr FixedInsertion comment{u"<!--", u"-->", true, InsertMode::ReplaceSelection};

void insertFixed(TMDIChild &doc, const QString &start, const QString &end, bool wrap,
                 InsertMode mode)
{
    doc.ClearTagPair();
    doc.StartTag = start;
    doc.EndTag = end;
    if (wrap)
        doc.CaptureSelection();
    doc.InsertTagPair(mode);
}

void insertFixed(TMDIChild &doc, const FixedInsertion &fixed)
{
    insertFixed(doc, QString::fromUtf16(fixed.start), QString::fromUtf16(fixed.end), fixed.wrap,
                fixed.mode);
}

} // namespace

QString elementForTag(int tag)
{
    if (tag < 0 || tag >= int(elementNames.size()))
        return {};
    return QString::fromUtf16(elementNames[tag]);
}

const BlockPair *blockForTag(int tag)
{
    if (tag < 0 || tag >= int(blockPairs.size()))
        return nullptr;
    return &blockPairs[tag];
}

QString characterReferenceFor(const QString &entryName)
{
    for (const CharacterReference &r : characterReferences) {
        if (entryName == QStringView(r.entry))
            return QString::fromUtf16(r.reference);
    }
    return {};
}

int senderTag(const QObject *sender)
{
    return sender ? sender->property("Tag").toInt() : 0;
}

void FontBoldClick(TMDIChild &doc, QObject *sender)
{
    const QString name = elementForTag(senderTag(sender));
    if (name.isEmpty())
        return;
    insertFixed(doc, u'<' + name + u'>', u"</"_s + name + u'>', true, InsertMode::ReplaceSelection);
}

void TextPreClick(TMDIChild &doc, QObject *sender)
{
    const BlockPair *pair = blockForTag(senderTag(sender));
    if (!pair)
        return;
    insertFixed(doc, QString::fromUtf16(pair->start), QString::fromUtf16(pair->end), true,
                InsertMode::ReplaceSelection);
}

void LfClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, lineBreak);
}

void KeisenClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, plainRule);
}

void TextWbrClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, softBreak);
}

void TextBrClearClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, clearingBreak);
}

void PositionLeftClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, leftParagraph);
}

void PositionRightClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, rightParagraph);
}

void PageTitleClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, pageTitle);
}

void FontCommentClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, comment);
}

void DanrakuClick(TMDIChild &doc, QObject *)
{
    doc.ClearTagPair();
    const Answer answer = platform().message(&doc, MessageKind::Confirmation,
                                             QStringLiteral("段落を中央に揃えますか？"),
                                             MessageButtons::YesNo);
    doc.StartTag = answer == Answer::Yes ? QStringLiteral("<P ALIGN=center>") : QStringLiteral("<P>");
    doc.EndTag = QStringLiteral("</P>\r\n");
    doc.CaptureSelection();
    doc.InsertTagPair(InsertMode::ReplaceSelection);
}

void SpecialAmpClick(TMDIChild &doc, QObject *sender)
{
    const QString reference = characterReferenceFor(sender ? sender->objectName() : QString());
    if (reference.isEmpty())
        return;
    insertFixed(doc, reference, {}, false, InsertMode::BeforeSelection);
}
