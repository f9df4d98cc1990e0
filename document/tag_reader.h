#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Reads markup back as written, by hand or by a dialog: any letter case,
// quoted or unquoted values, blanks and line breaks (U+2029 included) inside
// a tag. Pure: no widgets, and it never looks outside the text it is given,
// so a caller hands it a bounded window around the caret.

struct TagAttribute {
    QString name;          // as spelled
    QString value;         // without its quotes
    bool hasValue = false;
    QString spelling;      // the whole attribute as written: name, '=', quotes
    bool operator==(const TagAttribute &) const = default;

    bool is(QStringView upperName) const { return name.compare(upperName, Qt::CaseInsensitive) == 0; }
};

struct TagElement {
    QString name;                     // as spelled
    QList<TagAttribute> attributes;   // in order
    qsizetype start = 0;              // the start tag: [start, end)
    qsizetype end = 0;
    // An element read whole: the end of its end tag, and its content (what
    // stands between the start tag and the end tag). -1 when not read whole.
    qsizetype elementEnd = -1;
    qsizetype contentEnd = -1;
    QString content;

    bool is(QStringView upperName) const { return name.compare(upperName, Qt::CaseInsensitive) == 0; }
    // The first attribute of that name, or nullptr.
    const TagAttribute *attribute(QStringView upperName) const;
};

// The most characters one tag may span; longer is not read as a tag.
inline constexpr qsizetype maxTagLength = 64 * 1024;

// The tag starting at `text[at]` (a '<'): a start tag (`closing` false) or
// an end tag. Empty name when there is no well-formed tag there.
struct ParsedTag {
    TagElement element;
    bool closing = false;
    bool valid() const { return !element.name.isEmpty(); }
};
ParsedTag parseTagAt(QStringView text, qsizetype at);

// Whether the elements of this name are read whole: their content is what
// their dialog writes.
bool isReadWhole(QStringView name);

// What stands under the caret (`caret` counts characters into `text`).
struct CaretTarget {
    // The tags the caret may mean, innermost first: the start tag under the
    // caret (or the one an end tag under it closes), then the elements read
    // whole that hold the caret. Whole elements come with their content.
    QList<TagElement> tags;
    // A "#RRGGBB" under the caret: where its six digits start, else -1.
    qsizetype colourStart = -1;
    QString colourDigits;
};
CaretTarget readTagAt(QStringView text, qsizetype caret);
