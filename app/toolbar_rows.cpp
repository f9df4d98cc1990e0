#include "app/document_commands.h"
#include "app/main_form.h"
#include "app/tool_panel.h"
#include "dialogs/links/browser_command.h"
#include "dialogs/links/form_field_commands.h"
#include "dialogs/links/frame_set_command.h"
#include "dialogs/links/link_command.h"
#include "dialogs/links/select_list_command.h"
#include "dialogs/media/image_command.h"
#include "dialogs/media/marquee_command.h"
#include "dialogs/text/color_command.h"
#include "dialogs/text/font_command.h"
#include "dialogs/text/list_command.h"
#include "dialogs/text/rule_command.h"
#include "dialogs/text/table_command.h"
#include "document/edit_commands.h"
#include "document/file_commands.h"
#include "document/fixed_tags.h"

namespace {

using F = TMainForm;
using enum Placement;

// Both bars in full, left to right. A row whose command is not there yet
// (nullptr) keeps its place empty; naming its command is all it takes to show it.
const ToolButtonRow speedRows[] = {
    {.name = "SpeedButton1", .hint = "新規作成", .glyph = glyphs::newDocument, .placement = First, .mainCommand = &F::FileNewItemClick, .alwaysEnabled = true},
    {.name = "SpeedButton2", .hint = "開く", .glyph = glyphs::openFolder, .placement = Next, .mainCommand = &F::FileOpenItemClick, .alwaysEnabled = true},
    {.name = "SaveBtn", .hint = "上書き保存", .glyph = glyphs::save, .placement = Next, .command = FileSaveItemClick},
    {.name = "CutBtn", .hint = "切り取り|", .glyph = glyphs::cut, .placement = Gap, .command = CutItemClick},
    {.name = "CopyBtn", .hint = "コピー|", .glyph = glyphs::copy, .placement = Next, .command = CopyItemClick},
    {.name = "PasteBtn", .hint = "貼り付け|", .glyph = glyphs::paste, .placement = Next, .command = PasteItemClick},
    {.name = "UndoBtn", .hint = "やり直し", .glyph = glyphs::undo, .placement = Gap, .command = UndoItemClick},
    {.name = "FontBtn", .hint = "サイズと色", .glyph = glyphs::fontSizeColor, .placement = Gap, .command = FontColorClick},
    {.name = "BoldBtn", .hint = "太文字", .glyph = glyphs::bold, .placement = Next, .command = FontBoldClick, .tag = 0},
    {.name = "ItaricBtn", .hint = "斜体", .glyph = glyphs::italic, .placement = Next, .command = FontBoldClick, .tag = 1},
    {.name = "LinkBtn", .hint = "リンク", .glyph = glyphs::link, .placement = Gap, .command = LinkOtherDocClick},
    {.name = "ImageBtn", .hint = "イメージ", .glyph = glyphs::image, .placement = Gap, .command = ImageImageClick},
    {.name = "LeftBtn", .hint = "左寄せ", .glyph = glyphs::alignLeft, .placement = Gap, .command = PositionLeftClick},
    {.name = "CenterBtn", .hint = "中央", .glyph = glyphs::alignCenter, .placement = Next, .command = FontBoldClick, .tag = 24},
    {.name = "RightBtn", .hint = "右寄せ", .glyph = glyphs::alignRight, .placement = Next, .command = PositionRightClick},
    {.name = "LineBtn", .hint = "横罫線", .glyph = glyphs::rule, .placement = Gap, .command = KeisenClick},
    {.name = "LfBtn", .hint = "改行", .glyph = glyphs::lineBreak, .placement = Gap, .command = LfClick},
    {.name = "SpeedButton4", .hint = "段落", .glyph = glyphs::paragraph, .placement = Next, .command = DanrakuClick},
    {.name = "NolistBtn", .hint = "番号順リスト", .glyph = glyphs::numberedList, .placement = Gap, .command = ListNumberClick},
    {.name = "ListBtn", .hint = "マーク付きリスト", .glyph = glyphs::bulletList, .placement = Next, .command = ListMarkClick},
    {.name = "BrowserBtn", .hint = "ブラウザで表示", .glyph = glyphs::browser, .placement = Gap, .command = ToolDspClick},
    {.name = "SpeedButton3", .hint = "終了", .glyph = glyphs::exit, .placement = Gap, .mainCommand = &F::FileExitItemClick, .alwaysEnabled = true},
};

const ToolButtonRow extRows[] = {
    {.name = "TextboxBtn", .hint = "テキストボックス", .glyph = glyphs::textBox, .placement = First, .command = FormTextboxClick},
    {.name = "MemoBtn", .hint = "複数行入力フィールド", .glyph = glyphs::multiLine, .placement = Next, .command = FormMultilineClick},
    {.name = "CheckBtn", .hint = "チェックボックス", .glyph = glyphs::checkBox, .placement = Next, .command = FormCheckboxClick},
    {.name = "OptionBtn", .hint = "ラジオボタン", .glyph = glyphs::radioButton, .placement = Next, .command = FormRadiobuttonClick},
    {.name = "OkBtn", .hint = "転送ボタン", .glyph = glyphs::submitButton, .placement = Next, .command = FormSubmitClick},
    {.name = "ClearBtn", .hint = "リセットボタン", .glyph = glyphs::resetButton, .placement = Next, .command = FormResetClick},
    {.name = "ListboxBtn", .hint = "リストボックス", .glyph = glyphs::listBox, .placement = Next, .command = FormListboxClick},
    {.name = "DropdownBtn", .hint = "ドロップダウンリストボックス", .glyph = glyphs::dropDown, .placement = Next, .command = FormDropdownlistClick},
    {.name = "MarqueeBtn", .hint = "マーキー", .glyph = glyphs::marquee, .placement = Gap, .command = MMMarqueeClick},
    {.name = "ColorBtn", .hint = "色", .glyph = glyphs::palette, .placement = Gap, .command = ColorClick},
    {.name = "CommentBtn", .hint = "コメント", .glyph = glyphs::comment, .placement = Under, .under = "ImageBtn", .command = FontCommentClick},
    {.name = "IndentBtn", .hint = "インデント", .glyph = glyphs::indent, .placement = Gap, .command = FontBoldClick, .tag = 23},
    {.name = "MLineBtn", .hint = "いろいろな横罫線", .glyph = glyphs::rules, .placement = Under, .under = "LineBtn", .command = PageKeisenClick},
    {.name = "HyoBtn", .hint = "表", .glyph = glyphs::table, .placement = Gap, .command = HyoCreateClick},
    {.name = "FrameBtn", .hint = "フレーム領域", .glyph = glyphs::frames, .placement = Next, .command = FrameFrameSetClick},
    {.name = "TileBtn", .hint = "並べて表示", .glyph = glyphs::tile, .placement = Gap, .mainCommand = &F::WindowTileItemClick},
    {.name = "CascadeBtn", .hint = "重ねて表示", .glyph = glyphs::cascade, .placement = Next, .mainCommand = &F::WindowCascadeItemClick},
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
