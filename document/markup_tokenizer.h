#pragma once

#include <QList>
#include <QStringView>

// The colouring rules of a page, one line at a time: a line and the state
// the line before it left give the line's coloured spans and the state it
// leaves. Pure, so any text view can drive it for the lines it shows.

enum class MarkupKind : quint8 {
    ElementName,  // "<FONT", "</FONT", ">" and "/>"
    AttributeName,
    AttributeValue,
    Comment,
    CharacterReference,
    Doctype,      // "<!DOCTYPE …>" and other "<!" or "<?" declarations
    Script,       // the content of SCRIPT
    Style,        // the content of STYLE
};
inline constexpr int MarkupKindCount = 8;

struct MarkupSpan {
    qsizetype start;
    qsizetype length;
    MarkupKind kind;
    friend bool operator==(const MarkupSpan &, const MarkupSpan &) = default;
};

// Where a line ends up: inside a tag, a quoted value, a comment, a
// declaration, or the content of SCRIPT or STYLE.
struct MarkupState {
    enum Mode : quint8 { Text, Tag, Value, DoubleQuoted, SingleQuoted, Comment, Doctype, Raw };
    enum RawElement : quint8 { None, Script, Style };
    Mode mode = Text;
    // The element whose content is raw: of the start tag being read (Tag,
    // Value, quoted) or of the content (Raw).
    RawElement raw = None;

    friend bool operator==(const MarkupState &, const MarkupState &) = default;
    // As a non-negative int, for a text block's user state.
    int packed() const { return int(mode) | int(raw) << 4; }
    static MarkupState unpacked(int packed);
};

// Colours `line` from `state` and returns the state after it. Only spans
// that meet [from, to) are added to `spans`, cut to it, so a line of
// millions of characters costs a pass, not a list, for the part shown.
MarkupState tokenizeLine(QStringView line, MarkupState state, QList<MarkupSpan> *spans = nullptr,
                         qsizetype from = 0, qsizetype to = -1);
