#pragma once

#include "document/tag_types.h"

#include <QString>

// What the form-area dialog hands to its command.
struct FormOptions {
    QString action{};       // a script's path or URL, or a mail address
    bool get = false;       // GET rather than POST
    bool subject = false;   // ﾒｰﾙのﾀｲﾄﾙを指定する
    QString subjectText{};
    bool multipart = false; // multipart/form-data形式

    bool operator==(const FormOptions &) const = default;
};

// <FORM ACTION="mailto:{action}?subject={subject}" METHOD=post enctype="multipart/form-data"> CR LF
// … </FORM> CR LF
// An action with "@" is a mail address; without an action there is no
// ACTION and no METHOD.
TagTexts formTag(const FormOptions &options);
