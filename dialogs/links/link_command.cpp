#include "dialogs/links/link_command.h"

#include "dialogs/links/link_tag.h"
#include "document/apply_tag.h"
#include "document/mdi_child.h"
#include "platform/platform.h"

using namespace Qt::StringLiterals;

InputBoxRequest keywordQuestion(const QString &preset)
{
    return {u"キーワードの設定"_s, u"キーワードを入力して下さい"_s, preset};
}

InputBoxRequest mailtoQuestion(const QString &preset)
{
    return {u"メール送信"_s, u"メールアドレスを入力して下さい"_s, preset};
}

InputBoxRequest baseUrlQuestion(const QString &preset)
{
    return {u"ＵＲＬ"_s, u"このドキュメントのＵＲＬを入力して下さい"_s, preset};
}

void LinkKeywordClick(TMDIChild &doc, QObject *)
{
    const std::optional<QString> keyword =
        platform().inputBox(&doc, keywordQuestion());
    if (!keyword)
        return;
    applyTag(doc, linkKeywordTag(*keyword), Placement::AroundSelection);
}

void LinkMailtoClick(TMDIChild &doc, QObject *)
{
    const std::optional<QString> address =
        platform().inputBox(&doc, mailtoQuestion());
    if (!address)
        return;
    applyTag(doc, linkMailtoTag(*address), Placement::AroundSelection);
}

void FontUrlClick(TMDIChild &doc, QObject *)
{
    const std::optional<QString> url =
        platform().inputBox(&doc, baseUrlQuestion());
    if (!url)
        return;
    applyTag(doc, baseUrlTag(*url), Placement::BeforeSelection);
}
