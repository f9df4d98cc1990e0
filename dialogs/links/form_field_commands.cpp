#include "dialogs/links/form_field_commands.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/links/button_dialog.h"
#include "dialogs/links/form_field_tag.h"
#include "dialogs/links/hidden_dialog.h"
#include "dialogs/links/img_fld_dialog.h"
#include "dialogs/links/multi_line_dialog.h"
#include "dialogs/links/text_box_dialog.h"
#include "document/apply_tag.h"
#include "document/mdi_child.h"
#include "platform/platform.h"

using namespace Qt::StringLiterals;

namespace {

void insertField(TMDIChild &doc, const TagTexts &tags)
{
    applyTag(doc, tags, InsertMode::BeforeSelection, Capture::None);
}

// One dialog serves both kinds of button; its caption names the kind.
void buttonField(TMDIChild &doc, ButtonKind kind, const QString &caption)
{
    TfrmButton &dlg = attributeDialog<TfrmButton>();
    dlg.setWindowTitle(caption);
    if (dlg.run())
        insertField(doc, buttonTag(kind, dlg.options()));
}

// The caption of a submit or reset button, asked in an input box.
std::optional<QString> askButtonCaption(TMDIChild &doc, const QString &title, const QString &prompt)
{
    return platform().inputBox(&doc, {.title = title, .prompt = prompt, .preset = {}});
}

} // namespace

void FormTextboxClick(TMDIChild &doc, QObject *)
{
    TfrmTextBox &dlg = attributeDialog<TfrmTextBox>();
    if (dlg.run())
        insertField(doc, textBoxTag(dlg.options()));
}

void FormMultilineClick(TMDIChild &doc, QObject *)
{
    TfrmMultiLine &dlg = attributeDialog<TfrmMultiLine>();
    if (dlg.run())
        applyTag(doc, multiLineTag(dlg.options()), InsertMode::ReplaceSelection, Capture::Selection);
}

void FormRadiobuttonClick(TMDIChild &doc, QObject *)
{
    buttonField(doc, ButtonKind::Radio, u"ラジオボタン"_s);
}

void FormCheckboxClick(TMDIChild &doc, QObject *)
{
    buttonField(doc, ButtonKind::Checkbox, u"チェックボックス"_s);
}

void FormImageClick(TMDIChild &doc, QObject *)
{
    TfrmImgFld &dlg = attributeDialog<TfrmImgFld>();
    if (dlg.run())
        insertField(doc, imgFldTag(dlg.options()));
}

void FormSubmitClick(TMDIChild &doc, QObject *)
{
    if (const std::optional<QString> caption =
            askButtonCaption(doc, u"送信ボタン"_s, u"送信ボタンに表示する文字列を入力して下さい"_s))
        insertField(doc, submitTag(*caption));
}

void FormResetClick(TMDIChild &doc, QObject *)
{
    if (const std::optional<QString> caption = askButtonCaption(
            doc, u"リセットボタン"_s, u"リセットボタンに表示する文字列を入力して下さい"_s))
        insertField(doc, resetTag(*caption));
}

void FormHiddenClick(TMDIChild &doc, QObject *)
{
    TfrmHidden &dlg = attributeDialog<TfrmHidden>();
    if (dlg.run())
        insertField(doc, hiddenTag(dlg.options()));
}
