#include "main_form_fixture.h"

#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// What a line of the outline is: an entry that shows (Built) or is hidden,
// a submenu or a separator.
enum Kind { Built, Hidden, Menu, Sep };

struct Entry {
    Kind kind;
    int level;
    const char *name;
    const char *caption = "";
    // "Ctrl+N" binds the key; "(Ctrl+S)" shows a key an earlier entry took.
    const char *keys = "";
    int tag = 0;
    const char *hint = "";
};

const Entry mainOutline[] = {
    {Menu, 0, "File1", "ﾌｧｲﾙ(&F)"},
    {Built, 1, "FileNewItem", "新規作成(&N)", "Ctrl+N"},
    {Built, 1, "FileOpenItem", "開く(&O)", "Ctrl+O"},
    {Sep, 1, "-"},
    {Built, 1, "FileExitItem", "終了(&X)"},
    {Hidden, 1, "N3", "-"},
    {Hidden, 1, "OpenFile1", "", "", 0},
    {Hidden, 1, "OpenFile2", "", "", 1},
    {Hidden, 1, "OpenFile3", "", "", 2},
    {Hidden, 1, "OpenFile4", "", "", 3},
    {Hidden, 1, "OpenFile5", "", "", 4},
    {Hidden, 1, "OpenFile6", "", "", 5},
    {Hidden, 1, "OpenFile7", "", "", 6},
    {Hidden, 1, "OpenFile8", "", "", 7},
    {Hidden, 1, "OpenFile9", "", "", 8},
    {Hidden, 1, "OpenFile10", "", "", 9},
    {Menu, 0, "Option1", "ｵﾌﾟｼｮﾝ(&O)"},
    {Menu, 1, "Toolbar", "ﾂｰﾙﾊﾞｰ(&T)"},
    {Built, 2, "Base", "基本(&B)"},
    {Built, 2, "Ext", "拡張(&E)"},
    {Built, 1, "FontItem", "表示ﾌｫﾝﾄ(&F)"},
    {Sep, 1, "-"},
    {Built, 1, "ColourTags", "ﾀｸﾞの色分け(&C)"},
    {Built, 1, "LineNumbers", "行番号(&L)"},
    {Built, 1, "WrapLines", "折り返し(&W)"},
    {Menu, 0, "Window1", "ｳｨﾝﾄﾞｳ(&W)"},
    {Built, 1, "WindowCascadeItem", "重ねて表示(&C)"},
    {Built, 1, "WindowTileItem", "並べて表示(&T)"},
    {Built, 1, "WindowArrangeItem", "ｱｲｺﾝの整列(&A)"},
    {Built, 1, "WindowMinimizeItem", "すべてをｱｲｺﾝ化(&M)"},
    {Menu, 0, "Help1", "ﾍﾙﾌﾟ(&H)"},
    {Built, 1, "HelpMokujiItem", "目次(&C)"},
    {Sep, 1, "-"},
    {Built, 1, "HelpAboutItem", "ﾊﾞｰｼﾞｮﾝ情報(&A)..."},
};

