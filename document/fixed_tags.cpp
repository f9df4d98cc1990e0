#include "document/fixed_tags.h"

#include "document/apply_tag.h"
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

} // namespace

void insertFixed(TMDIChild &doc, const FixedInsertion &fixed)
{
    applyTag(doc, {QString::fromUtf16(fixed.start), QString::fromUtf16(fixed.end)}, fixed.placement);
}

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
    applyTag(doc, {u'<' + name + u'>', u"</"_s + name + u'>'}, Placement::AroundSelection);
}

void TextPreClick(TMDIChild &doc, QObject *sender)
{
    const BlockPair *pair = blockForTag(senderTag(sender));
    if (!pair)
        return;
    applyTag(doc, {QString::fromUtf16(pair->start), QString::fromUtf16(pair->end)},
             Placement::AroundSelection);
}

void DanrakuClick(TMDIChild &doc, QObject *)
{
    const Answer answer = platform().message(&doc, MessageKind::Confirmation,
                                             QStringLiteral("段落を中央に揃えますか？"),
                                             MessageButtons::YesNo);
    const QString start = answer == Answer::Yes ? u"<P ALIGN=center>"_s : u"<P>"_s;
    applyTag(doc, {start, u"</P>\r\n"_s}, Placement::AroundSelection);
}

void SpecialAmpClick(TMDIChild &doc, QObject *sender)
{
    const QString reference = characterReferenceFor(sender ? sender->objectName() : QString());
    if (reference.isEmpty())
        return;
    applyTag(doc, {reference, {}}, Placement::BeforeSelection);
}
