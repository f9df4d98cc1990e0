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
    insertFixed(doc, {}, QStringLiteral("<BR>"), false, InsertMode::AfterSelection);
}

void KeisenClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, {}, QStringLiteral("<HR>\r\n"), false, InsertMode::AfterSelection);
}

void TextWbrClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, {}, QStringLiteral("<WBR>"), false, InsertMode::AfterSelection);
}

void TextBrClearClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, QStringLiteral("<BR CLEAR=all>\r\n"), {}, false, InsertMode::BeforeSelection);
}

void PositionLeftClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, QStringLiteral("<P ALIGN=left>"), QStringLiteral("</P>"), true,
                InsertMode::ReplaceSelection);
}

void PositionRightClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, QStringLiteral("<P ALIGN=right>"), QStringLiteral("</P>"), true,
                InsertMode::ReplaceSelection);
}

void PageTitleClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, QStringLiteral("<TITLE>"), QStringLiteral("</TITLE>\r\n"), true,
                InsertMode::ReplaceSelection);
}

void FontCommentClick(TMDIChild &doc, QObject *)
{
    insertFixed(doc, QStringLiteral("<!--"), QStringLiteral("-->"), true,
                InsertMode::ReplaceSelection);
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