const Entry documentOutline[] = {
    {Menu, 0, "File1", "ﾌｧｲﾙ(&F)"},
    {Built, 1, "FileNewItem", "新規作成(&N)", "Ctrl+N"},
    {Built, 1, "FileOpenItem", "開く(&O)", "Ctrl+O"},
    {Built, 1, "FileCloseItem", "閉じる(&C)"},
    {Built, 1, "FileSaveItem", "上書き保存(&S)", "Ctrl+S"},
    {Built, 1, "FileSaveAsItem", "名前を付けて保存(&A)..."},
    {Sep, 1, "-"},
    {Built, 1, "FileExitItem", "終了(&X)"},
    {Hidden, 1, "N22", "-"},
    {Hidden, 1, "OpenFile1", "", "", 0},
    {Hidden, 1, "OpenFile2", "", "", 1},
    {Hidden, 1, "OpenFile3", "", "", 2},
    {Hidden, 1, "OpenFile4", "", "", 3},
    {Hidden, 1, "OpenFile5", "", "", 4},
    {Hidden, 1, "OpenFile6", "", "", 5},
    {Hidden, 1, "OpenFile7", "", "", 6},
    {Hidden, 1, "OpenFile8", "", "", 7},
    {Hidden, 1, "OpenFile9", "", "", 8},
    {Hidden, 1, "OpenFile10", "", "", 9},

    {Menu, 0, "Edit1", "編集(&E)"},
    {Built, 1, "UndoItem", "元に戻す(&U)", "Ctrl+Z", 0, "最後にタグを挿入した前の状態に戻します"},
    {Sep, 1, "-"},
    {Built, 1, "CutItem", "切り取り(&T)", "Ctrl+X"},
    {Built, 1, "CopyItem", "ｺﾋﾟｰ(&C)", "Ctrl+C"},
    {Built, 1, "PasteItem", "貼り付け(&P)", "Ctrl+V"},
    {Built, 1, "DeleteItem", "削除(&D)", "Ctrl+Del"},
    {Sep, 1, "-"},
    {Built, 1, "SearchItem", "検索(&F)", "Ctrl+F"},
    {Built, 1, "SearchNextItem", "次を検索(&N)", "F3"},
    {Built, 1, "ReplaceItem", "置換(&R)", "Ctrl+R"},

    {Menu, 0, "Insert1", "ﾀｸﾞ(&G)"},
    {Built, 1, "Midashi", "見出し(&H)...", "", 0, "見出し文字の位置、サイズを設定します"},
    {Menu, 1, "Font", "ﾌｫﾝﾄ(&F)"},
    {Built, 2, "FontColor", "ｻｲｽﾞと色(&S)...", "(Ctrl+S)", 0, "文字のサイズと色を設定します"},
    {Built, 2, "FontBase", "ﾍﾞｰｽﾌｫﾝﾄｻｲｽﾞ(&F)...", "", 0, "基本となるフォントのサイズを設定します"},
    {Sep, 2, "-"},
    {Built, 2, "FontBold", "太文字(&B)", "", 0},
    {Built, 2, "FontItaric", "斜体(&I)", "", 1},
    {Built, 2, "FontUnderline", "下線(&U)", "", 2},
    {Built, 2, "FontTypeWriter", "等幅(&T)", "", 3},
    {Built, 2, "FontStrike", "抹消線付き(&R)", "", 4},
    {Sep, 2, "-"},
    {Built, 2, "FontEm", "強調文字(&E)", "", 5},
    {Built, 2, "FontStrong", "より強い強調(&O)", "", 6},
    {Sep, 2, "-"},
    {Built, 2, "FontUrl", "URL(&U)...", "", 0, "ＵＲＬを表示する時に設定します"},
    {Built, 2, "FontAddress", "ｱﾄﾞﾚｽ(&A)", "", 7},
    {Built, 2, "FontComment", "ｺﾒﾝﾄ(&C)"},
    {Sep, 2, "-"},
    {Menu, 2, "FontLogical", "論理的なｽﾀｲﾙ(&Y)"},
    {Built, 3, "FontLogicalCite", "引用文や本のﾀｲﾄﾙ(&CITE)", "", 8},
    {Built, 3, "FontLogicalKbd", "ｷｰﾎﾞｰﾄﾞ入力文字(&KBD)", "", 9},
    {Built, 3, "FontLogicalVar", "任意に値を入れ替える文字(&VAR)", "", 10},
    {Built, 3, "FontLogicalCode", "引用されたｺﾝﾋﾟｭｰﾀﾌﾟﾛｸﾞﾗﾑ(C&ODE)", "", 11},
    {Built, 3, "FontLogicalSamp", "ｺﾝﾋﾟｭｰﾀの状態を示すﾒｯｾｰｼﾞ(&SAMP)", "", 12},
    {Built, 3, "FontLogicalSup", "上付き文字(S&UP)", "", 13},
    {Built, 3, "FontLogicalSub", "下付き文字(SU&B)", "", 14},
    {Built, 3, "FontLogicalQ", "短い引用文(&Q)", "", 15},
    {Built, 3, "FontLogicalLang", "異なる言語(&LANG)", "", 16},
    {Built, 3, "FontLogicalAu", "作者(&AU)", "", 17},
    {Built, 3, "FontLogicalPerson", "作者､ｸﾞﾙｰﾌﾟﾒﾝﾊﾞｰ(&PERSON)", "", 18},
    {Built, 3, "FontLogicalAcronym", "略語(AC&RONYM)", "", 19},
    {Built, 3, "FontLogicalAbbrev", "頭文字略語(ABBR&EV)", "", 20},
    {Built, 3, "FontLogicalIns", "挿入されたﾃｷｽﾄ(&INS)", "", 21},
    {Built, 3, "FontLogicalDel", "消去されたﾃｷｽﾄ(&DEL)", "", 22},
    {Menu, 2, "KS1", "特殊ﾌｫﾝﾄ(&S)"},
    {Built, 3, "SpecialAmp", "&&"},
    {Built, 3, "SpecialLt", "<"},
    {Built, 3, "SpecialGt", ">"},
    {Built, 3, "SpecialQuot", "\""},
    {Built, 3, "SpecialReg", "登録商標記号"},
    {Built, 3, "SpecialCopy", "著作権記号"},
    {Menu, 1, "Text", "ﾃｷｽﾄ(&T)"},
    {Built, 2, "TextPre", "整形済みﾃｷｽﾄ(&P)", "", 0},
    {Built, 2, "TextBlink", "点滅(&B)", "", 26},
    {Built, 2, "TextBlockquote", "引用(&L)", "", 1},
    {Built, 2, "TextBrClear", "回り込み解除(&R)"},
    {Sep, 2, "-"},
    {Built, 2, "TextNobr", "改行なし(&N)", "", 25},
    {Built, 2, "TextWbr", "ｿﾌﾄ改行(&W)"},
    {Menu, 1, "Image", "ｲﾒｰｼﾞ(&I)", "", 0, "イメージ（画像）の設定をします"},
    {Built, 2, "ImageImage", "ｲﾒｰｼﾞ(&I)...", "", 0, "画像を設定します"},
    {Sep, 2, "-"},
    {Built, 2, "ImageHotspot", "ﾎｯﾄｽﾎﾟｯﾄ(&H)...", "", 0, "クライアントサイド イメージマップで使用するホットスポットを設定します"},
    {Built, 2, "ImageClientMap", "ｸﾗｲｱﾝﾄｻｲﾄﾞ ｲﾒｰｼﾞﾏｯﾌﾟプ(&C)...", "", 0, "イメージマップを設定します"},
    {Menu, 1, "Position", "位置(&A)"},
    {Built, 2, "PositionLeft", "左寄せ(&L)"},
    {Built, 2, "PositionCenter", "中央(&C)", "", 24},
    {Built, 2, "PositionRight", "右寄せ(&R)"},
    {Sep, 2, "-"},
    {Built, 2, "PositionIndent", "ｲﾝﾃﾞﾝﾄ(&I)", "", 23},
    {Sep, 1, "-"},
    {Menu, 1, "Link", "ﾘﾝｸ(&N)"},
    {Built, 2, "LinkOtherDoc", "他のﾄﾞｷｭﾒﾝﾄ(&D)...", "Ctrl+L", 0, "他のドキュメントにリンクします"},
    {Sep, 2, "-"},
    {Built, 2, "LinkOwnerDoc", "特定の位置(&O)...", "", 0, "同一または他のドキュメント内のキーワードで指定された位置にリンクします"},
    {Built, 2, "LinkKeyword", "ｷｰﾜｰﾄﾞ設定(&K)...", "", 0, "リンクするためのキーワードを設定します"},
    {Sep, 2, "-"},
    {Built, 2, "LinkMailto", "ﾒｰﾙ送信(&M)...", "", 0, "リンクを利用してメールを送信します"},
    {Sep, 1, "-"},
    {Menu, 1, "List", "ﾘｽﾄ(&L)"},
    {Built, 2, "ListMark", "ﾏｰｸ付きﾘｽﾄ(&M)...", "", 0, "マーク付きのリストを設定します"},
    {Built, 2, "ListNumber", "番号順ﾘｽﾄ(&N)...", "", 0, "番号順のリストを設定します"},
    {Built, 2, "ListDefine", "定義型ﾘｽﾄ(&U)...", "", 0, "定義型のリストを設定します"},
    {Menu, 1, "Hyo", "表(&B)"},
    {Built, 2, "HyoCreate", "表作成(&M)...", "", 0, "表を作成します"},
    {Sep, 2, "-"},
    {Built, 2, "HyoCaption", "ｷｬﾌﾟｼｮﾝ(&A)", "", 0, "表のキャプションを設定します"},
    {Built, 2, "HyoFixed", "見出し(&C)", "", 27, "行または列の見出し項目を設定します"},
    {Built, 2, "HyoRows", "行(&R)", "", 0, "行を設定します"},
    {Built, 2, "HyoData", "ﾃﾞｰﾀ(&D)", "", 28, "データを設定します"},
    {Sep, 2, "-"},
    {Built, 2, "HyoBgcData", "背景色付きのﾃﾞｰﾀ(&B)...", "", 0, "背景色付きのデータを設定します"},
    {Menu, 2, "HyoPos", "ﾃﾞｰﾀの位置(&P)"},
    {Built, 3, "HyoPosUpper", "上に揃えたﾃﾞｰﾀ(&U)", "", 0, "上揃えのデータを設定します"},
    {Built, 3, "HyoPosLower", "下に揃えたﾃﾞｰﾀ(&L)", "", 0, "下揃えのデータを設定します"},
    {Menu, 1, "Frame", "ﾌﾚｰﾑ(&R)"},
    {Built, 2, "FrameFrameSet", "ﾌﾚｰﾑ領域(&A)...", "", 0, "フレームの領域を設定します"},
    {Built, 2, "FrameFrame", "ﾌﾚｰﾑ(&F)...", "", 0, "フレームを設定します"},
    {Sep, 2, "-"},
    {Built, 2, "FrameTerget", "ﾃﾞﾌｫﾙﾄﾀｰｹﾞｯﾄﾌﾚｰﾑ(&T)...", "", 0, "デフォルトのターゲットフレームを設定します"},
    {Built, 2, "FrameNoFrame", "ﾌﾚｰﾑ非対応(&N)", "", 2, "フレームに対応していないブラウザで表示する内容を設定します"},
    {Menu, 1, "Form", "ﾌｫｰﾑ(&O)"},
    {Built, 2, "FormArea", "ﾌｫｰﾑ領域(&F)...", "", 0, "フォーム領域を設定します"},
    {Sep, 2, "-"},
    {Built, 2, "FormTextbox", "ﾃｷｽﾄﾎﾞｯｸｽ(&T)...", "", 0, "テキストボックスを設定します"},
    {Built, 2, "FormMultiline", "複数行入力ﾌｨｰﾙﾄﾞ(&M)...", "", 0, "複数行の入力ができる領域を設定します"},
    {Built, 2, "FormRadiobutton", "ﾗｼﾞｵﾎﾞﾀﾝ(&R)...", "", 0, "ラジオボタンを設定します"},
    {Built, 2, "FormCheckbox", "ﾁｪｯｸﾎﾞｯｸｽ(&C)...", "", 0, "チェックボックスを設定します"},
    {Built, 2, "FormListbox", "ﾘｽﾄﾎﾞｯｸｽ(&L)...", "", 0, "リストボックスを設定します"},
    {Built, 2, "FormDropdownlist", "ﾄﾞﾛｯﾌﾟﾀﾞｳﾝﾘｽﾄﾎﾞｯｸｽ(&D)...", "", 0, "ドロップダウンリストボックスを設定します"},
    {Built, 2, "FormImage", "画像ﾌｨｰﾙﾄﾞ(&I)...", "", 0, "画像フィールドを設定します"},
    {Sep, 2, "-"},
    {Built, 2, "FormSubmit", "転送ﾎﾞﾀﾝ(&S)...", "", 0, "転送ボタンを設定します"},
    {Built, 2, "FormReset", "ﾘｾｯﾄﾎﾞﾀﾝ(&E)...", "", 0, "リセットボタンを設定します"},
    {Sep, 2, "-"},
    {Built, 2, "FormHidden", "隠しｲﾝﾌﾟｯﾄ(&H)...", "", 0, "隠しインプットを設定します"},
    {Menu, 1, "MM", "ﾏﾙﾁﾒﾃﾞｨｱ(&M)"},
    {Built, 2, "MMVideo", "ﾋﾞﾃﾞｵｸﾘｯﾌﾟ(&V)...", "", 0, "ビデオクリップを設定します"},
    {Built, 2, "MMSound", "ﾊﾞｯｸｸﾞﾗｳﾝﾄﾞｻｳﾝﾄﾞ(&S)...", "", 0, "バックグラウンドサウンドを設定します"},
    {Built, 2, "MMMarquee", "ﾏｰｷｰ(&M)...", "", 0, "マーキー（スクロールする文字）を設定します"},
    {Menu, 1, "Page", "ﾍﾟｰｼﾞ(&P)"},
    {Built, 2, "PageConfig", "文字の色と背景(&C)...", "", 0, "デフォルトのテキストやリンクする文字の色、背景色／パターンの設定をします"},
    {Built, 2, "PageKeisen", "いろいろな横罫線(&L)...", "", 0, "いろいろな種類の横罫線を引きます"},
    {Built, 2, "PageBr", "ｲﾒｰｼﾞに重ならない改行(&R)...", "", 0, "イメージに重ならないように改行を設定します"},
    {Built, 2, "PageTitle", "ﾀｲﾄﾙ(&T)"},
    {Built, 2, "PageMeta", "自動読み込み(&M)...", "", 0, "ドキュメントの自動読み込みを設定します"},
    {Menu, 2, "PageBasic", "基本ﾀｸﾞ(&B)"},
    {Built, 3, "PageBasicHtml", "HTMLﾀｸﾞ(&H)", "", 3},
    {Built, 3, "PageBasicHead", "HEADﾀｸﾞ(&E)", "", 4},
    {Built, 3, "PageBasicBody", "BODYﾀｸﾞ(&B)", "", 5},
    {Menu, 1, "Java", "Ｊａｖａ(&J)"},
    {Built, 2, "JavaApplet", "ｱﾌﾟﾚｯﾄ(&A)..."},
    {Built, 2, "JavaParm", "ﾊﾟﾗﾒｰﾀ(&P)..."},
    {Menu, 2, "JavaScript", "ｽｸﾘﾌﾟﾄ(&S)"},
    {Built, 3, "JavaScriptScript", "ｽｸﾘﾌﾟﾄﾀｸﾞ(&S)", "", 0},
    {Sep, 3, "N23"},
    {Built, 3, "JavaScriptStatusL", "ｽﾃｰﾀｽﾊﾞｰﾒｯｾｰｼﾞ<left> (&M)", "", 0},
    {Built, 3, "JavaScriptStatusR", "ｽﾃｰﾀｽﾊﾞｰﾒｯｾｰｼﾞ<right> (&N)", "", 1},
    {Built, 3, "JavaScriptClock", "ﾃｷｽﾄﾎﾞｯｸｽ 時計(&L)", "", 0},
    {Built, 3, "JavaScriptAlert", "ｱﾗｰﾄ(&A)", "", 1},
    {Sep, 1, "-"},
    {Built, 1, "Lf", "改行(&I)", "Ctrl+Enter"},
    {Built, 1, "Danraku", "段落(&G)", "Alt+Enter"},
    {Built, 1, "Keisen", "横罫線(&E)"},
    {Built, 1, "Color", "色(&C)..."},

    {Menu, 0, "Tool", "ﾂｰﾙ(&T)"},
    {Built, 1, "ToolDsp", "ﾌﾞﾗｳｻﾞで表示(&B)", "Ctrl+E", 0, "現在編集中のファイルをブラウザで表示します"},
    {Built, 1, "KP1", "ﾌﾞﾗｳｻﾞのﾊﾟｽ指定(&P)"},
    {Sep, 1, "-"},
    {Built, 1, "GotoLine", "指定行へ移動(&G)...", "Ctrl+G"},
    {Menu, 1, "ToolEncoding", "文字ｺｰﾄﾞ(&K)"},
    {Built, 2, "EncodingShiftJis", "Shift_JIS", "", 0},
    {Built, 2, "EncodingEucJp", "EUC-JP", "", 1},
    {Built, 2, "EncodingUtf8", "UTF-8", "", 2},
    {Built, 2, "EncodingBom", "BOMを付ける"},
    {Sep, 2, "-"},
    {Built, 2, "EncodingReopen", "開き直す"},
    {Sep, 1, "-"},
    {Built, 1, "ToolTagEdit", "ﾀｸﾞの編集(&E)...", "Ctrl+T", 0, "カーソルの位置のタグをそのダイアログで編集します"},
};

