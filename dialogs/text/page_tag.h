#pragma once

#include "document/tag_types.h"

#include <QColor>
#include <QString>

// What the page dialog hands to its command.
struct PageOptions {
    bool pattern = false;       // 背景ﾊﾟﾀｰﾝ
    QString fileName{};
    bool color = true;          // 色
    QColor back = QColor(192, 192, 192);
    QColor text = QColor(0, 0, 0);
    QColor link = QColor(0, 0, 255);
    QColor vlink = QColor(128, 0, 128);
    QColor alink = QColor(255, 0, 0);
    bool bgproperties = false;  // ｽｸﾛｰﾙしない背景
    bool margin = false;        // ﾏｰｼﾞﾝ
    QString left{};
    QString top{};

    bool operator==(const PageOptions &) const = default;
};

// <BODY BACKGROUND="back.gif" BGCOLOR=#C0C0C0 TEXT=#000000 LINK=#0000FF
//  VLINK=#800080 ALINK=#FF0000 BGPROPERTIES=fixed LEFTMARGIN="0" TOPMARGIN="0"> CR LF
// … </BODY> CR LF
// A background pattern hides the background colour, so BGCOLOR goes with it.
TagTexts pageTag(const PageOptions &options);
