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

} // namespace

InputBoxRequest submitQuestion(const QString &preset)
{
    return {u"送信ボタン"_s, u"送信ボタンに表示する文字列を入力して下さい"_s, preset};
}

InputBoxRequest resetQuestion(const QString &preset)
{
    return {u"リセットボタン"_s, u"リセットボタンに表示する文字列を入力して下さい"_s, preset};
}

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
    if (const std::optional<QString> caption = platform().inputBox(&doc, submitQuestion()))
        insertField(doc, submitTag(*caption));
}

void FormResetClick(TMDIChild &doc, QObject *)
{
    if (const std::optional<QString> caption = platform().inputBox(&doc, resetQuestion()))
        insertField(doc, resetTag(*caption));
}