std::string lineOf(int level, const QString &name, const QString &caption, const QString &keys,
                   int tag, const QString &hint, bool hidden)
{
    QString line = QString(level * 2, u' ') + name;
    if (caption != u"-")
        line += u" \""_s + caption + u"\" ["_s + keys + u"] tag "_s + QString::number(tag) + u" \""_s + hint + u'"';
    if (hidden)
        line += u" hidden"_s;
    return line.toStdString() + '\n';
}

// The shown outline: entries still to come dropped, then submenus left
// empty, then separators at either end of a menu or after another one.
struct Node {
    const Entry *entry;
    std::vector<Node> children;
};

std::vector<Node> treeOf(const Entry *&at, const Entry *end, int level)
{
    std::vector<Node> nodes;
    while (at != end && at->level == level) {
        Node node{at, {}};
        ++at;
        if (node.entry->kind == Menu)
            node.children = treeOf(at, end, level + 1);
        nodes.push_back(std::move(node));
    }
    return nodes;
}

bool isVisibleSeparator(const Node &node)
{
    return node.entry->kind == Sep;
}

std::vector<Node> shown(const std::vector<Node> &nodes)
{
    std::vector<Node> kept;
    for (const Node &node : nodes) {
        if (node.entry->kind == Menu) {
            Node menu{node.entry, shown(node.children)};
            if (!menu.children.empty())
                kept.push_back(std::move(menu));
            continue;
        }
        if (isVisibleSeparator(node)) {
            const Node *previous = nullptr;
            for (const Node &k : kept) {
                if (k.entry->kind != Hidden)
                    previous = &k;
            }
            if (!previous || isVisibleSeparator(*previous))
                continue;
        }
        kept.push_back(node);
    }
    // A separator is trailing when only hidden entries follow it.
    for (std::size_t i = kept.size(); i-- > 0;) {
        if (kept[i].entry->kind == Hidden)
            continue;
        if (!isVisibleSeparator(kept[i]))
            break;
        kept.erase(kept.begin() + std::ptrdiff_t(i));
    }
    return kept;
}

