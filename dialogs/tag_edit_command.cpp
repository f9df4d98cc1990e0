#include "dialogs/tag_edit_command.h"

#include "dialogs/color_code.h"
#include "dialogs/dialog_command.h"
#include "dialogs/dialog_owner.h"
#include "dialogs/links/form_field_commands.h"
#include "dialogs/links/link_command.h"
#include "dialogs/links/button_dialog.h"
#include "dialogs/links/form_dialog.h"
#include "dialogs/links/frame_dialog.h"
#include "dialogs/links/frame_set_dialog.h"
#include "dialogs/links/frame_target_dialog.h"
#include "dialogs/links/hidden_dialog.h"
#include "dialogs/links/img_fld_dialog.h"
#include "dialogs/links/key_link_dialog.h"
#include "dialogs/links/meta_dialog.h"
#include "dialogs/links/multi_line_dialog.h"
#include "dialogs/links/select_list_dialog.h"
#include "dialogs/links/text_box_dialog.h"
#include "dialogs/links/url_dialog.h"
#include "dialogs/media/applet_dialog.h"
#include "dialogs/media/br_clear_dialog.h"
#include "dialogs/media/client_map_dialog.h"
#include "dialogs/media/image_dialog.h"
#include "dialogs/media/marquee_dialog.h"
#include "dialogs/media/param_dialog.h"
#include "dialogs/media/sound_dialog.h"
#include "dialogs/media/video_dialog.h"
#include "dialogs/text/base_font_dialog.h"
#include "dialogs/text/bgc_data_dialog.h"
#include "dialogs/text/color_command.h"
#include "dialogs/text/font_dialog.h"
#include "dialogs/text/heading_dialog.h"
#include "dialogs/text/list_dialog.h"
#include "dialogs/text/page_dialog.h"
#include "dialogs/text/rule_dialog.h"
#include "dialogs/text/table_dialog.h"
#include "document/apply_tag.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"
#include "platform/platform.h"

#include <QTextCursor>

using namespace Qt::StringLiterals;

