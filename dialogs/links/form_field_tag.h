#pragma once

#include "document/tag_types.h"

#include <QString>

// The markup of the form fields. Every field is a single start tag put in
// front of the selection, except the text area, which wraps it. Texts go in
// as typed: never trimmed, never escaped.

struct TextBoxOptions {
    QString name{};
    QString size{};
    QString maxLength{};    // empty: no MAXLENGTH
    bool password = false;

    bool operator==(const TextBoxOptions &) const = default;
};

// <INPUT TYPE="text" SIZE="{size}" Name="{name}" MAXLENGTH={maxLength}>
TagTexts textBoxTag(const TextBoxOptions &options);

struct MultiLineOptions {
    QString name{};
    QString cols{};
    QString rows{};

    bool operator==(const MultiLineOptions &) const = default;
};

// <TEXTAREA ROWS={rows} COLS={cols} NAME="{name}"> … </TEXTAREA>
TagTexts multiLineTag(const MultiLineOptions &options);

enum class ButtonKind { Radio, Checkbox };

struct ButtonOptions {
    QString name{};
    QString text{};
    bool checked = false;   // 選択状態

    bool operator==(const ButtonOptions &) const = default;
};

// <INPUT TYPE="radio" NAME="{name}" VALUE="{text}" CHECKED>
// <INPUT TYPE="checkbox" NAME="{name}" VALUE="{text}" CHECKED>
TagTexts buttonTag(ButtonKind kind, const ButtonOptions &options);

enum class ImageFieldAlign { None, Top, Middle, Bottom };

struct ImgFldOptions {
    QString fileName{};
    QString name{};
    ImageFieldAlign align = ImageFieldAlign::None;

    bool operator==(const ImgFldOptions &) const = default;
};

// <INPUT TYPE=IMAGE SRC="{fileName}" NAME="{name}" ALIGN=middle>
TagTexts imgFldTag(const ImgFldOptions &options);

// <INPUT TYPE="submit" VALUE="{caption}">
TagTexts submitTag(const QString &caption);

// <INPUT TYPE="reset" VALUE="{caption}">
TagTexts resetTag(const QString &caption);

struct HiddenOptions {
    QString name{};
    QString str{};          // 送信文字列

    bool operator==(const HiddenOptions &) const = default;
};

// <INPUT TYPE="hidden" NAME="{name}" VALUE="{str}"> CR LF
TagTexts hiddenTag(const HiddenOptions &options);