void expectedLines(const std::vector<Node> &nodes, std::string &out)
{
    for (const Node &node : nodes) {
        const Entry &e = *node.entry;
        const bool separator = e.kind == Sep || QByteArray(e.caption) == "-";
        const QString name = QString::fromUtf8(e.name);
        out += lineOf(e.level, separator && name == u"-" ? QString() : name,
                      separator ? u"-"_s : QString::fromUtf8(e.caption), QString::fromUtf8(e.keys),
                      e.tag, QString::fromUtf8(e.hint), e.kind == Hidden);
        expectedLines(node.children, out);
    }
}

template <std::size_t N>
std::string expectedOutline(const Entry (&outline)[N], const char *skipMenu = nullptr)
{
    const Entry *at = outline;
    std::vector<Node> menus = shown(treeOf(at, outline + N, 0));
    if (skipMenu)
        std::erase_if(menus, [&](const Node &n) { return QByteArray(n.entry->name) == skipMenu; });
    std::string out;
    expectedLines(menus, out);
    return out;
}

void actualLines(const QMenu *menu, int level, std::string &out)
{
    for (const QAction *action : menu->actions()) {
        QString caption = action->text();
        QString keys;
        if (!action->shortcuts().isEmpty())
            keys = action->shortcuts().first().toString(QKeySequence::PortableText);
        if (const qsizetype tab = caption.indexOf(u'\t'); tab >= 0) {
            keys = u'(' + caption.mid(tab + 1) + u')';
            caption.truncate(tab);
        }
        out += lineOf(level, action->objectName(), action->isSeparator() ? u"-"_s : caption, keys,
                      action->property("Tag").toInt(), action->statusTip(), !action->isVisible());
        if (action->menu())
            actualLines(action->menu(), level + 1, out);
    }
}