namespace {

// How far the reader looks on either side of the caret: tags and the
// elements read whole are found within it, however long the page or line.
constexpr qsizetype windowRadius = 256 * 1024;

// The stretch of the page the reader sees.
struct CaretWindow {
    QString text;
    qsizetype offset = 0;   // where it starts in the page
    qsizetype caret = 0;    // the caret, counted into `text`
};

CaretWindow caretWindow(const TDocEditor &editor)
{
    QTextCursor cursor = editor.textCursor();
    const qsizetype caret = cursor.position();
    const qsizetype last = editor.document()->characterCount() - 1;
    const qsizetype from = qMax<qsizetype>(0, caret - windowRadius);
    cursor.setPosition(int(from));
    cursor.setPosition(int(qMin(last, caret + windowRadius)), QTextCursor::KeepAnchor);
    return {cursor.selectedText(), from, caret - from};
}

// [from, to) of the page becomes `text`, in one step the tag undo reverses.
void replaceInPage(TMDIChild &doc, qsizetype from, qsizetype to, const QString &text)
{
    QTextCursor cursor = doc.txtDoc->textCursor();
    cursor.setPosition(int(from));
    cursor.setPosition(int(to), QTextCursor::KeepAnchor);
    doc.txtDoc->setTextCursor(cursor);
    applyTag(doc, {text, {}}, Placement::ReplacingSelection);
}

// What the dialog wrote replaces the reopened stretch, unless it writes what
// it wrote from the tag as read: then the page stays untouched.
template <typename Options>
void replaceReopened(TMDIChild &doc, qsizetype offset, const Reopened<Options> &reopened, const QString &asRead,
                     const QString &now)
{
    if (now == asRead)
        return;
    const QString text = withKeptAttributes(reopened.whole ? now : firstTag(now), asRead, reopened.kept);
    replaceInPage(doc, offset + reopened.from, offset + reopened.to, text);
}

// The tag a builder writes, whether it goes before or after the selection.
QString startOrEnd(const TagTexts &tags)
{
    return tags.start.isEmpty() ? tags.end : tags.start;
}

// Shows `Dialog` filled from the tag (`reopen` reads it over the dialog's
// own starting state); OK writes what `build` makes of its options.
template <typename Dialog, auto build, typename Reopen>
bool editIn(TMDIChild &doc, qsizetype offset, Reopen reopen)
{
    Dialog &dlg = attributeDialog<Dialog>();
    dlg.reset();
    const auto reopened = reopen(dlg.options());
    if (const std::optional<TagTexts> tags = dialogTags<Dialog, build>(reopened.options))
        replaceReopened(doc, offset, reopened, startOrEnd(build(reopened.options)), startOrEnd(*tags));
    return true;
}

// The same for the commands that ask in an input box.
bool editInInputBox(TMDIChild &doc, qsizetype offset, const Reopened<QString> &reopened,
                    InputBoxRequest (*question)(const QString &), TagTexts (*build)(const QString &))
{
    if (const std::optional<QString> text = platform().inputBox(&doc, question(reopened.options)))
        replaceReopened(doc, offset, reopened, startOrEnd(build(reopened.options)), startOrEnd(build(*text)));
    return true;
}

// The markup the reopened lists and tables are rewritten with.
TagTexts wholeTable(const TableOptions &options)
{
    return {tableText(options), {}};
}

TagTexts bulletedMarker(const BulletedListOptions &options)
{
    return {bulletedListMarker(options), {}};
}

TagTexts numberedMarker(const NumberedListOptions &options)
{
    return {numberedListMarker(options), {}};
}

template <ButtonKind kind>
TagTexts buttonOf(const ButtonOptions &options)
{
    return buttonTag(kind, options);
}

bool editColorValue(TMDIChild &doc, qsizetype at, const QString &digits)
{
    TfrmBgcData &dlg = attributeDialog<TfrmBgcData>();
    dlg.setWindowTitle(u"色"_s);
    dlg.reset();
    const QColor asRead = colorFromCode(digits).value_or(Qt::black);
    dlg.picker->setColor(asRead);
    // Six digits in another case are the same colour: they stay as written.
    if (dlg.runAsSet() && dlg.color() != asRead)
        replaceInPage(doc, at, at + 6, ColorCode(dlg.color()));
    return true;
}

bool editColoredCell(TMDIChild &doc, const TagElement &e, qsizetype at)
{
    if (!e.attribute(u"BGCOLOR"))
        return false;
    TfrmBgcData &dlg = attributeDialog<TfrmBgcData>();
    dlg.setWindowTitle(u"背景色付きデータ"_s);
    dlg.reset();
    const Reopened<QColor> reopened = reopenColoredCell(e, dlg.color());
    dlg.picker->setColor(reopened.options);
    if (dlg.runAsSet())
        replaceReopened(doc, at, reopened, coloredCellTag(reopened.options).start, coloredCellTag(dlg.color()).start);
    return true;
}

bool editInput(TMDIChild &doc, const TagElement &e, qsizetype at)
{
    const std::optional<InputKind> kind = inputKind(e);
    if (!kind)
        return false;
    const auto button = [&](auto base) { return reopenButton(e, base); };
    switch (*kind) {
    case InputKind::Text:
    case InputKind::Password:
        return editIn<TfrmTextBox, textBoxTag>(doc, at, [&](auto base) { return reopenTextBox(e, base); });
    case InputKind::Radio:
        attributeDialog<TfrmButton>().setWindowTitle(u"ラジオボタン"_s);
        return editIn<TfrmButton, buttonOf<ButtonKind::Radio>>(doc, at, button);
    case InputKind::Checkbox:
        attributeDialog<TfrmButton>().setWindowTitle(u"チェックボックス"_s);
        return editIn<TfrmButton, buttonOf<ButtonKind::Checkbox>>(doc, at, button);
    case InputKind::Image:
        return editIn<TfrmImgFld, imgFldTag>(doc, at, [&](auto base) { return reopenImgFld(e, base); });
    case InputKind::Hidden:
        return editIn<TfrmHidden, hiddenTag>(doc, at, [&](auto base) { return reopenHidden(e, base); });
    case InputKind::Submit:
        return editInInputBox(doc, at, reopenButtonCaption(e), submitQuestion, submitTag);
    case InputKind::Reset:
        return editInInputBox(doc, at, reopenButtonCaption(e), resetQuestion, resetTag);
    }
    return false;
}

bool editAnchor(TMDIChild &doc, const TagElement &e, qsizetype at)
{
    switch (linkKind(e).value_or(LinkKind::Keyword)) {
    case LinkKind::OtherDoc:
        return editIn<TfrmUrl, linkOtherDocTag>(doc, at, [&](auto) { return reopenLinkOtherDoc(e); });
    case LinkKind::OwnerDoc:
        return editIn<TfrmKeyLink, linkOwnerDocTag>(doc, at, [&](auto) { return reopenLinkOwnerDoc(e); });
    case LinkKind::Mailto:
        return editInInputBox(doc, at, reopenLinkMailto(e), mailtoQuestion, linkMailtoTag);
    case LinkKind::Keyword:
        break;
    }
    return e.attribute(u"NAME") && editInInputBox(doc, at, reopenLinkKeyword(e), keywordQuestion, linkKeywordTag);
}

bool editBase(TMDIChild &doc, const TagElement &e, qsizetype at)
{
    if (e.attribute(u"TARGET"))
        return editIn<TfrmTarget, frameTargetTag>(doc, at, [&](auto) { return reopenFrameTarget(e); });
    return e.attribute(u"HREF") && editInInputBox(doc, at, reopenBaseUrl(e), baseUrlQuestion, baseUrlTag);
}

bool editSelect(TMDIChild &doc, const TagElement &e, qsizetype at)
{
    if (isListBox(e))
        return editIn<TfrmListBox, listBoxTag>(doc, at, [&](auto base) { return reopenListBox(e, base); });
    return editIn<TfrmDropDown, dropDownTag>(doc, at, [&](auto base) { return reopenDropDown(e, base); });
}

bool editImage(TMDIChild &doc, const TagElement &e, qsizetype at)
{
    if (e.attribute(u"DYNSRC"))
        return editIn<TfrmVideo, videoTag>(doc, at, [&](auto base) { return reopenVideo(e, base); });
    return editIn<TfrmImage, imageTag>(doc, at, [&](auto base) { return reopenImage(e, base); });
}

bool editHeading(TMDIChild &doc, const TagElement &e, qsizetype at)
{
    return editIn<TfrmTitle, headingTag>(doc, at, [&](auto base) { return reopenHeading(e, base); });
}

using Editor = bool (*)(TMDIChild &doc, const TagElement &element, qsizetype offset);

struct EditRow {
    QStringView element;
    Editor edit;
};

// Each element a dialog writes, and how it is reopened; an editor answers
// false for an element of that name its dialog did not write.
const EditRow editRows[] = {
    {u"FONT", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmFont, fontTag>(d, at, [&](auto base) { return reopenFont(e, base); });
     }},
    {u"BASEFONT", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmBase, baseFontTag>(d, at, [&](auto base) { return reopenBaseFont(e, base); });
     }},
    {u"H1", editHeading}, {u"H2", editHeading}, {u"H3", editHeading},
    {u"H4", editHeading}, {u"H5", editHeading}, {u"H6", editHeading},
    {u"BODY", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmPage, pageTag>(d, at, [&](auto base) { return reopenPage(e, base); });
     }},
    {u"HR", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmLine, ruleTag>(d, at, [&](auto base) { return reopenRule(e, base); });
     }},
    {u"UL", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return reopenBulletedList(e, {})
                && editIn<TfrmMarkList, bulletedMarker>(d, at, [&](auto base) { return *reopenBulletedList(e, base); });
     }},
    {u"OL", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return reopenNumberedList(e, {})
                && editIn<TfrmNumList, numberedMarker>(d, at, [&](auto base) { return *reopenNumberedList(e, base); });
     }},
    {u"TABLE", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmHyo, wholeTable>(d, at, [&](auto base) { return reopenTable(e, base); });
     }},
    {u"TD", editColoredCell},
    {u"A", editAnchor},
    {u"BASE", editBase},
    {u"FORM", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmForm, formTag>(d, at, [&](auto base) { return reopenForm(e, base); });
     }},
    {u"INPUT", editInput},
    {u"TEXTAREA", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmMultiLine, multiLineTag>(d, at, [&](auto base) { return reopenMultiLine(e, base); });
     }},
    {u"SELECT", editSelect},
    {u"FRAMESET", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmFrameSet, frameSetTag>(d, at, [&](auto base) { return reopenFrameSet(e, base); });
     }},
    {u"FRAME", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmFrame, frameTag>(d, at, [&](auto base) { return reopenFrame(e, base); });
     }},
    {u"META", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return isRefresh(e)
                && editIn<TfrmMeta, metaTag>(d, at, [&](auto base) { return reopenMeta(e, base); });
     }},
    {u"IMG", editImage},
    {u"AREA", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmClientMap, hotspotTag>(d, at, [&](auto base) { return reopenHotspot(e, base); });
     }},
    {u"MAP", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editInInputBox(d, at, reopenClientMap(e), mapNameQuestion, clientMapTag);
     }},
    {u"BR", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return reopenBrClear(e) && editIn<TfrmBrClear, brClearTag>(d, at, [&](auto) { return *reopenBrClear(e); });
     }},
    {u"BGSOUND", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmSound, soundTag>(d, at, [&](auto base) { return reopenSound(e, base); });
     }},
    {u"MARQUEE", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmMarquee, marqueeTag>(d, at, [&](auto base) { return reopenMarquee(e, base); });
     }},
    {u"APPLET", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmApplet, appletTag>(d, at, [&](auto base) { return reopenApplet(e, base); });
     }},
    {u"PARAM", [](TMDIChild &d, const TagElement &e, qsizetype at) {
         return editIn<TfrmParam, paramTag>(d, at, [&](auto) { return reopenParam(e); });
     }},
};

bool edit(TMDIChild &doc, const TagElement &element, qsizetype offset)
{
    for (const EditRow &row : editRows) {
        if (element.is(row.element))
            return row.edit(doc, element, offset);
    }
    return false;
}

} // namespace

void ToolTagEditClick(TMDIChild &doc, QObject *)
{
    const CaretWindow window = caretWindow(*doc.txtDoc);
    const CaretTarget target = readTagAt(window.text, window.caret);
    if (target.colourStart >= 0 && editColorValue(doc, window.offset + target.colourStart, target.colourDigits))
        return;
    for (const TagElement &tag : target.tags) {
        if (edit(doc, tag, window.offset))
            return;
    }
    platform().message(&doc, MessageKind::Information, u"ｶｰｿﾙの位置に編集できるﾀｸﾞがありません"_s,
                       MessageButtons::Ok, u"情報"_s);
}
