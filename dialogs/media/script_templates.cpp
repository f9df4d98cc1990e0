#include "dialogs/media/script_templates.h"

#include <initializer_list>
#include <span>

namespace {

using Lines = std::span<const char16_t *const>;

// Every block opens and closes with these, the comment hiding the script
// from browsers that do not know it.
constexpr const char16_t *opening[] = {
    u"<SCRIPT LANGUAGE=\"JavaScript\">",
    u"<!-- Hide from old browser unsupported browser.",
};
constexpr const char16_t *closing[] = {
    u"// End old browser hiding here. -->",
    u"</SCRIPT>",
};

constexpr const char16_t *scrollerHead[] = {
    u"var m1=\"  ここにステータスバーに流したいメッセージを書いて下さい。\";",
    u"var m2=\"このスクリプトは日本語用に作られており、２バイトずつスクロール\";",
    u"var m3=\"しますので、メッセージは全て全角で書かないと文字化けします。\";",
    u"var Msg=m1+m2+m3;",
    u"function ScrollMsg(){",
};
constexpr const char16_t *scrollLeft[] = {
    u"  aChar=Msg.substring(0,2);",
    u"  Msg=Msg.substring(2,Msg.length);",
    u"  Msg=Msg+aChar;",
};
constexpr const char16_t *scrollRight[] = {
    u"  aChar=Msg.substring(Msg.length-2,Msg.length);",
    u"  Msg=Msg.substring(0,Msg.length-2);",
    u"  Msg=aChar+Msg;",
};
constexpr const char16_t *scrollerTail[] = {
    u"  window.status=Msg;",
    u"  setTimeout(\"ScrollMsg()\",200);",
    u"}",
    u"ScrollMsg();",
};

constexpr const char16_t *clockForm[] = {
    u"<FORM METHOD=\"post\">",
    u"現在の時刻：<INPUT NAME=\"watch\" SIZE=10>",
    u"</FORM>",
};
constexpr const char16_t *clockScript[] = {
    u"function watch() {",
    u"  now = new Date();",
    u"  hour = now.getHours();",
    u"  min = now.getMinutes();",
    u"  sec = now.getSeconds();",
    u"  if (hour < 10) {",
    u"    hour = \"0\" + hour;",
    u"  }",
    u"  if (min < 10) {",
    u"    min = \"0\" + min;",
    u"  }",
    u"  if (sec < 10) {",
    u"    sec = \"0\" + sec;",
    u"  }",
    u"  document.forms[0].elements[0].value = hour+\":\"+min+\":\"+sec;",
    u"  setTimeout('watch()', 999); // 1000msec = 1sec",
    u"  }",
    u"  watch();",
};

constexpr const char16_t *alertMessage[] = {
    u"alert(\"ここに表示したいメッセージを書いてください\")",
};

QString joined(std::initializer_list<Lines> parts)
{
    QString text;
    for (Lines part : parts) {
        for (const char16_t *line : part) {
            text += QStringView(line);
            text += u"\r\n";
        }
    }
    return text;
}

} // namespace

TagTexts scriptBlock()
{
    return {joined({opening}), joined({closing})};
}

QString statusBarScroller(ScrollDirection direction)
{
    const Lines moving = direction == ScrollDirection::Left ? Lines(scrollLeft) : Lines(scrollRight);
    return joined({opening, scrollerHead, moving, scrollerTail, closing});
}

QString clockBlock()
{
    return joined({clockForm, opening, clockScript, closing});
}

QString alertBlock()
{
    return joined({opening, alertMessage, closing});
}
