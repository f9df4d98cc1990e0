#include "app/main_form.h"
#include "app/menu_rows.h"

namespace {

using F = TMainForm;

const MenuRow<MainCommand> rows[] = {
    {0, "File1", "ﾌｧｲﾙ(&F)"},
    {1, "FileNewItem", "新規作成(&N)", &F::FileNewItemClick, "Ctrl+N"},
    {1, "FileOpenItem", "開く(&O)", &F::FileOpenItemClick, "Ctrl+O"},
    {1, "-"},
    {1, "FileExitItem", "終了(&X)", &F::FileExitItemClick},
    {1, "N3", "-", nullptr, "", 0, "", true},
    {1, "OpenFile1", "", &F::OpenFile1Click, "", 0, "", true},
    {1, "OpenFile2", "", &F::OpenFile1Click, "", 1, "", true},
    {1, "OpenFile3", "", &F::OpenFile1Click, "", 2, "", true},
    {1, "OpenFile4", "", &F::OpenFile1Click, "", 3, "", true},
    {1, "OpenFile5", "", &F::OpenFile1Click, "", 4, "", true},
    {1, "OpenFile6", "", &F::OpenFile1Click, "", 5, "", true},
    {1, "OpenFile7", "", &F::OpenFile1Click, "", 6, "", true},
    {1, "OpenFile8", "", &F::OpenFile1Click, "", 7, "", true},
    {1, "OpenFile9", "", &F::OpenFile1Click, "", 8, "", true},
    {1, "OpenFile10", "", &F::OpenFile1Click, "", 9, "", true},

    {0, "Option1", "ｵﾌﾟｼｮﾝ(&O)"},
    {1, "Toolbar", "ﾂｰﾙﾊﾞｰ(&T)"},
    {2, "Base", "基本(&B)", &F::BaseClick},
    {2, "Ext", "拡張(&E)", &F::ExtClick},
    {1, "FontItem", "表示ﾌｫﾝﾄ(&F)", &F::FontItemClick},

    {0, "Window1", "ｳｨﾝﾄﾞｳ(&W)"},
    {1, "WindowCascadeItem", "重ねて表示(&C)", &F::WindowCascadeItemClick},
    {1, "WindowTileItem", "並べて表示(&T)", &F::WindowTileItemClick},
    {1, "WindowArrangeItem", "ｱｲｺﾝの整列(&A)", &F::WindowArrangeItemClick},
    {1, "WindowMinimizeItem", "すべてをｱｲｺﾝ化(&M)", &F::WindowMinimizeItemClick},

    {0, "Help1", "ﾍﾙﾌﾟ(&H)"},
    {1, "HelpMokujiItem", "目次(&C)", &F::HelpMokujiItemClick},
    {1, "-"},
    {1, "HelpAboutItem", "ﾊﾞｰｼﾞｮﾝ情報(&A)...", &F::HelpAboutItemClick},
};

} // namespace

std::span<const MenuRow<MainCommand>> mainMenuRows()
{
    return rows;
}
