#include "dialogs/text/table_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"
#include "document/whole_number.h"
#include "platform/platform.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>

using namespace Qt::StringLiterals;

// --- the grid ---------------------------------------------------------------

int HyoGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int HyoGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant HyoGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cell(index.row(), index.column());
}

bool HyoGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setCell(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags HyoGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

void HyoGridModel::setColumns(int count)
{
    if (count > m_cols) {
        beginInsertColumns({}, m_cols, count - 1);
        m_cols = count;
        endInsertColumns();
    } else if (count < m_cols) {
        beginRemoveColumns({}, count, m_cols - 1);
        m_cols = count;
        endRemoveColumns();
    }
}

void HyoGridModel::setRows(int count)
{
    if (count > m_rows) {
        beginInsertRows({}, m_rows, count - 1);
        m_rows = count;
        endInsertRows();
    } else if (count < m_rows) {
        beginRemoveRows({}, count, m_rows - 1);
        m_rows = count;
        endRemoveRows();
    }
}

QString HyoGridModel::cell(int row, int col) const
{
    return m_texts.value(key(row, col));
}

void HyoGridModel::setCell(int row, int col, const QString &text)
{
    if (text.isEmpty())
        m_texts.remove(key(row, col));
    else
        m_texts.insert(key(row, col), text);
    if (row < m_rows && col < m_cols) {
        const QModelIndex at = index(row, col);
        Q_EMIT dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole});
    }
}

HyoGrid::HyoGrid(QWidget *parent)
    : QTableView(parent)
    , m_model(new HyoGridModel(this))
{
    setModel(m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(16);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(64);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
}

void HyoGrid::setColumnCount(int count)
{
    m_model->setColumns(std::clamp(count, 1, maxCols));
}

void HyoGrid::setRowCount(int count)
{
    m_model->setRows(std::clamp(count, 1, maxRows));
}

QModelIndex HyoGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Tab past the last cell (or Shift+Tab before the first) leaves the grid
    // instead of wrapping round, so the keyboard can get out of it.
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        const bool first = current.row() == 0 && current.column() == 0;
        const bool last = current.row() == rowCount() - 1 && current.column() == columnCount() - 1;
        if ((action == MoveNext && last) || (action == MovePrevious && first))
            return {};
    }
    return QTableView::moveCursor(action, modifiers);
}

// --- the dialog -------------------------------------------------------------

namespace {

const QStringList alignItems = {u"左寄せ"_s, u"中央"_s, u"右寄せ"_s};
const QStringList unitItems = {u"ﾋﾟｸｾﾙ"_s, u"ﾊﾟｰｾﾝﾄ"_s};

constexpr TableAlign alignRows[] = {TableAlign::Left, TableAlign::Center, TableAlign::Right};
constexpr CellVAlign vAlignRows[] = {CellVAlign::Top, CellVAlign::Middle, CellVAlign::Bottom};
constexpr CaptionSide sideRows[] = {CaptionSide::Top, CaptionSide::Bottom};

// A heading count shows as typed; an unticked 0 is the empty box it came from.
QString countText(bool on, int count)
{
    return on || count != 0 ? QString::number(count) : QString();
}

} // namespace

