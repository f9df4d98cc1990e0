#include "app/main_form.h"
#include "app/menu_rows.h"
#include "dialogs/text/color_command.h"
#include "dialogs/text/table_cell_commands.h"
#include "document/edit_commands.h"
#include "document/file_commands.h"
#include "document/fixed_tags.h"
#include "document/mdi_child.h"

namespace {

// The document window's File entries that belong to the main window.
void FileNewItemClick(TMDIChild &doc, QObject *sender)
{
    TMainForm::of(doc).FileNewItemClick(sender);
}

void FileOpenItemClick(TMDIChild &doc, QObject *sender)
{
    TMainForm &main = TMainForm::of(doc);
    main.FileOpenItemClick(sender);
    main.SyncRecentMenu(doc);
}

void FileExitItemClick(TMDIChild &doc, QObject *sender)
{
    TMainForm::of(doc).FileExitItemClick(sender);
}

void OpenFile1Click(TMDIChild &doc, QObject *sender)
{
    TMainForm::of(doc).OpenFile1Click(sender);
}

void UndoItemClick(TMDIChild &doc, QObject *)
{
    doc.UndoItemClick();
}

const MenuRow<DocumentCommand> rows[] = {
    {0, "File1", "ﾌｧｲﾙ(&F)"},
    {1, "FileNewItem", "新規作成(&N)", FileNewItemClick, "Ctrl+N"},
    {1, "FileOpenItem", "開く(&O)", FileOpenItemClick, "Ctrl+O"},
    {1, "FileCloseItem", "閉じる(&C)", FileCloseItemClick},
    {1, "FileSaveItem", "上書き保存(&S)", FileSaveItemClick, "Ctrl+S"},
    {1, "FileSaveAsItem", "名前を付けて保存(&A)...", FileSaveAsItemClick},
    {1, "-"},
    {1, "FileExitItem", "終了(&X)", FileExitItemClick},
    {1, "N22", "-", nullptr, "", 0, "", true},
    {1, "OpenFile1", "", OpenFile1Click, "", 0, "", true},
    {1, "OpenFile2", "", OpenFile1Click, "", 1, "", true},
    {1, "OpenFile3", "", OpenFile1Click, "", 2, "", true},
    {1, "OpenFile4", "", OpenFile1Click, "", 3, "", true},
    {1, "OpenFile5", "", OpenFile1Click, "", 4, "", true},
    {1, "OpenFile6", "", OpenFile1Click, "", 5, "", true},
    {1, "OpenFile7", "", OpenFile1Click, "", 6, "", true},
    {1, "OpenFile8", "", OpenFile1Click, "", 7, "", true},
    {1, "OpenFile9", "", OpenFile1Click, "", 8, "", true},
    {1, "OpenFile10", "", OpenFile1Click, "", 9, "", true},

    {0, "Edit1", "編集(&E)"},
    {1, "UndoItem", "元に戻す(&U)", UndoItemClick, "Ctrl+Z", 0, "最後にタグを挿入した前の状態に戻します"},
    {1, "-"},
    {1, "CutItem", "切り取り(&T)", CutItemClick, "Ctrl+X"},
    {1, "CopyItem", "ｺﾋﾟｰ(&C)", CopyItemClick, "Ctrl+C"},
    {1, "PasteItem", "貼り付け(&P)", PasteItemClick, "Ctrl+V"},
    {1, "DeleteItem", "削除(&D)", DeleteItemClick, "Ctrl+Del"},
    {1, "-"},
    {1, "SearchItem", "検索(&F)", SearchItemClick, "Ctrl+F"},
    {1, "SearchNextItem", "次を検索(&N)", SearchNextItemClick, "F3"},
    {1, "ReplaceItem", "置換(&R)", ReplaceItemClick, "Ctrl+R"},

    {0, "Insert1", "ﾀｸﾞ(&G)"},
    {1, "Font", "ﾌｫﾝﾄ(&F)"},
    {2, "-"},
    {2, "FontBold", "太文字(&B)", FontBoldClick, "", 0},
    {2, "FontItaric", "斜体(&I)", FontBoldClick, "", 1},
    {2, "FontUnderline", "下線(&U)", FontBoldClick, "", 2},
    {2, "FontTypeWriter", "等幅(&T)", FontBoldClick, "", 3},
    {2, "FontStrike", "抹消線付き(&R)", FontBoldClick, "", 4},
    {2, "-"},
    {2, "FontEm", "強調文字(&E)", FontBoldClick, "", 5},
    {2, "FontStrong", "より強い強調(&O)", FontBoldClick, "", 6},
    {2, "-"},
    {2, "FontAddress", "ｱﾄﾞﾚｽ(&A)", FontBoldClick, "", 7},
    {2, "FontComment", "ｺﾒﾝﾄ(&C)", FontCommentClick},
    {2, "-"},
    {2, "FontLogical", "論理的なｽﾀｲﾙ(&Y)"},
    {3, "FontLogicalCite", "引用文や本のﾀｲﾄﾙ(&CITE)", FontBoldClick, "", 8},
    {3, "FontLogicalKbd", "ｷｰﾎﾞｰﾄﾞ入力文字(&KBD)", FontBoldClick, "", 9},
    {3, "FontLogicalVar", "任意に値を入れ替える文字(&VAR)", FontBoldClick, "", 10},
    {3, "FontLogicalCode", "引用されたｺﾝﾋﾟｭｰﾀﾌﾟﾛｸﾞﾗﾑ(C&ODE)", FontBoldClick, "", 11},
    {3, "FontLogicalSamp", "ｺﾝﾋﾟｭｰﾀの状態を示すﾒｯｾｰｼﾞ(&SAMP)", FontBoldClick, "", 12},
    {3, "FontLogicalSup", "上付き文字(S&UP)", FontBoldClick, "", 13},
    {3, "FontLogicalSub", "下付き文字(SU&B)", FontBoldClick, "", 14},
    {3, "FontLogicalQ", "短い引用文(&Q)", FontBoldClick, "", 15},
    {3, "FontLogicalLang", "異なる言語(&LANG)", FontBoldClick, "", 16},
    {3, "FontLogicalAu", "作者(&AU)", FontBoldClick, "", 17},
    {3, "FontLogicalPerson", "作者､ｸﾞﾙｰﾌﾟﾒﾝﾊﾞｰ(&PERSON)", FontBoldClick, "", 18},
    {3, "FontLogicalAcronym", "略語(AC&RONYM)", FontBoldClick, "", 19},
    {3, "FontLogicalAbbrev", "頭文字略語(ABBR&EV)", FontBoldClick, "", 20},
    {3, "FontLogicalIns", "挿入されたﾃｷｽﾄ(&INS)", FontBoldClick, "", 21},
    {3, "FontLogicalDel", "消去されたﾃｷｽﾄ(&DEL)", FontBoldClick, "", 22},
    {2, "KS1", "特殊ﾌｫﾝﾄ(&S)"},
    {3, "SpecialAmp", "&&", SpecialAmpClick},
    {3, "SpecialLt", "<", SpecialAmpClick},
    {3, "SpecialGt", ">", SpecialAmpClick},
    {3, "SpecialQuot", "\"", SpecialAmpClick},
    {3, "SpecialReg", "登録商標記号", SpecialAmpClick},
    {3, "SpecialCopy", "著作権記号", SpecialAmpClick},
    {1, "Text", "ﾃｷｽﾄ(&T)"},
    {2, "TextPre", "整形済みﾃｷｽﾄ(&P)", TextPreClick, "", 0},
    {2, "TextBlink", "点滅(&B)", FontBoldClick, "", 26},
    {2, "TextBlockquote", "引用(&L)", TextPreClick, "", 1},
    {2, "TextBrClear", "回り込み解除(&R)", TextBrClearClick},
    {2, "-"},
    {2, "TextNobr", "改行なし(&N)", FontBoldClick, "", 25},
    {2, "TextWbr", "ｿﾌﾄ改行(&W)", TextWbrClick},
    {1, "Position", "位置(&A)"},
    {2, "PositionLeft", "左寄せ(&L)", PositionLeftClick},
    {2, "PositionCenter", "中央(&C)", FontBoldClick, "", 24},
    {2, "PositionRight", "右寄せ(&R)", PositionRightClick},
    {2, "-"},
    {2, "PositionIndent", "ｲﾝﾃﾞﾝﾄ(&I)", FontBoldClick, "", 23},
    {1, "-"},
    {1, "-"},
    {1, "Hyo", "表(&B)"},
    {2, "-"},
    {2, "HyoCaption", "ｷｬﾌﾟｼｮﾝ(&A)", HyoCaptionClick, "", 0, "表のキャプションを設定します"},
    {2, "HyoFixed", "見出し(&C)", FontBoldClick, "", 27},
    {2, "HyoRows", "行(&R)", HyoRowsClick, "", 0, "行を設定します"},
    {2, "HyoData", "ﾃﾞｰﾀ(&D)", FontBoldClick, "", 28},
    {2, "-"},
    {2, "HyoBgcData", "背景色付きのﾃﾞｰﾀ(&B)...", HyoBgcDataClick, "", 0, "背景色付きのデータを設定します"},
    {2, "HyoPos", "ﾃﾞｰﾀの位置(&P)"},
    {3, "HyoPosUpper", "上に揃えたﾃﾞｰﾀ(&U)", HyoPosUpperClick, "", 0, "上揃えのデータを設定します"},
    {3, "HyoPosLower", "下に揃えたﾃﾞｰﾀ(&L)", HyoPosLowerClick, "", 0, "下揃えのデータを設定します"},
    {1, "Frame", "ﾌﾚｰﾑ(&R)"},
    {2, "-"},
    {2, "FrameNoFrame", "ﾌﾚｰﾑ非対応(&N)", TextPreClick, "", 2},
    {1, "Page", "ﾍﾟｰｼﾞ(&P)"},
    {2, "PageTitle", "ﾀｲﾄﾙ(&T)", PageTitleClick},
    {2, "PageBasic", "基本ﾀｸﾞ(&B)"},
    {3, "PageBasicHtml", "HTMLﾀｸﾞ(&H)", TextPreClick, "", 3},
    {3, "PageBasicHead", "HEADﾀｸﾞ(&E)", TextPreClick, "", 4},
    {3, "PageBasicBody", "BODYﾀｸﾞ(&B)", TextPreClick, "", 5},
    {1, "-"},
    {1, "Lf", "改行(&I)", LfClick, "Ctrl+Enter"},
    {1, "Danraku", "段落(&G)", DanrakuClick, "Alt+Enter"},
    {1, "Keisen", "横罫線(&E)", KeisenClick},
    {1, "Color", "色(&C)...", ColorClick},
};

} // namespace

std::span<const MenuRow<DocumentCommand>> documentMenuRows()
{
    return rows;
}