using MenuOutline = MainFormFixture;

TEST_F(MenuOutline, EveryShownEntryStandsWhereTheOutlineHasIt)
{
    std::string actual;
    for (QAction *top : form->menuBar()->actions()) {
        actual += lineOf(0, top->menu()->objectName(), top->text(), {}, 0, top->statusTip(), false);
        actualLines(top->menu(), 1, actual);
    }
    EXPECT_EQ(actual, expectedOutline(mainOutline));

    form->FileNewItemClick();
    ASSERT_NE(current(), nullptr);
    actual.clear();
    for (QAction *top : form->menuBar()->actions()) {
        actual += lineOf(0, top->menu()->objectName(), top->text(), {}, 0, top->statusTip(), false);
        actualLines(top->menu(), 1, actual);
    }
    EXPECT_EQ(actual, expectedOutline(documentOutline) + expectedOutline(mainOutline, "File1"));
}

} // namespace

// The editor's own menu starts with reopening the tag under the caret, then
// holds the Edit menu's entries.
TEST_F(MenuOutline, TheEditorMenuStartsWithTagEdit)
{
    form->FileNewItemClick();
    ASSERT_NE(current(), nullptr);
    const QMenu *editorMenu = current()->findChild<QMenu *>(u"EditorMenu"_s);
    ASSERT_NE(editorMenu, nullptr);
    QStringList names;
    for (const QAction *action : editorMenu->actions())
        names << (action->isSeparator() ? u"-"_s : action->objectName());
    QStringList expected{u"ToolTagEdit"_s, u"-"_s};
    for (const QAction *action : current()->findChild<QMenu *>(u"Edit1"_s)->actions())
        expected << (action->isSeparator() ? u"-"_s : action->objectName());
    EXPECT_EQ(names, expected);
}