TfrmHyo::TfrmHyo(QWidget *parent)
    : TAttributeDialog(u"表の作成"_s, parent)
    , PageControl(new QTabWidget(this))
{
    setObjectName(u"frmHyo"_s);
    setEscapeCancels(false);
    PageControl->setObjectName(u"PageControl"_s);
    PageControl->addTab(makeBasicPage(), u"基本"_s);
    PageControl->addTab(makeExtendedPage(), u"拡張"_s);

    auto *data = new QWidget;
    Hyo = new HyoGrid(data);
    nameControl(Hyo, "Hyo");
    auto *dataLayout = new QVBoxLayout(data);
    dataLayout->addWidget(Hyo);
    PageControl->addTab(data, u"ﾃﾞｰﾀ"_s);
    body()->addWidget(PageControl);

    enableWhileChecked(chkPos, {cboPos});
    enableWhileChecked(chkFixedRows, {txtFixedRows});
    enableWhileChecked(chkFixedCols, {txtFixedCols});
    enableWhileChecked(chkBorder, {txtBorder});
    enableWhileChecked(chkCellSpacing, {txtCellSpacing});
    enableWhileChecked(chkCellPadding, {txtCellPadding});
    enableWhileChecked(chkWidth, {txtWidth, cboTaniW});
    enableWhileChecked(chkHeight, {txtHeight, cboTaniH});
    enableWhileChecked(chkCaption, {txtCaption, cboCaptionPos, cboValign, lblCaption1,
                                    lblCaption2, lblCaption3});
    enableWhileChecked(chkBackGround, {txtFilename, cmdBackGround});
    enableWhileChecked(chkBackColor, {pnlBackColor, cmdBackColor});
    enableWhileChecked(chkBorderColor, {pnlBorderColor, cmdBorderColor});
    enableWhileChecked(chkBorderColorLight, {pnlBorderColorLight, cmdBorderColorLight});
    enableWhileChecked(chkBorderColorDark, {pnlBorderColorDark, cmdBorderColorDark});
    enableWhileChecked(chkTVAlign, {cboTVAlign});
    // A table has a background picture or a background colour, not both.
    connect(chkBackGround, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            chkBackColor->setChecked(false);
    });
    connect(chkBackColor, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            chkBackGround->setChecked(false);
    });

    txtRows->installEventFilter(this);
    txtCols->installEventFilter(this);
}

