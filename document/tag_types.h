#pragma once

#include <QString>

// Where InsertTagPair puts the pending tags.
enum class InsertMode {
    BeforeSelection,   // the selection collapses to its start and stays in the text after the tags
    AfterSelection,    // the selection collapses to its end
    ReplaceSelection,  // the selection is replaced
};

// What a markup builder produces: the start and end tag of a pair. Line
// breaks inside them are CR LF.
struct TagTexts {
    QString start;
    QString end;
    bool operator==(const TagTexts &) const = default;
};
