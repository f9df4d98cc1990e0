#include "dialogs/links/link_command.h"

#include "dialogs/links/link_tag.h"
#include "document/apply_tag.h"
#include "document/mdi_child.h"
#include "platform/platform.h"

using namespace Qt::StringLiterals;

void LinkKeywordClick(TMDIChild &doc, QObject *)
{
    const std::optional<QString> keyword =
        platform().inputBox(&doc, {u"キーワードの設定"_s, u"キーワードを入力して下さい"_s, {}});
    if (!keyword)
        return;
    applyTag(doc, linkKeywordTag(*keyword), Placement::AroundSelection);
}

void LinkMailtoClick(TMDIChild &doc, QObject *)
{
    const std::optional<QString> address =
        platform().inputBox(&doc, {u"メール送信"_s, u"メールアドレスを入力して下さい"_s, {}});
    if (!address)
        return;
    applyTag(doc, linkMailtoTag(*address), Placement::AroundSelection);
}

void FontUrlClick(TMDIChild &doc, QObject *)
{
    const std::optional<QString> url =
        platform().inputBox(&doc, {u"ＵＲＬ"_s, u"このドキュメントのＵＲＬを入力して下さい"_s, u"http://"_s});
    if (!url)
        return;
    applyTag(doc, baseUrlTag(*url), Placement::BeforeSelection);
}
