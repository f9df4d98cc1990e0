#include "dialogs/links/form_field_commands.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/links/button_dialog.h"
#include "dialogs/links/form_field_tag.h"
#include "document/apply_tag.h"
#include "document/mdi_child.h"
#include "platform/platform.h"

using namespace Qt::StringLiterals;

namespace {

void insertField(TMDIChild &doc, const TagTexts &tags)
{
    applyTag(doc, tags, Placement::BeforeSelection);
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

void FormRadiobuttonClick(TMDIChild &doc, QObject *)
{
    buttonField(doc, ButtonKind::Radio, u"ラジオボタン"_s);
}

void FormCheckboxClick(TMDIChild &doc, QObject *)
{
    buttonField(doc, ButtonKind::Checkbox, u"チェックボックス"_s);
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

