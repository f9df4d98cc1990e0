#pragma once

#include "document/tag_types.h"

#include <QString>

// What the parameter dialog hands to its command.
struct ParamOptions {
    QString name{};             // ﾊﾟﾗﾒｰﾀ名
    QString value{};            // 値

    bool operator==(const ParamOptions &) const = default;
};

// <PARAM NAME="speed" VALUE="5"> CR LF
TagTexts paramTag(const ParamOptions &options);
