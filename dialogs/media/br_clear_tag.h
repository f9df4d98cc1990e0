#pragma once

#include "document/tag_types.h"

// The pictures the following text starts below.
enum class ClearSide { Left, Right, All };

struct BrClearOptions {
    ClearSide side = ClearSide::All;

    bool operator==(const BrClearOptions &) const = default;
};

// The end tag "<BR CLEAR=left>", "<BR CLEAR=right>" or "<BR CLEAR=all>"
// (value lower case, unquoted); no start tag.
TagTexts brClearTag(const BrClearOptions &options);
