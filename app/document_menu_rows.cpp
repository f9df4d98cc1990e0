#include "app/document_commands.h"
#include "app/menu_rows.h"
#include "dialogs/links/browser_command.h"
#include "dialogs/links/form_dialog.h"
#include "dialogs/links/form_field_commands.h"
#include "dialogs/links/frame_dialog.h"
#include "dialogs/links/frame_set_dialog.h"
#include "dialogs/links/frame_target_dialog.h"
#include "dialogs/links/hidden_dialog.h"
#include "dialogs/links/img_fld_dialog.h"
#include "dialogs/links/key_link_dialog.h"
#include "dialogs/links/link_command.h"
#include "dialogs/links/multi_line_dialog.h"
#include "dialogs/links/text_box_dialog.h"
#include "dialogs/links/url_dialog.h"
#include "dialogs/links/meta_dialog.h"
#include "dialogs/links/select_list_dialog.h"
#include "dialogs/media/applet_dialog.h"
#include "dialogs/media/br_clear_dialog.h"
#include "dialogs/media/client_map_dialog.h"
#include "dialogs/media/image_dialog.h"
#include "dialogs/media/marquee_dialog.h"
#include "dialogs/media/param_dialog.h"
#include "dialogs/media/script_command.h"
#include "dialogs/media/sound_dialog.h"
#include "dialogs/media/video_dialog.h"
#include "dialogs/tag_edit_command.h"
#include "dialogs/text/color_command.h"
#include "dialogs/text/base_font_dialog.h"
#include "dialogs/text/font_dialog.h"
#include "dialogs/text/heading_dialog.h"
#include "dialogs/text/list_command.h"
#include "dialogs/text/page_dialog.h"
#include "dialogs/text/rule_dialog.h"
#include "dialogs/text/table_cell_commands.h"
#include "dialogs/text/table_command.h"
#include "document/edit_commands.h"
#include "document/encoding_commands.h"
#include "document/file_commands.h"
#include "document/fixed_tags.h"
#include "document/goto_line.h"