QWidget *TfrmHyo::makeBasicPage()
{
    auto *page = new QWidget;
    chkPos = makeCheck(page, "chkPos", u"表の位置"_s);
    cboPos = makeList(page, "cboPos", alignItems, u"表の位置"_s);
    txtRows = makeNumberEdit(page, "txtRows", u"行数"_s);
    auto *lblRows = makeLabel(page, "", u"行数"_s, txtRows);
    txtCols = makeNumberEdit(page, "txtCols", u"列数"_s);
    auto *lblCols = makeLabel(page, "", u"列数"_s, txtCols);
    chkFixedRows = makeCheck(page, "chkFixedRows", u"行見出し"_s);
    txtFixedRows = makeNumberEdit(page, "txtFixedRows", u"行見出し"_s);
    chkFixedCols = makeCheck(page, "chkFixedCols", u"列見出し"_s);
    txtFixedCols = makeNumberEdit(page, "txtFixedCols", u"列見出し"_s);
    chkBorder = makeCheck(page, "chkBorder", u"外枠の線の太さ"_s);
    txtBorder = makeNumberEdit(page, "txtBorder", u"外枠の線の太さ"_s);
    chkCellSpacing = makeCheck(page, "chkCellSpacing", u"線の太さ"_s);
    txtCellSpacing = makeNumberEdit(page, "txtCellSpacing", u"線の太さ"_s);
    chkCellPadding = makeCheck(page, "chkCellPadding", u"罫線とﾃｷｽﾄの間隔"_s);
    txtCellPadding = makeNumberEdit(page, "txtCellPadding", u"罫線とﾃｷｽﾄの間隔"_s);
    chkWidth = makeCheck(page, "chkWidth", u"表の幅"_s);
    txtWidth = makeNumberEdit(page, "txtWidth", u"表の幅"_s);
    cboTaniW = makeList(page, "cboTaniW", unitItems, u"表の幅"_s);
    chkHeight = makeCheck(page, "chkHeight", u"表の高さ"_s);
    txtHeight = makeNumberEdit(page, "txtHeight", u"表の高さ"_s);
    cboTaniH = makeList(page, "cboTaniH", unitItems, u"表の高さ"_s);
    chkCaption = makeCheck(page, "chkCaption", u"表題"_s);
    txtCaption = makeEdit(page, "txtCaption", u"表題"_s);
    lblCaption1 = new QLabel(u"表の"_s, page);
    cboValign = makeList(page, "cboValign", {u"左"_s, u"中央"_s, u"右"_s}, u"表の…に合わせて"_s);
    lblCaption2 = new QLabel(u"に合わせて"_s, page);
    cboCaptionPos = makeList(page, "cboCaptionPos", {u"上"_s, u"下"_s}, u"…に表示"_s);
    lblCaption3 = new QLabel(u"に表示"_s, page);
    lblCaption1->setObjectName(u"lblCaption1"_s);
    lblCaption2->setObjectName(u"lblCaption2"_s);
    lblCaption3->setObjectName(u"lblCaption3"_s);

    auto *grid = new QGridLayout;
    grid->addWidget(chkPos, 0, 0);
    grid->addWidget(cboPos, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(lblRows, 1, 0);
    grid->addWidget(txtRows, 1, 1);
    grid->addWidget(lblCols, 1, 2);
    grid->addWidget(txtCols, 1, 3);
    grid->addWidget(chkFixedRows, 2, 0);
    grid->addWidget(txtFixedRows, 2, 1);
    grid->addWidget(chkFixedCols, 2, 2);
    grid->addWidget(txtFixedCols, 2, 3);
    grid->addWidget(chkBorder, 3, 0);
    grid->addWidget(txtBorder, 3, 1);
    grid->addWidget(chkCellSpacing, 4, 0);
    grid->addWidget(txtCellSpacing, 4, 1);
    grid->addWidget(chkCellPadding, 5, 0);
    grid->addWidget(txtCellPadding, 5, 1);
    grid->addWidget(chkWidth, 6, 0);
    grid->addWidget(txtWidth, 6, 1);
    grid->addWidget(cboTaniW, 6, 2, Qt::AlignLeft);
    grid->addWidget(chkHeight, 7, 0);
    grid->addWidget(txtHeight, 7, 1);
    grid->addWidget(cboTaniH, 7, 2, Qt::AlignLeft);
    grid->addWidget(chkCaption, 8, 0);
    grid->addWidget(txtCaption, 8, 1, 1, 3);

    auto *sentence = new QHBoxLayout;
    sentence->addWidget(lblCaption1);
    sentence->addWidget(cboValign);
    sentence->addWidget(lblCaption2);
    sentence->addWidget(cboCaptionPos);
    sentence->addWidget(lblCaption3);
    sentence->addStretch();
    grid->addLayout(sentence, 9, 1, 1, 3);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QToolButton *TfrmHyo::makeColorButton(QWidget *parent, const char *name, ColorPanel *panel)
{
    auto *button = new QToolButton(parent);
    nameControl(button, name);
    button->setText(u"..."_s);
    button->setToolTip(u"色の設定"_s);
    connect(button, &QToolButton::clicked, this, [this, panel] {
        if (const std::optional<QColor> color = m_colorDialog.choose(this))
            panel->setColor(*color);
    });
    return button;
}

QWidget *TfrmHyo::makeExtendedPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout;

    chkBackGround = makeCheck(page, "chkBackGround", u"表の背景"_s);
    txtFilename = makeEdit(page, "txtFilename", u"表の背景"_s);
    cmdBackGround = makeBrowseButton(page, "cmdBackGround", txtFilename, gifFileFilter, NameCase::Lower,
                                     {});
    grid->addWidget(chkBackGround, 0, 0);
    grid->addWidget(txtFilename, 0, 1);
    grid->addWidget(cmdBackGround, 0, 2);

    struct ColorRow {
        QCheckBox *&box;
        ColorPanel *&panel;
        QToolButton *&button;
        const char *boxName;
        const char *panelName;
        const char *buttonName;
        QString caption;
    };
    const ColorRow rows[] = {
        {chkBackColor, pnlBackColor, cmdBackColor, "chkBackColor", "pnlBackColor",
         "cmdBackColor", u"表の背景色"_s},
        {chkBorderColor, pnlBorderColor, cmdBorderColor, "chkBorderColor", "pnlBorderColor",
         "cmdBorderColor", u"表の枠線の色"_s},
        {chkBorderColorLight, pnlBorderColorLight, cmdBorderColorLight, "chkBorderColorLight",
         "pnlBorderColorLight", "cmdBorderColorLight", u"表の枠線の色１"_s},
        {chkBorderColorDark, pnlBorderColorDark, cmdBorderColorDark, "chkBorderColorDark",
         "pnlBorderColorDark", "cmdBorderColorDark", u"表の枠線の色２"_s},
    };
    int at = 1;
    for (const ColorRow &row : rows) {
        row.box = makeCheck(page, row.boxName, row.caption);
        row.panel = new ColorPanel(page);
        nameControl(row.panel, row.panelName, row.caption);
        row.button = makeColorButton(page, row.buttonName, row.panel);
        auto *pair = new QHBoxLayout;
        pair->addWidget(row.panel);
        pair->addWidget(row.button);
        pair->addStretch();
        grid->addWidget(row.box, at, 0);
        grid->addLayout(pair, at, 1, 1, 2);
        ++at;
    }

    chkTVAlign = makeCheck(page, "chkTVAlign", u"ﾃｷｽﾄの位置"_s);
    cboTVAlign = makeList(page, "cboTVAlign", {u"上揃え"_s, u"中央揃え"_s, u"下揃え"_s},
                          u"ﾃｷｽﾄの位置"_s);
    grid->addWidget(chkTVAlign, at, 0);
    grid->addWidget(cboTVAlign, at, 1, 1, 2, Qt::AlignLeft);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

void TfrmHyo::reset()
{
    // The cell texts stay for the run.
    setOptions({.rows = 5, .cols = 5, .cells = gridTexts(5, 5)});
    PageControl->setCurrentIndex(0);
    txtRows->setFocus();
}

void TfrmHyo::setOptions(const TableOptions &o)
{
    chkPos->setChecked(o.pos);
    cboPos->setCurrentIndex(rowOf(alignRows, o.posAlign));
    chkBackGround->setChecked(o.background);
    txtFilename->setText(o.backgroundFile);
    chkBackColor->setChecked(o.backColor);
    pnlBackColor->setColor(o.backColorValue);
    chkBorderColor->setChecked(o.borderColor);
    pnlBorderColor->setColor(o.borderColorValue);
    chkBorderColorLight->setChecked(o.borderColorLight);
    pnlBorderColorLight->setColor(o.borderColorLightValue);
    chkBorderColorDark->setChecked(o.borderColorDark);
    pnlBorderColorDark->setColor(o.borderColorDarkValue);
    chkTVAlign->setChecked(o.textVAlign);
    cboTVAlign->setCurrentIndex(rowOf(vAlignRows, o.textVAlignValue));
    chkBorder->setChecked(o.border);
    txtBorder->setText(o.borderValue);
    chkCellSpacing->setChecked(o.cellSpacing);
    txtCellSpacing->setText(o.cellSpacingValue);
    chkCellPadding->setChecked(o.cellPadding);
    txtCellPadding->setText(o.cellPaddingValue);
    chkWidth->setChecked(o.width);
    txtWidth->setText(o.widthValue);
    cboTaniW->setCurrentIndex(o.widthPercent ? 1 : 0);
    chkHeight->setChecked(o.height);
    txtHeight->setText(o.heightValue);
    cboTaniH->setCurrentIndex(o.heightPercent ? 1 : 0);
    chkCaption->setChecked(o.caption);
    txtCaption->setText(o.captionText);
    cboCaptionPos->setCurrentIndex(rowOf(sideRows, o.captionSide));
    cboValign->setCurrentIndex(rowOf(alignRows, o.captionAlign));
    chkFixedRows->setChecked(o.fixedRows);
    txtFixedRows->setText(countText(o.fixedRows, o.fixedRowsCount));
    chkFixedCols->setChecked(o.fixedCols);
    txtFixedCols->setText(countText(o.fixedCols, o.fixedColsCount));
    txtRows->setText(QString::number(o.rows));
    txtCols->setText(QString::number(o.cols));
    Hyo->setColumnCount(o.cols);
    Hyo->setRowCount(o.rows);
    for (int row = 0; row < o.rows; ++row) {
        for (int col = 0; col < o.cols; ++col)
            Hyo->setCell(row, col, o.cell(row, col));
    }
}

void TfrmHyo::sizeGridToFields()
{
    // The warning box takes the focus from the field; that must not ask again.
    if (m_sizingGrid)
        return;
    const QScopedValueRollback guard(m_sizingGrid, true);
    const std::optional<int> cols = wholeNumberValue(txtCols->text());
    const std::optional<int> rows = wholeNumberValue(txtRows->text());
    if (!cols || !rows) {
        const QString bad = !cols ? txtCols->text() : txtRows->text();
        platform().message(this, MessageKind::Warning, u"'"_s + bad + u"' は整数ではありません"_s,
                           MessageButtons::Ok);
        return;
    }
    Hyo->setColumnCount(*cols);
    Hyo->setRowCount(*rows);
}

bool TfrmHyo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && (watched == txtRows || watched == txtCols)) {
        // Only the focus moving on inside the dialog counts: a message box,
        // another window or a drop-down list taking it does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            sizeGridToFields();
    }
    return TAttributeDialog::eventFilter(watched, event);
}

