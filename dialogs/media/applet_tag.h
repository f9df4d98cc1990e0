#pragma once

#include "document/tag_types.h"

#include <QString>

// What the applet dialog hands to its command.
struct AppletOptions {
    QString className{};        // ｸﾗｽﾌｧｲﾙ名
    QString width{};
    QString height{};
    bool url = false;           // ｸﾗｽﾌｧｲﾙの場所
    QString urlValue{};
    bool space = false;         // ｱﾌﾟﾚｯﾄに対するｽﾍﾟｰｽ(ﾋﾟｸｾﾙ)
    QString vspace{};
    QString hspace{};

    bool operator==(const AppletOptions &) const = default;
};

// <APPLET CODE="a.class" CODEBASE="classes/" WIDTH="100" HEIGHT="50" VSPACE="4" HSPACE="8"> CR LF
// … </APPLET> CR LF
// Every value is quoted, the numbers too.
TagTexts appletTag(const AppletOptions &options);
