#pragma once

#include "document/tag_types.h"

#include <QString>

struct HeadingOptions {
    QString level{};              // "1" to "6"
    QString align{};              // "left", "center", "right", or empty for none

    bool operator==(const HeadingOptions &) const = default;
};

// "<H3 ALIGN=left>" … "</H3>"; without an alignment "<H3>" … "</H3>".
TagTexts headingTag(const HeadingOptions &options);
