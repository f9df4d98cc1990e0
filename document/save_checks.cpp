#include "document/save_checks.h"

#include "document/doc_editor.h"
#include "document/markup_place.h"
#include "document/mdi_child.h"
#include "platform/busy_cursor.h"
#include "platform/charset_declaration.h"
#include "platform/platform.h"
#include "platform/text_file.h"
#include "platform/unencodable_dialog.h"

#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

bool pairAt(QStringView text, qsizetype i)
{
    return i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
}

QString characterAt(QStringView text, qsizetype i)
{
    return text.sliced(i, pairAt(text, i) ? 2 : 1).toString();
}

void selectAt(TMDIChild &doc, qsizetype position)
{
    const QString text = doc.txtDoc->rawText();
    if (position < 0 || position >= text.size())
        return;
    QTextCursor cursor(doc.txtDoc->document());
    cursor.setPosition(int(position));
    cursor.setPosition(int(position + (pairAt(text, position) ? 2 : 1)), QTextCursor::KeepAnchor);
    doc.txtDoc->setTextCursor(cursor);
    doc.txtDoc->ensureCursorVisible();
}

// Each character becomes "&#xHHHH;", the form every browser reads.
void writeAsReferences(TMDIChild &doc, QStringView text, const QList<qsizetype> &positions)
{
    QList<TDocEditor::Piece> pieces;
    pieces.reserve(positions.size());
    for (const qsizetype at : positions) {
        const QString character = characterAt(text, at);
        pieces.append({at, character.size(),
                       u"&#x"_s + QString::number(character.toUcs4().first(), 16).toUpper() + u';'});
    }
    doc.UndoSnapshot = text.toString();
    doc.txtDoc->replacePiecesQuietly(std::move(pieces));
}

bool sameFamily(TextEncoding a, TextEncoding b)
{
    return charsetName(a) == charsetName(b);
}

enum class Settled { AsItIs, Rewritten, CalledOff };

// Asks once to make the page's charset declarations name what is written.
Settled settleDeclarations(TMDIChild &doc)
{
    const QString text = doc.txtDoc->rawText();
    QList<TDocEditor::Piece> wrong;
    QStringList declared;
    const QString name = charsetName(doc.encoding);
    for (const CharsetDeclaration &d : findCharsetDeclarations(text)) {
        const QStringView value = QStringView(text).sliced(d.start, d.length);
        const std::optional<TextEncoding> named = encodingOfCharset(value);
        if (named && sameFamily(*named, doc.encoding))
            continue;
        wrong.append({d.start, d.length, name});
        declared << value.toString();
    }
    const QString asked = declared.join(u'\n') + u'\n' + name;
    if (wrong.isEmpty() || doc.keptDeclaration == asked)
        return Settled::AsItIs;
    switch (platform().message(&doc, MessageKind::Confirmation,
                               u"ﾍﾟｰｼﾞの文字ｺｰﾄﾞの指定を %1 に直して保存しますか？"_s.arg(name),
                               MessageButtons::YesNoCancel)) {
    case Answer::Yes:
        doc.UndoSnapshot = text;
        doc.txtDoc->replacePiecesQuietly(std::move(wrong));
        return Settled::Rewritten;
    case Answer::No:
        doc.keptDeclaration = asked;
        return Settled::AsItIs;
    default:
        return Settled::CalledOff;
    }
}

} // namespace

UnencodableReport unencodableReport(QStringView page, const QList<qsizetype> &positions,
                                    const QString &encodingName)
{
    UnencodableReport report;
    report.encodingName = encodingName;
    report.count = positions.size();
    const QList<MarkupPlace> places = markupPlaces(page, positions);
    QList<qsizetype> blocking;
    for (qsizetype k = 0; k < positions.size(); ++k) {
        if (!readsReferences(places[k]))
            blocking << k;
    }
    report.blocking = blocking.size();

    // The blocking ones are what the user has to mend: they are listed
    // first, the rest fill up from the top.
    QList<qsizetype> shown = blocking.first(std::min(blocking.size(), UnencodableReport::ShownLimit));
    for (qsizetype k = 0; k < positions.size() && shown.size() < UnencodableReport::ShownLimit; ++k) {
        if (readsReferences(places[k]))
            shown << k;
    }
    std::sort(shown.begin(), shown.end());

    qsizetype line = 1;
    qsizetype lineStart = 0;
    qsizetype counted = 0;
    for (const qsizetype k : std::as_const(shown)) {
        const qsizetype at = positions[k];
        for (; counted < at; ++counted) {
            if (page[counted] == u'\n' || page[counted] == QChar::ParagraphSeparator) {
                ++line;
                lineStart = counted + 1;
            }
        }
        const QStringView before = page.sliced(lineStart, at - lineStart);
        qsizetype column = 1 + before.size();
        for (qsizetype i = 1; i < before.size(); ++i)
            column -= before[i].isLowSurrogate() && before[i - 1].isHighSurrogate();
        report.shown.append({at, line, column, characterAt(page, at), placeName(places[k]),
                             !readsReferences(places[k])});
    }
    return report;
}

std::optional<QByteArray> bytesToSave(TMDIChild &doc)
{
    // Nothing is asked under the busy cursor.
    std::optional<BusyCursor> busy(std::in_place);
    const QString text = doc.txtDoc->rawText();
    QList<qsizetype> unencodable;
    EncodedText encoded = encodeDocument(text, doc.lineEnd, doc.encoding, &unencodable);
    if (!unencodable.isEmpty()) {
        const UnencodableReport report = unencodableReport(text, unencodable, charsetName(doc.encoding));
        busy.reset();
        const UnencodableChoice choice = platform().unencodableCharacters(
                &doc, report, [&doc](qsizetype position) { selectAt(doc, position); });
        if (choice == UnencodableChoice::References && report.blocking == 0) {
            writeAsReferences(doc, text, unencodable);
        } else if (choice == UnencodableChoice::Utf8) {
            doc.chooseEncoding(TextEncoding::Utf8);
        } else {
            selectAt(doc, unencodable.first());
            return std::nullopt;
        }
    }
    busy.reset();
    const Settled declarations = settleDeclarations(doc);
    if (declarations == Settled::CalledOff)
        return std::nullopt;
    // The text or the encoding changed on the way.
    if (!unencodable.isEmpty() || declarations == Settled::Rewritten) {
        busy.emplace();
        encoded = encodeDocument(doc.txtDoc->rawText(), doc.lineEnd, doc.encoding);
    }
    return std::move(encoded.bytes);
}