namespace {

// The whole outline of a document window's menus.
const MenuRow<DocumentCommand> rows[] = {
    {.level = 0, .name = "File1", .caption = "ﾌｧｲﾙ(&F)"},
    {.level = 1, .name = "FileNewItem", .caption = "新規作成(&N)", .command = FileNewItemClick, .shortcut = "Ctrl+N"},
    {.level = 1, .name = "FileOpenItem", .caption = "開く(&O)", .command = FileOpenItemClick, .shortcut = "Ctrl+O"},
    {.level = 1, .name = "FileCloseItem", .caption = "閉じる(&C)", .command = FileCloseItemClick},
    {.level = 1, .name = "FileSaveItem", .caption = "上書き保存(&S)", .command = FileSaveItemClick, .shortcut = "Ctrl+S"},
    {.level = 1, .name = "FileSaveAsItem", .caption = "名前を付けて保存(&A)...", .command = FileSaveAsItemClick},
    {.level = 1, .name = "-"},
    {.level = 1, .name = "FileExitItem", .caption = "終了(&X)", .command = FileExitItemClick},
    {.level = 1, .name = "N22", .caption = "-", .hidden = true},
    {.level = 1, .name = "OpenFile1", .command = OpenFile1Click, .tag = 0, .hidden = true},
    {.level = 1, .name = "OpenFile2", .command = OpenFile1Click, .tag = 1, .hidden = true},
    {.level = 1, .name = "OpenFile3", .command = OpenFile1Click, .tag = 2, .hidden = true},
    {.level = 1, .name = "OpenFile4", .command = OpenFile1Click, .tag = 3, .hidden = true},
    {.level = 1, .name = "OpenFile5", .command = OpenFile1Click, .tag = 4, .hidden = true},
    {.level = 1, .name = "OpenFile6", .command = OpenFile1Click, .tag = 5, .hidden = true},
    {.level = 1, .name = "OpenFile7", .command = OpenFile1Click, .tag = 6, .hidden = true},
    {.level = 1, .name = "OpenFile8", .command = OpenFile1Click, .tag = 7, .hidden = true},
    {.level = 1, .name = "OpenFile9", .command = OpenFile1Click, .tag = 8, .hidden = true},
    {.level = 1, .name = "OpenFile10", .command = OpenFile1Click, .tag = 9, .hidden = true},

    {.level = 0, .name = "Edit1", .caption = "編集(&E)"},
    {.level = 1, .name = "UndoItem", .caption = "元に戻す(&U)", .command = UndoItemClick, .shortcut = "Ctrl+Z", .hint = "最後にタグを挿入した前の状態に戻します"},
    {.level = 1, .name = "-"},
    {.level = 1, .name = "CutItem", .caption = "切り取り(&T)", .command = CutItemClick, .shortcut = "Ctrl+X"},
    {.level = 1, .name = "CopyItem", .caption = "ｺﾋﾟｰ(&C)", .command = CopyItemClick, .shortcut = "Ctrl+C"},
    {.level = 1, .name = "PasteItem", .caption = "貼り付け(&P)", .command = PasteItemClick, .shortcut = "Ctrl+V"},
    {.level = 1, .name = "DeleteItem", .caption = "削除(&D)", .command = DeleteItemClick, .shortcut = "Ctrl+Del"},
    {.level = 1, .name = "-"},
    {.level = 1, .name = "SearchItem", .caption = "検索(&F)", .command = SearchItemClick, .shortcut = "Ctrl+F"},
    {.level = 1, .name = "SearchNextItem", .caption = "次を検索(&N)", .command = SearchNextItemClick, .shortcut = "F3"},
    {.level = 1, .name = "ReplaceItem", .caption = "置換(&R)", .command = ReplaceItemClick, .shortcut = "Ctrl+R"},

    {.level = 0, .name = "Insert1", .caption = "ﾀｸﾞ(&G)"},
    {.level = 1, .name = "Midashi", .caption = "見出し(&H)...", .command = MidashiClick, .hint = "見出し文字の位置、サイズを設定します"},
    {.level = 1, .name = "Font", .caption = "ﾌｫﾝﾄ(&F)"},
    // Save takes Ctrl+S first; this entry only shows it.
    {.level = 2, .name = "FontColor", .caption = "ｻｲｽﾞと色(&S)...", .command = FontColorClick, .shortcut = "Ctrl+S", .hint = "文字のサイズと色を設定します"},
    {.level = 2, .name = "FontBase", .caption = "ﾍﾞｰｽﾌｫﾝﾄｻｲｽﾞ(&F)...", .command = FontBaseClick, .hint = "基本となるフォントのサイズを設定します"},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "FontBold", .caption = "太文字(&B)", .command = FontBoldClick, .tag = 0},
    {.level = 2, .name = "FontItaric", .caption = "斜体(&I)", .command = FontBoldClick, .tag = 1},
    {.level = 2, .name = "FontUnderline", .caption = "下線(&U)", .command = FontBoldClick, .tag = 2},
    {.level = 2, .name = "FontTypeWriter", .caption = "等幅(&T)", .command = FontBoldClick, .tag = 3},
    {.level = 2, .name = "FontStrike", .caption = "抹消線付き(&R)", .command = FontBoldClick, .tag = 4},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "FontEm", .caption = "強調文字(&E)", .command = FontBoldClick, .tag = 5},
    {.level = 2, .name = "FontStrong", .caption = "より強い強調(&O)", .command = FontBoldClick, .tag = 6},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "FontUrl", .caption = "URL(&U)...", .command = FontUrlClick, .hint = "ＵＲＬを表示する時に設定します"},
    {.level = 2, .name = "FontAddress", .caption = "ｱﾄﾞﾚｽ(&A)", .command = FontBoldClick, .tag = 7},
    {.level = 2, .name = "FontComment", .caption = "ｺﾒﾝﾄ(&C)", .command = FontCommentClick},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "FontLogical", .caption = "論理的なｽﾀｲﾙ(&Y)"},
    {.level = 3, .name = "FontLogicalCite", .caption = "引用文や本のﾀｲﾄﾙ(&CITE)", .command = FontBoldClick, .tag = 8},
    {.level = 3, .name = "FontLogicalKbd", .caption = "ｷｰﾎﾞｰﾄﾞ入力文字(&KBD)", .command = FontBoldClick, .tag = 9},
    {.level = 3, .name = "FontLogicalVar", .caption = "任意に値を入れ替える文字(&VAR)", .command = FontBoldClick, .tag = 10},
    {.level = 3, .name = "FontLogicalCode", .caption = "引用されたｺﾝﾋﾟｭｰﾀﾌﾟﾛｸﾞﾗﾑ(C&ODE)", .command = FontBoldClick, .tag = 11},
    {.level = 3, .name = "FontLogicalSamp", .caption = "ｺﾝﾋﾟｭｰﾀの状態を示すﾒｯｾｰｼﾞ(&SAMP)", .command = FontBoldClick, .tag = 12},
    {.level = 3, .name = "FontLogicalSup", .caption = "上付き文字(S&UP)", .command = FontBoldClick, .tag = 13},
    {.level = 3, .name = "FontLogicalSub", .caption = "下付き文字(SU&B)", .command = FontBoldClick, .tag = 14},
    {.level = 3, .name = "FontLogicalQ", .caption = "短い引用文(&Q)", .command = FontBoldClick, .tag = 15},
    {.level = 3, .name = "FontLogicalLang", .caption = "異なる言語(&LANG)", .command = FontBoldClick, .tag = 16},
    {.level = 3, .name = "FontLogicalAu", .caption = "作者(&AU)", .command = FontBoldClick, .tag = 17},
    {.level = 3, .name = "FontLogicalPerson", .caption = "作者､ｸﾞﾙｰﾌﾟﾒﾝﾊﾞｰ(&PERSON)", .command = FontBoldClick, .tag = 18},
    {.level = 3, .name = "FontLogicalAcronym", .caption = "略語(AC&RONYM)", .command = FontBoldClick, .tag = 19},
    {.level = 3, .name = "FontLogicalAbbrev", .caption = "頭文字略語(ABBR&EV)", .command = FontBoldClick, .tag = 20},
    {.level = 3, .name = "FontLogicalIns", .caption = "挿入されたﾃｷｽﾄ(&INS)", .command = FontBoldClick, .tag = 21},
    {.level = 3, .name = "FontLogicalDel", .caption = "消去されたﾃｷｽﾄ(&DEL)", .command = FontBoldClick, .tag = 22},
    // Told apart by the entry itself, not by Tag.
    {.level = 2, .name = "KS1", .caption = "特殊ﾌｫﾝﾄ(&S)"},
    {.level = 3, .name = "SpecialAmp", .caption = "&&", .command = SpecialAmpClick},
    {.level = 3, .name = "SpecialLt", .caption = "<", .command = SpecialAmpClick},
    {.level = 3, .name = "SpecialGt", .caption = ">", .command = SpecialAmpClick},
    {.level = 3, .name = "SpecialQuot", .caption = "\"", .command = SpecialAmpClick},
    {.level = 3, .name = "SpecialReg", .caption = "登録商標記号", .command = SpecialAmpClick},
    {.level = 3, .name = "SpecialCopy", .caption = "著作権記号", .command = SpecialAmpClick},
    {.level = 1, .name = "Text", .caption = "ﾃｷｽﾄ(&T)"},
    {.level = 2, .name = "TextPre", .caption = "整形済みﾃｷｽﾄ(&P)", .command = TextPreClick, .tag = 0},
    {.level = 2, .name = "TextBlink", .caption = "点滅(&B)", .command = FontBoldClick, .tag = 26},
    {.level = 2, .name = "TextBlockquote", .caption = "引用(&L)", .command = TextPreClick, .tag = 1},
    {.level = 2, .name = "TextBrClear", .caption = "回り込み解除(&R)", .command = TextBrClearClick},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "TextNobr", .caption = "改行なし(&N)", .command = FontBoldClick, .tag = 25},
    {.level = 2, .name = "TextWbr", .caption = "ｿﾌﾄ改行(&W)", .command = TextWbrClick},
    {.level = 1, .name = "Image", .caption = "ｲﾒｰｼﾞ(&I)", .hint = "イメージ（画像）の設定をします"},
    {.level = 2, .name = "ImageImage", .caption = "ｲﾒｰｼﾞ(&I)...", .command = ImageImageClick, .hint = "画像を設定します"},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "ImageHotspot", .caption = "ﾎｯﾄｽﾎﾟｯﾄ(&H)...", .command = ImageHotspotClick, .hint = "クライアントサイド イメージマップで使用するホットスポットを設定します"},
    {.level = 2, .name = "ImageClientMap", .caption = "ｸﾗｲｱﾝﾄｻｲﾄﾞ ｲﾒｰｼﾞﾏｯﾌﾟプ(&C)...", .command = ImageClientMapClick, .hint = "イメージマップを設定します"},
    {.level = 1, .name = "Position", .caption = "位置(&A)"},
    {.level = 2, .name = "PositionLeft", .caption = "左寄せ(&L)", .command = PositionLeftClick},
    {.level = 2, .name = "PositionCenter", .caption = "中央(&C)", .command = FontBoldClick, .tag = 24},
    {.level = 2, .name = "PositionRight", .caption = "右寄せ(&R)", .command = PositionRightClick},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "PositionIndent", .caption = "ｲﾝﾃﾞﾝﾄ(&I)", .command = FontBoldClick, .tag = 23},
    {.level = 1, .name = "-"},
    {.level = 1, .name = "Link", .caption = "ﾘﾝｸ(&N)"},
    {.level = 2, .name = "LinkOtherDoc", .caption = "他のﾄﾞｷｭﾒﾝﾄ(&D)...", .command = LinkOtherDocClick, .shortcut = "Ctrl+L", .hint = "他のドキュメントにリンクします"},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "LinkOwnerDoc", .caption = "特定の位置(&O)...", .command = LinkOwnerDocClick, .hint = "同一または他のドキュメント内のキーワードで指定された位置にリンクします"},
    {.level = 2, .name = "LinkKeyword", .caption = "ｷｰﾜｰﾄﾞ設定(&K)...", .command = LinkKeywordClick, .hint = "リンクするためのキーワードを設定します"},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "LinkMailto", .caption = "ﾒｰﾙ送信(&M)...", .command = LinkMailtoClick, .hint = "リンクを利用してメールを送信します"},
    {.level = 1, .name = "-"},
    {.level = 1, .name = "List", .caption = "ﾘｽﾄ(&L)"},
    {.level = 2, .name = "ListMark", .caption = "ﾏｰｸ付きﾘｽﾄ(&M)...", .command = ListMarkClick, .hint = "マーク付きのリストを設定します"},
    {.level = 2, .name = "ListNumber", .caption = "番号順ﾘｽﾄ(&N)...", .command = ListNumberClick, .hint = "番号順のリストを設定します"},
    {.level = 2, .name = "ListDefine", .caption = "定義型ﾘｽﾄ(&U)...", .command = ListDefineClick, .hint = "定義型のリストを設定します"},
    {.level = 1, .name = "Hyo", .caption = "表(&B)"},
    {.level = 2, .name = "HyoCreate", .caption = "表作成(&M)...", .command = HyoCreateClick, .hint = "表を作成します"},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "HyoCaption", .caption = "ｷｬﾌﾟｼｮﾝ(&A)", .command = HyoCaptionClick, .hint = "表のキャプションを設定します"},
    {.level = 2, .name = "HyoFixed", .caption = "見出し(&C)", .command = FontBoldClick, .tag = 27, .hint = "行または列の見出し項目を設定します"},
    {.level = 2, .name = "HyoRows", .caption = "行(&R)", .command = HyoRowsClick, .hint = "行を設定します"},
    {.level = 2, .name = "HyoData", .caption = "ﾃﾞｰﾀ(&D)", .command = FontBoldClick, .tag = 28, .hint = "データを設定します"},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "HyoBgcData", .caption = "背景色付きのﾃﾞｰﾀ(&B)...", .command = HyoBgcDataClick, .hint = "背景色付きのデータを設定します"},
    {.level = 2, .name = "HyoPos", .caption = "ﾃﾞｰﾀの位置(&P)"},
    {.level = 3, .name = "HyoPosUpper", .caption = "上に揃えたﾃﾞｰﾀ(&U)", .command = HyoPosUpperClick, .hint = "上揃えのデータを設定します"},
    {.level = 3, .name = "HyoPosLower", .caption = "下に揃えたﾃﾞｰﾀ(&L)", .command = HyoPosLowerClick, .hint = "下揃えのデータを設定します"},
    {.level = 1, .name = "Frame", .caption = "ﾌﾚｰﾑ(&R)"},
    {.level = 2, .name = "FrameFrameSet", .caption = "ﾌﾚｰﾑ領域(&A)...", .command = FrameFrameSetClick, .hint = "フレームの領域を設定します"},
    {.level = 2, .name = "FrameFrame", .caption = "ﾌﾚｰﾑ(&F)...", .command = FrameFrameClick, .hint = "フレームを設定します"},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "FrameTerget", .caption = "ﾃﾞﾌｫﾙﾄﾀｰｹﾞｯﾄﾌﾚｰﾑ(&T)...", .command = FrameTergetClick, .hint = "デフォルトのターゲットフレームを設定します"},
    {.level = 2, .name = "FrameNoFrame", .caption = "ﾌﾚｰﾑ非対応(&N)", .command = TextPreClick, .tag = 2, .hint = "フレームに対応していないブラウザで表示する内容を設定します"},
    {.level = 1, .name = "Form", .caption = "ﾌｫｰﾑ(&O)"},
    {.level = 2, .name = "FormArea", .caption = "ﾌｫｰﾑ領域(&F)...", .command = FormAreaClick, .hint = "フォーム領域を設定します"},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "FormTextbox", .caption = "ﾃｷｽﾄﾎﾞｯｸｽ(&T)...", .command = FormTextboxClick, .hint = "テキストボックスを設定します"},
    {.level = 2, .name = "FormMultiline", .caption = "複数行入力ﾌｨｰﾙﾄﾞ(&M)...", .command = FormMultilineClick, .hint = "複数行の入力ができる領域を設定します"},
    {.level = 2, .name = "FormRadiobutton", .caption = "ﾗｼﾞｵﾎﾞﾀﾝ(&R)...", .command = FormRadiobuttonClick, .hint = "ラジオボタンを設定します"},
    {.level = 2, .name = "FormCheckbox", .caption = "ﾁｪｯｸﾎﾞｯｸｽ(&C)...", .command = FormCheckboxClick, .hint = "チェックボックスを設定します"},
    {.level = 2, .name = "FormListbox", .caption = "ﾘｽﾄﾎﾞｯｸｽ(&L)...", .command = FormListboxClick, .hint = "リストボックスを設定します"},
    {.level = 2, .name = "FormDropdownlist", .caption = "ﾄﾞﾛｯﾌﾟﾀﾞｳﾝﾘｽﾄﾎﾞｯｸｽ(&D)...", .command = FormDropdownlistClick, .hint = "ドロップダウンリストボックスを設定します"},
    {.level = 2, .name = "FormImage", .caption = "画像ﾌｨｰﾙﾄﾞ(&I)...", .command = FormImageClick, .hint = "画像フィールドを設定します"},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "FormSubmit", .caption = "転送ﾎﾞﾀﾝ(&S)...", .command = FormSubmitClick, .hint = "転送ボタンを設定します"},
    {.level = 2, .name = "FormReset", .caption = "ﾘｾｯﾄﾎﾞﾀﾝ(&E)...", .command = FormResetClick, .hint = "リセットボタンを設定します"},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "FormHidden", .caption = "隠しｲﾝﾌﾟｯﾄ(&H)...", .command = FormHiddenClick, .hint = "隠しインプットを設定します"},
    {.level = 1, .name = "MM", .caption = "ﾏﾙﾁﾒﾃﾞｨｱ(&M)"},
    {.level = 2, .name = "MMVideo", .caption = "ﾋﾞﾃﾞｵｸﾘｯﾌﾟ(&V)...", .command = MMVideoClick, .hint = "ビデオクリップを設定します"},
    {.level = 2, .name = "MMSound", .caption = "ﾊﾞｯｸｸﾞﾗｳﾝﾄﾞｻｳﾝﾄﾞ(&S)...", .command = MMSoundClick, .hint = "バックグラウンドサウンドを設定します"},
    {.level = 2, .name = "MMMarquee", .caption = "ﾏｰｷｰ(&M)...", .command = MMMarqueeClick, .hint = "マーキー（スクロールする文字）を設定します"},
    {.level = 1, .name = "Page", .caption = "ﾍﾟｰｼﾞ(&P)"},
    {.level = 2, .name = "PageConfig", .caption = "文字の色と背景(&C)...", .command = PageConfigClick, .hint = "デフォルトのテキストやリンクする文字の色、背景色／パターンの設定をします"},
    {.level = 2, .name = "PageKeisen", .caption = "いろいろな横罫線(&L)...", .command = PageKeisenClick, .hint = "いろいろな種類の横罫線を引きます"},
    {.level = 2, .name = "PageBr", .caption = "ｲﾒｰｼﾞに重ならない改行(&R)...", .command = PageBrClick, .hint = "イメージに重ならないように改行を設定します"},
    {.level = 2, .name = "PageTitle", .caption = "ﾀｲﾄﾙ(&T)", .command = PageTitleClick},
    {.level = 2, .name = "PageMeta", .caption = "自動読み込み(&M)...", .command = PageMetaClick, .hint = "ドキュメントの自動読み込みを設定します"},
    {.level = 2, .name = "PageBasic", .caption = "基本ﾀｸﾞ(&B)"},
    {.level = 3, .name = "PageBasicHtml", .caption = "HTMLﾀｸﾞ(&H)", .command = TextPreClick, .tag = 3},
    {.level = 3, .name = "PageBasicHead", .caption = "HEADﾀｸﾞ(&E)", .command = TextPreClick, .tag = 4},
    {.level = 3, .name = "PageBasicBody", .caption = "BODYﾀｸﾞ(&B)", .command = TextPreClick, .tag = 5},
    {.level = 1, .name = "Java", .caption = "Ｊａｖａ(&J)"},
    {.level = 2, .name = "JavaApplet", .caption = "ｱﾌﾟﾚｯﾄ(&A)...", .command = JavaAppletClick},
    {.level = 2, .name = "JavaParm", .caption = "ﾊﾟﾗﾒｰﾀ(&P)...", .command = JavaParmClick},
    {.level = 2, .name = "JavaScript", .caption = "ｽｸﾘﾌﾟﾄ(&S)"},
    {.level = 3, .name = "JavaScriptScript", .caption = "ｽｸﾘﾌﾟﾄﾀｸﾞ(&S)", .command = JavaScriptScriptClick, .tag = 0},
    {.level = 3, .name = "N23", .caption = "-"},
    {.level = 3, .name = "JavaScriptStatusL", .caption = "ｽﾃｰﾀｽﾊﾞｰﾒｯｾｰｼﾞ<left> (&M)", .command = JavaScriptStatusLClick, .tag = 0},
    {.level = 3, .name = "JavaScriptStatusR", .caption = "ｽﾃｰﾀｽﾊﾞｰﾒｯｾｰｼﾞ<right> (&N)", .command = JavaScriptStatusLClick, .tag = 1},
    {.level = 3, .name = "JavaScriptClock", .caption = "ﾃｷｽﾄﾎﾞｯｸｽ 時計(&L)", .command = JavaScriptClockClick, .tag = 0},
    {.level = 3, .name = "JavaScriptAlert", .caption = "ｱﾗｰﾄ(&A)", .command = JavaScriptClockClick, .tag = 1},
    {.level = 1, .name = "-"},
    {.level = 1, .name = "Lf", .caption = "改行(&I)", .command = LfClick, .shortcut = "Ctrl+Enter"},
    {.level = 1, .name = "Danraku", .caption = "段落(&G)", .command = DanrakuClick, .shortcut = "Alt+Enter"},
    {.level = 1, .name = "Keisen", .caption = "横罫線(&E)", .command = KeisenClick},
    {.level = 1, .name = "Color", .caption = "色(&C)...", .command = ColorClick},

    {.level = 0, .name = "Tool", .caption = "ﾂｰﾙ(&T)"},
    {.level = 1, .name = "ToolDsp", .caption = "ﾌﾞﾗｳｻﾞで表示(&B)", .command = ToolDspClick, .shortcut = "Ctrl+E", .hint = "現在編集中のファイルをブラウザで表示します"},
    {.level = 1, .name = "KP1", .caption = "ﾌﾞﾗｳｻﾞのﾊﾟｽ指定(&P)", .command = KP1Click},
    {.level = 1, .name = "-"},
    {.level = 1, .name = "GotoLine", .caption = "指定行へ移動(&G)...", .command = GotoLineClick, .shortcut = "Ctrl+G"},
    // Radio entries and a check box, set as the submenu opens.
    {.level = 1, .name = "ToolEncoding", .caption = "文字ｺｰﾄﾞ(&K)"},
    {.level = 2, .name = "EncodingShiftJis", .caption = "Shift_JIS", .command = EncodingClick, .tag = 0},
    {.level = 2, .name = "EncodingEucJp", .caption = "EUC-JP", .command = EncodingClick, .tag = 1},
    {.level = 2, .name = "EncodingUtf8", .caption = "UTF-8", .command = EncodingClick, .tag = 2},
    {.level = 2, .name = "EncodingBom", .caption = "BOMを付ける", .command = EncodingBomClick},
    {.level = 2, .name = "-"},
    {.level = 2, .name = "EncodingReopen", .caption = "開き直す", .command = EncodingReopenClick},
    {.level = 1, .name = "-"},
    {.level = 1, .name = "ToolTagEdit", .caption = "ﾀｸﾞの編集(&E)...", .command = ToolTagEditClick, .shortcut = "Ctrl+T", .hint = "カーソルの位置のタグをそのダイアログで編集します"},
};

} // namespace

std::span<const MenuRow<DocumentCommand>> documentMenuRows()
{
    return rows;
}
