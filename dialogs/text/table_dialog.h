#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/color_picker.h"
#include "dialogs/text/table_tag.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QTableView>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;

// The cell texts of the table grid. Texts outside the current size are
// kept too, so making the grid smaller and then larger again loses nothing.
class HyoGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void setColumns(int count);
    void setRows(int count);
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString &text);

private:
    static quint64 key(int row, int col) { return quint64(quint32(row)) << 32 | quint32(col); }

    int m_rows = 1;
    int m_cols = 1;
    QHash<quint64, QString> m_texts;
};

// The string grid of the data page: cells edited in place, Tab from cell to
// cell (and on out of the grid after the last one), ranges selectable.
class HyoGrid : public QTableView
{
    Q_OBJECT
public:
    explicit HyoGrid(QWidget *parent = nullptr);

    int rowCount() const { return m_model->rowCount(); }
    int columnCount() const { return m_model->columnCount(); }
    // Counts below 1 become 1; very large ones are held to what a page can use.
    void setColumnCount(int count);
    void setRowCount(int count);
    QString cell(int row, int col) const { return m_model->cell(row, col); }
    void setCell(int row, int col, const QString &text) { m_model->setCell(row, col, text); }

    static constexpr int maxRows = 1000;
    static constexpr int maxCols = 100;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    HyoGridModel *m_model;
};

// Table creation: the TABLE attributes on two pages, the cells on a third.
// Every show resets the options; the cell texts stay for the run.
class TfrmHyo : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmHyo(QWidget *parent = nullptr);

    void reset() override;
    TableOptions options() const;
    void setOptions(const TableOptions &options);

    QTabWidget *PageControl;

    // 基本
    QCheckBox *chkPos;
    QComboBox *cboPos;
    QLineEdit *txtRows;
    QLineEdit *txtCols;
    QCheckBox *chkFixedRows;
    QLineEdit *txtFixedRows;
    QCheckBox *chkFixedCols;
    QLineEdit *txtFixedCols;
    QCheckBox *chkBorder;
    QLineEdit *txtBorder;
    QCheckBox *chkCellSpacing;
    QLineEdit *txtCellSpacing;
    QCheckBox *chkCellPadding;
    QLineEdit *txtCellPadding;
    QCheckBox *chkWidth;
    QLineEdit *txtWidth;
    QComboBox *cboTaniW;
    QCheckBox *chkHeight;
    QLineEdit *txtHeight;
    QComboBox *cboTaniH;
    QCheckBox *chkCaption;
    QLineEdit *txtCaption;
    QLabel *lblCaption1;
    QComboBox *cboValign;
    QLabel *lblCaption2;
    QComboBox *cboCaptionPos;
    QLabel *lblCaption3;

    // 拡張
    QCheckBox *chkBackGround;
    QLineEdit *txtFilename;
    QToolButton *cmdBackGround;
    QCheckBox *chkBackColor;
    ColorPanel *pnlBackColor;
    QToolButton *cmdBackColor;
    QCheckBox *chkBorderColor;
    ColorPanel *pnlBorderColor;
    QToolButton *cmdBorderColor;
    QCheckBox *chkBorderColorLight;
    ColorPanel *pnlBorderColorLight;
    QToolButton *cmdBorderColorLight;
    QCheckBox *chkBorderColorDark;
    ColorPanel *pnlBorderColorDark;
    QToolButton *cmdBorderColorDark;
    QCheckBox *chkTVAlign;
    QComboBox *cboTVAlign;

    // ﾃﾞｰﾀ
    HyoGrid *Hyo;

protected:
    void checkAtOk() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makeBasicPage();
    QWidget *makeExtendedPage();
    QToolButton *makeColorButton(QWidget *parent, const char *name, ColorPanel *panel);
    // The grid takes the size in the row and column fields, or, when one of
    // them is not a whole number, says so and keeps its size.
    void sizeGridToFields();
    // The texts of the first rows × cols cells, row-major.
    QStringList gridTexts(int rows, int cols) const;

    StandardColorDialog m_colorDialog;
    bool m_sizingGrid = false;
};
