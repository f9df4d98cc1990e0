#include "app/main_form.h"
#include "app/menu_rows.h"

namespace {

using F = TMainForm;

const MenuRow<MainCommand> rows[] = {
    {.level = 0, .name = "File1", .caption = "ﾌｧｲﾙ(&F)"},
    {.level = 1, .name = "FileNewItem", .caption = "新規作成(&N)", .command = &F::FileNewItemClick, .shortcut = "Ctrl+N"},
    {.level = 1, .name = "FileOpenItem", .caption = "開く(&O)", .command = &F::FileOpenItemClick, .shortcut = "Ctrl+O"},
    {.level = 1, .name = "-"},
    {.level = 1, .name = "FileExitItem", .caption = "終了(&X)", .command = &F::FileExitItemClick},
    {.level = 1, .name = "N3", .caption = "-", .hidden = true},
    {.level = 1, .name = "OpenFile1", .command = &F::OpenFile1Click, .tag = 0, .hidden = true},
    {.level = 1, .name = "OpenFile2", .command = &F::OpenFile1Click, .tag = 1, .hidden = true},
    {.level = 1, .name = "OpenFile3", .command = &F::OpenFile1Click, .tag = 2, .hidden = true},
    {.level = 1, .name = "OpenFile4", .command = &F::OpenFile1Click, .tag = 3, .hidden = true},
    {.level = 1, .name = "OpenFile5", .command = &F::OpenFile1Click, .tag = 4, .hidden = true},
    {.level = 1, .name = "OpenFile6", .command = &F::OpenFile1Click, .tag = 5, .hidden = true},
    {.level = 1, .name = "OpenFile7", .command = &F::OpenFile1Click, .tag = 6, .hidden = true},
    {.level = 1, .name = "OpenFile8", .command = &F::OpenFile1Click, .tag = 7, .hidden = true},
    {.level = 1, .name = "OpenFile9", .command = &F::OpenFile1Click, .tag = 8, .hidden = true},
    {.level = 1, .name = "OpenFile10", .command = &F::OpenFile1Click, .tag = 9, .hidden = true},

    {.level = 0, .name = "Option1", .caption = "ｵﾌﾟｼｮﾝ(&O)"},
    {.level = 1, .name = "Toolbar", .caption = "ﾂｰﾙﾊﾞｰ(&T)"},
    {.level = 2, .name = "Base", .caption = "基本(&B)", .command = &F::BaseClick},
    {.level = 2, .name = "Ext", .caption = "拡張(&E)", .command = &F::ExtClick},
    {.level = 1, .name = "FontItem", .caption = "表示ﾌｫﾝﾄ(&F)", .command = &F::FontItemClick},
    {.level = 1, .name = "-"},
    {.level = 1, .name = "ColourTags", .caption = "ﾀｸﾞの色分け(&C)", .command = &F::ColourTagsClick},
    {.level = 1, .name = "LineNumbers", .caption = "行番号(&L)", .command = &F::LineNumbersClick},
    {.level = 1, .name = "WrapLines", .caption = "折り返し(&W)", .command = &F::WrapLinesClick},

    {.level = 0, .name = "Window1", .caption = "ｳｨﾝﾄﾞｳ(&W)"},
    {.level = 1, .name = "WindowCascadeItem", .caption = "重ねて表示(&C)", .command = &F::WindowCascadeItemClick},
    {.level = 1, .name = "WindowTileItem", .caption = "並べて表示(&T)", .command = &F::WindowTileItemClick},
    {.level = 1, .name = "WindowArrangeItem", .caption = "ｱｲｺﾝの整列(&A)", .command = &F::WindowArrangeItemClick},
    {.level = 1, .name = "WindowMinimizeItem", .caption = "すべてをｱｲｺﾝ化(&M)", .command = &F::WindowMinimizeItemClick},

    {.level = 0, .name = "Help1", .caption = "ﾍﾙﾌﾟ(&H)"},
    {.level = 1, .name = "HelpMokujiItem", .caption = "目次(&C)", .command = &F::HelpMokujiItemClick},
    {.level = 1, .name = "-"},
    {.level = 1, .name = "HelpAboutItem", .caption = "ﾊﾞｰｼﾞｮﾝ情報(&A)...", .command = &F::HelpAboutItemClick},
};

} // namespace

std::span<const MenuRow<MainCommand>> mainMenuRows()
{
    return rows;
}
