#pragma once

#include "document/tag_types.h"

// The list builders take the selection as the editor gives it to builders:
// lines separated by CR LF, empty when nothing is selected. Each selected
// line becomes one item and keeps its text exactly; every line of the list
// ends in CR LF, the last one included. A lone CR or LF also ends a line
// (the editor would show it as one), and becomes CR LF like the others.
// With no selection the list is an empty skeleton.
//
// The whole list goes in StartTag, in place of the selection; EndTag stays
// empty.

struct BulletedListOptions {
    QString markType{};    // "square", "disk" or "circle"

    bool operator==(const BulletedListOptions &) const = default;
};

struct NumberedListOptions {
    QString numberType{};  // "A", "a", "I", "i" or "1"
    QString start{};       // as typed

    bool operator==(const NumberedListOptions &) const = default;
};

// "<UL>" CR LF "<LI TYPE=disk>apple" CR LF "<LI>banana" CR LF "</UL>" CR LF;
// no selection: "<UL>" CR LF "<LI TYPE=disk>" CR LF "<LI>" CR LF "<LI>" CR LF "</UL>" CR LF.
TagTexts bulletedList(const QString &selection, const QString &markType);

// "<OL>" CR LF "<LI TYPE=I START=3>apple" CR LF "<LI>banana" CR LF "</OL>" CR LF;
// no selection: the marker line and two "<LI>" lines, as above.
TagTexts numberedList(const QString &selection, const NumberedListOptions &options);

// "<DL>" CR LF "<DT>apple" CR LF "<DD>banana" CR LF "<DT>cherry" CR LF "</DL>" CR LF;
// no selection: "<DL>" CR LF "<DT>" CR LF "<DD>" CR LF "<DT>" CR LF "<DD>" CR LF "</DL>" CR LF.
TagTexts definitionList(const QString &selection);
