#pragma once

#include "document/tag_types.h"

#include <QString>

// What the default-target dialog hands to its command: the name typed, or
// "_blank", "_parent", "_self" or "_top".
struct FrameTargetOptions {
    QString target{};

    bool operator==(const FrameTargetOptions &) const = default;
};

// <BASE TARGET="_top"> CR LF, a start tag alone.
TagTexts frameTargetTag(const FrameTargetOptions &options);
