#pragma once

#include "document/tag_types.h"

#include <QString>
#include <QStringList>

// The items of an item box: the lines the user typed, each up to its line
// break, however the box happens to wrap them. An empty last line is no
// item; an empty line elsewhere is an item with empty text.
QStringList itemLines(const QString &plainText);
// The box's text that itemLines reads back as `items`.
QString itemText(const QStringList &items);

// What the list-box dialog hands to its command.
struct ListBoxOptions {
    QString name{};
    // Each "display text,value"; a value is optional, a second comma ends it.
    QStringList items{};
    bool defaultItem = false;  // ﾃﾞﾌｫﾙﾄ
    QString defaultNumber{};   // counted from 1, as typed
    bool size = false;         // 表示行数
    QString rows{};
    bool multiple = false;     // 複数選択可

    bool operator==(const ListBoxOptions &) const = default;
};

// <SELECT NAME="pref" SIZE=3 MULTIPLE> CR LF <OPTION VALUE="13">Tokyo CR LF
// <OPTION SELECTED>Osaka CR LF </SELECT>
// The whole element is the start tag; no items give three empty options.
TagTexts listBoxTag(const ListBoxOptions &options);

struct DropDownOptions {
    QString name{};
    QStringList items{};  // each written whole, commas included

    bool operator==(const DropDownOptions &) const = default;
};

// <SELECT NAME="pref"> CR LF <OPTION>Tokyo,13 CR LF </SELECT>
TagTexts dropDownTag(const DropDownOptions &options);
