#include "app/tool_panel.h"

namespace {

using enum ButtonPlace;

// Both bars in full, left to right; each button names the menu entry it triggers.
const ToolButtonRow speedRows[] = {
    {.name = "SpeedButton1", .hint = "新規作成", .glyph = glyphs::newDocument, .placement = First, .mainEntry = "FileNewItem"},
    {.name = "SpeedButton2", .hint = "開く", .glyph = glyphs::openFolder, .placement = Next, .mainEntry = "FileOpenItem"},
    {.name = "SaveBtn", .hint = "上書き保存", .glyph = glyphs::save, .placement = Next, .entry = "FileSaveItem"},
    {.name = "CutBtn", .hint = "切り取り|", .glyph = glyphs::cut, .placement = Gap, .entry = "CutItem"},
    {.name = "CopyBtn", .hint = "コピー|", .glyph = glyphs::copy, .placement = Next, .entry = "CopyItem"},
    {.name = "PasteBtn", .hint = "貼り付け|", .glyph = glyphs::paste, .placement = Next, .entry = "PasteItem"},
    {.name = "UndoBtn", .hint = "やり直し", .glyph = glyphs::undo, .placement = Gap, .entry = "UndoItem"},
    {.name = "FontBtn", .hint = "サイズと色", .glyph = glyphs::fontSizeColor, .placement = Gap, .entry = "FontColor"},
    {.name = "BoldBtn", .hint = "太文字", .glyph = glyphs::bold, .placement = Next, .entry = "FontBold"},
    {.name = "ItaricBtn", .hint = "斜体", .glyph = glyphs::italic, .placement = Next, .entry = "FontItaric"},
    {.name = "LinkBtn", .hint = "リンク", .glyph = glyphs::link, .placement = Gap, .entry = "LinkOtherDoc"},
    {.name = "ImageBtn", .hint = "イメージ", .glyph = glyphs::image, .placement = Gap, .entry = "ImageImage"},
    {.name = "LeftBtn", .hint = "左寄せ", .glyph = glyphs::alignLeft, .placement = Gap, .entry = "PositionLeft"},
    {.name = "CenterBtn", .hint = "中央", .glyph = glyphs::alignCenter, .placement = Next, .entry = "PositionCenter"},
    {.name = "RightBtn", .hint = "右寄せ", .glyph = glyphs::alignRight, .placement = Next, .entry = "PositionRight"},
    {.name = "LineBtn", .hint = "横罫線", .glyph = glyphs::rule, .placement = Gap, .entry = "Keisen"},
    {.name = "LfBtn", .hint = "改行", .glyph = glyphs::lineBreak, .placement = Gap, .entry = "Lf"},
    {.name = "SpeedButton4", .hint = "段落", .glyph = glyphs::paragraph, .placement = Next, .entry = "Danraku"},
    {.name = "NolistBtn", .hint = "番号順リスト", .glyph = glyphs::numberedList, .placement = Gap, .entry = "ListNumber"},
    {.name = "ListBtn", .hint = "マーク付きリスト", .glyph = glyphs::bulletList, .placement = Next, .entry = "ListMark"},
    {.name = "BrowserBtn", .hint = "ブラウザで表示", .glyph = glyphs::browser, .placement = Gap, .entry = "ToolDsp"},
    {.name = "SpeedButton3", .hint = "終了", .glyph = glyphs::exit, .placement = Gap, .mainEntry = "FileExitItem"},
};

const ToolButtonRow extRows[] = {
    {.name = "TextboxBtn", .hint = "テキストボックス", .glyph = glyphs::textBox, .placement = First, .entry = "FormTextbox"},
    {.name = "MemoBtn", .hint = "複数行入力フィールド", .glyph = glyphs::multiLine, .placement = Next, .entry = "FormMultiline"},
    {.name = "CheckBtn", .hint = "チェックボックス", .glyph = glyphs::checkBox, .placement = Next, .entry = "FormCheckbox"},
    {.name = "OptionBtn", .hint = "ラジオボタン", .glyph = glyphs::radioButton, .placement = Next, .entry = "FormRadiobutton"},
    {.name = "OkBtn", .hint = "転送ボタン", .glyph = glyphs::submitButton, .placement = Next, .entry = "FormSubmit"},
    {.name = "ClearBtn", .hint = "リセットボタン", .glyph = glyphs::resetButton, .placement = Next, .entry = "FormReset"},
    {.name = "ListboxBtn", .hint = "リストボックス", .glyph = glyphs::listBox, .placement = Next, .entry = "FormListbox"},
    {.name = "DropdownBtn", .hint = "ドロップダウンリストボックス", .glyph = glyphs::dropDown, .placement = Next, .entry = "FormDropdownlist"},
    {.name = "MarqueeBtn", .hint = "マーキー", .glyph = glyphs::marquee, .placement = Gap, .entry = "MMMarquee"},
    {.name = "ColorBtn", .hint = "色", .glyph = glyphs::palette, .placement = Gap, .entry = "Color"},
    {.name = "CommentBtn", .hint = "コメント", .glyph = glyphs::comment, .placement = Under, .under = "ImageBtn", .entry = "FontComment"},
    {.name = "IndentBtn", .hint = "インデント", .glyph = glyphs::indent, .placement = Gap, .entry = "PositionIndent"},
    {.name = "MLineBtn", .hint = "いろいろな横罫線", .glyph = glyphs::rules, .placement = Under, .under = "LineBtn", .entry = "PageKeisen"},
    {.name = "HyoBtn", .hint = "表", .glyph = glyphs::table, .placement = Gap, .entry = "HyoCreate"},
    {.name = "FrameBtn", .hint = "フレーム領域", .glyph = glyphs::frames, .placement = Next, .entry = "FrameFrameSet"},
    {.name = "TileBtn", .hint = "並べて表示", .glyph = glyphs::tile, .placement = Gap, .mainEntry = "WindowTileItem"},
    {.name = "CascadeBtn", .hint = "重ねて表示", .glyph = glyphs::cascade, .placement = Next, .mainEntry = "WindowCascadeItem"},
};

} // namespace

std::span<const ToolButtonRow> speedPanelRows()
{
    return speedRows;
}

std::span<const ToolButtonRow> extPanelRows()
{
    return extRows;
}
