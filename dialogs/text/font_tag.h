#pragma once

#include "document/tag_types.h"

#include <QColor>
#include <QString>

// What the font dialog asks for. At most one of the two size kinds is on
// when it comes from the dialog; both may be off.
struct FontOptions {
    bool size = false;
    QString sizeValue{};          // the slider position, "1" to "7"
    bool relativeSize = false;
    QString relativeValue{};      // "+4" … "-4"
    bool color = false;
    QColor colorValue{};
    bool face = false;
    QString faceName{};           // as typed, empty included

    bool operator==(const FontOptions &) const = default;
};

// "<FONT SIZE=4 COLOR=#FF0000 FACE="Gothic">" … "</FONT>": the attributes in
// that order, each only when asked for.
TagTexts fontTag(const FontOptions &options);

struct BaseFontOptions {
    QString sizeValue{};          // the slider position, "1" to "7"

    bool operator==(const BaseFontOptions &) const = default;
};

// "<BASEFONT SIZE=4>", no end tag.
TagTexts baseFontTag(const BaseFontOptions &options);
