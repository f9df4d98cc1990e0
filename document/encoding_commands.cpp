#include "document/encoding_commands.h"

#include "document/mdi_child.h"
#include "document/page_open.h"
#include "platform/charset_declaration.h"
#include "platform/platform.h"

#include <QDir>
#include <QVariant>

using namespace Qt::StringLiterals;

TextEncoding encodingOfTag(int tag)
{
    switch (tag) {
    case 1: return TextEncoding::EucJp;
    case 2: return TextEncoding::Utf8;
    default: return TextEncoding::ShiftJis;
    }
}

void EncodingClick(TMDIChild &doc, QObject *sender)
{
    const TextEncoding chosen = encodingOfTag(sender ? sender->property("Tag").toInt() : 0);
    if (chosen == TextEncoding::Utf8 && doc.encoding == TextEncoding::Utf8Bom)
        return;
    doc.chooseEncoding(chosen);
}

void EncodingBomClick(TMDIChild &doc, QObject *)
{
    if (doc.encoding == TextEncoding::Utf8)
        doc.chooseEncoding(TextEncoding::Utf8Bom);
    else if (doc.encoding == TextEncoding::Utf8Bom)
        doc.chooseEncoding(TextEncoding::Utf8);
}

void EncodingReopenClick(TMDIChild &doc, QObject *)
{
    const QString name = doc.fileName();
    if (name.isEmpty())
        return;
    if (doc.hasUnsavedText()
        && platform().message(&doc, MessageKind::Confirmation,
                              u"%1 は更新されています。変更を破棄して %2 で開き直しますか？"_s.arg(
                                  QDir::toNativeSeparators(name), charsetName(doc.encoding)),
                              MessageButtons::YesNo)
                != Answer::Yes)
        return;
    const std::optional<OpenedPage> opened = openPage(&doc, name, doc.encoding);
    if (!opened)
        return;
    if (!opened->stamp) {
        tellCannotOpen(&doc, name);
        return;
    }
    doc.loadPage(opened->page);
    doc.fileStamp = opened->stamp;
    doc.keptDeclaration.clear();
}
