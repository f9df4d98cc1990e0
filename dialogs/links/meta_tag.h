#pragma once

#include "document/tag_types.h"

#include <QString>

// What the dialog "自動読み込み" hands to its command.
struct MetaOptions {
    bool url = false;        // load the address rather than this document again
    QString fileName{};      // the address, as typed
    QString content{};       // the delay in seconds, as typed

    bool operator==(const MetaOptions &) const = default;
};

// <META HTTP-EQUIV="refresh" CONTENT="5"> CR LF, or for an address
// <META HTTP-EQUIV="refresh" CONTENT="0;URL=next.htm"> CR LF
TagTexts metaTag(const MetaOptions &options);