void TfrmHyo::checkAtOk()
{
    const std::pair<QCheckBox *, QLineEdit *> numbers[] = {
        {chkFixedRows, txtFixedRows}, {chkFixedCols, txtFixedCols},
        {chkBorder, txtBorder},       {chkCellSpacing, txtCellSpacing},
        {chkCellPadding, txtCellPadding}, {chkWidth, txtWidth},
        {chkHeight, txtHeight},
    };
    for (const auto &[box, field] : numbers) {
        if (!keepWholeNumber(field, {}))
            box->setChecked(false);
    }
    // A size typed but not yet applied (OK by Enter) still counts.
    keepWholeNumber(txtCols, u"1"_s);
    keepWholeNumber(txtRows, u"1"_s);
    sizeGridToFields();
}

TableOptions TfrmHyo::options() const
{
    TableOptions o{
        .pos = chkPos->isChecked(),
        .posAlign = valueAt(alignRows, cboPos->currentIndex(), TableAlign::Right),
        .background = chkBackGround->isChecked(),
        .backgroundFile = txtFilename->text(),
        .backColor = chkBackColor->isChecked(),
        .backColorValue = pnlBackColor->color(),
        .borderColor = chkBorderColor->isChecked(),
        .borderColorValue = pnlBorderColor->color(),
        .borderColorLight = chkBorderColorLight->isChecked(),
        .borderColorLightValue = pnlBorderColorLight->color(),
        .borderColorDark = chkBorderColorDark->isChecked(),
        .borderColorDarkValue = pnlBorderColorDark->color(),
        .textVAlign = chkTVAlign->isChecked(),
        .textVAlignValue = valueAt(vAlignRows, cboTVAlign->currentIndex(), CellVAlign::Bottom),
        .border = chkBorder->isChecked(),
        .borderValue = txtBorder->text(),
        .cellSpacing = chkCellSpacing->isChecked(),
        .cellSpacingValue = txtCellSpacing->text(),
        .cellPadding = chkCellPadding->isChecked(),
        .cellPaddingValue = txtCellPadding->text(),
        .width = chkWidth->isChecked(),
        .widthValue = txtWidth->text(),
        .widthPercent = cboTaniW->currentIndex() == 1,
        .height = chkHeight->isChecked(),
        .heightValue = txtHeight->text(),
        .heightPercent = cboTaniH->currentIndex() == 1,
        .caption = chkCaption->isChecked(),
        .captionText = txtCaption->text(),
        .captionSide = valueAt(sideRows, cboCaptionPos->currentIndex(), CaptionSide::Bottom),
        .captionAlign = valueAt(alignRows, cboValign->currentIndex(), TableAlign::Right),
        .fixedRows = chkFixedRows->isChecked(),
        .fixedRowsCount = wholeNumberValue(txtFixedRows->text()).value_or(0),
        .fixedCols = chkFixedCols->isChecked(),
        .fixedColsCount = wholeNumberValue(txtFixedCols->text()).value_or(0),
        .rows = Hyo->rowCount(),
        .cols = Hyo->columnCount(),
        .cells = {},
    };
    o.cells = gridTexts(o.rows, o.cols);
    return o;
}

QStringList TfrmHyo::gridTexts(int rows, int cols) const
{
    QStringList texts;
    texts.reserve(qsizetype(rows) * cols);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col)
            texts.append(Hyo->cell(row, col));
    }
    return texts;
}
