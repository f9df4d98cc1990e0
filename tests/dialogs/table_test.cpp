#include "dialogs/text/table_command.h"
#include "dialogs/text/table_dialog.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QString row(const QString &cells)
{
    return u"<TR>"_s + cells + u"</TR>\r\n"_s;
}

QString emptyDataRows(int rows, int cols)
{
    return row(u"<TD></TD>"_s.repeated(cols)).repeated(rows);
}

class TableDialogTest : public DialogFixture
{
protected:
    TfrmHyo &dlg = attributeDialog<TfrmHyo>();

    ~TableDialogTest() override { dlg.hide(); }

    QList<QCheckBox *> checkBoxes() const
    {
        return {dlg.chkPos, dlg.chkFixedRows, dlg.chkFixedCols, dlg.chkBorder,
                dlg.chkCellSpacing, dlg.chkCellPadding, dlg.chkWidth, dlg.chkHeight,
                dlg.chkCaption, dlg.chkBackGround, dlg.chkBackColor, dlg.chkBorderColor,
                dlg.chkBorderColorLight, dlg.chkBorderColorDark, dlg.chkTVAlign};
    }
    QList<QLineEdit *> emptiedFields() const
    {
        return {dlg.txtFixedRows, dlg.txtFixedCols, dlg.txtBorder, dlg.txtCellSpacing,
                dlg.txtCellPadding, dlg.txtWidth, dlg.txtHeight, dlg.txtCaption,
                dlg.txtFilename};
    }
    QList<QComboBox *> lists() const
    {
        return {dlg.cboPos, dlg.cboTaniW, dlg.cboTaniH, dlg.cboValign, dlg.cboCaptionPos,
                dlg.cboTVAlign};
    }
    QList<ColorPanel *> panels() const
    {
        return {dlg.pnlBackColor, dlg.pnlBorderColor, dlg.pnlBorderColorLight,
                dlg.pnlBorderColorDark};
    }

    // Shown and active, as after run(), without a modal loop.
    void showActive()
    {
        dlg.reset();
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }

    // Puts the focus on `field` first, so setting the texts leaves nothing else.
    void leaveWithTab(QLineEdit *field, const QString &rows, const QString &cols)
    {
        field->setFocus();
        ASSERT_TRUE(field->hasFocus());
        dlg.txtRows->setText(rows);
        dlg.txtCols->setText(cols);
        QTest::keyClick(field, Qt::Key_Tab);
        ASSERT_FALSE(field->hasFocus());
    }

    QSize gridSize() const { return {dlg.Hyo->columnCount(), dlg.Hyo->rowCount()}; }
    QModelIndex at(int r, int c) const { return dlg.Hyo->model()->index(r, c); }
};

TEST_F(TableDialogTest, ControlsWithoutCaptionsAreNamedForAssistiveTechnology)
{
    const struct {
        QWidget *control;
        const char *name;
        const char16_t *description;
    } rows[] = {
        {dlg.txtRows, "txtRows", u"行数"},
        {dlg.txtCols, "txtCols", u"列数"},
        {dlg.Hyo, "Hyo", u""},
        {dlg.pnlBorderColorLight, "pnlBorderColorLight", u"表の枠線の色１"},
        {dlg.cmdBackGround, "cmdBackGround", u""},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(r.control->accessibleName(), QString::fromLatin1(r.name));
        EXPECT_EQ(r.control->accessibleDescription(), QString::fromUtf16(r.description)) << r.name;
    }
}

TEST_F(TableDialogTest, EveryShowStartsFromTheSameState)
{
    for (QCheckBox *box : checkBoxes())
        box->setChecked(true);
    for (QLineEdit *field : emptiedFields())
        field->setText(u"7"_s);
    for (QComboBox *list : lists())
        list->setCurrentIndex(list->count() - 1);
    for (ColorPanel *panel : panels())
        panel->setColor(Qt::red);
    dlg.txtRows->setText(u"2"_s);
    dlg.txtCols->setText(u"3"_s);
    dlg.Hyo->setRowCount(2);
    dlg.Hyo->setColumnCount(3);
    dlg.PageControl->setCurrentIndex(2);
    dlg.Hyo->setFocus();

    dlg.reset();

    EXPECT_EQ(dlg.PageControl->currentIndex(), 0);
    EXPECT_EQ(dlg.txtRows->text(), u"5"_s);
    EXPECT_EQ(dlg.txtCols->text(), u"5"_s);
    for (QCheckBox *box : checkBoxes())
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    for (QLineEdit *field : emptiedFields()) {
        EXPECT_EQ(field->text(), QString()) << field->objectName().toStdString();
        EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
    }
    for (QComboBox *list : lists()) {
        EXPECT_EQ(list->currentIndex(), 0) << list->objectName().toStdString();
        EXPECT_FALSE(list->isEnabled()) << list->objectName().toStdString();
    }
    for (ColorPanel *panel : panels()) {
        EXPECT_EQ(panel->color(), QColor(Qt::white)) << panel->objectName().toStdString();
        EXPECT_FALSE(panel->isEnabled()) << panel->objectName().toStdString();
    }
    for (QWidget *other : std::initializer_list<QWidget *>{
                 dlg.cmdBackGround, dlg.cmdBackColor, dlg.cmdBorderColor,
                 dlg.cmdBorderColorLight, dlg.cmdBorderColorDark, dlg.lblCaption1,
                 dlg.lblCaption2, dlg.lblCaption3})
        EXPECT_FALSE(other->isEnabled()) << other->objectName().toStdString();
    EXPECT_TRUE(dlg.txtRows->isEnabled());
    EXPECT_TRUE(dlg.txtCols->isEnabled());
    EXPECT_EQ(gridSize(), QSize(5, 5));
    EXPECT_EQ(dlg.focusWidget(), dlg.txtRows);
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(TableDialogTest, EachBoxEnablesItsOwnControls)
{
    dlg.reset();
    const struct {
        QCheckBox *box;
        QList<QWidget *> controls;
    } rows[] = {
        {dlg.chkPos, {dlg.cboPos}},
        {dlg.chkFixedRows, {dlg.txtFixedRows}},
        {dlg.chkFixedCols, {dlg.txtFixedCols}},
        {dlg.chkBorder, {dlg.txtBorder}},
        {dlg.chkCellSpacing, {dlg.txtCellSpacing}},
        {dlg.chkCellPadding, {dlg.txtCellPadding}},
        {dlg.chkWidth, {dlg.txtWidth, dlg.cboTaniW}},
        {dlg.chkHeight, {dlg.txtHeight, dlg.cboTaniH}},
        {dlg.chkCaption, {dlg.txtCaption, dlg.cboValign, dlg.cboCaptionPos, dlg.lblCaption1,
                          dlg.lblCaption2, dlg.lblCaption3}},
        {dlg.chkBackGround, {dlg.txtFilename, dlg.cmdBackGround}},
        {dlg.chkBackColor, {dlg.pnlBackColor, dlg.cmdBackColor}},
        {dlg.chkBorderColor, {dlg.pnlBorderColor, dlg.cmdBorderColor}},
        {dlg.chkBorderColorLight, {dlg.pnlBorderColorLight, dlg.cmdBorderColorLight}},
        {dlg.chkBorderColorDark, {dlg.pnlBorderColorDark, dlg.cmdBorderColorDark}},
        {dlg.chkTVAlign, {dlg.cboTVAlign}},
    };
    for (const auto &r : rows) {
        const std::string name = r.box->objectName().toStdString();
        r.box->click();
        for (QWidget *control : r.controls)
            EXPECT_TRUE(control->isEnabled()) << name << " " << control->objectName().toStdString();
        // Nothing else came on with it.
        int enabled = 0;
        for (const auto &other : rows) {
            for (QWidget *control : other.controls)
                enabled += control->isEnabled() ? 1 : 0;
        }
        EXPECT_EQ(enabled, r.controls.size()) << name;
        r.box->click();
        for (QWidget *control : r.controls)
            EXPECT_FALSE(control->isEnabled()) << name << " " << control->objectName().toStdString();
    }
}

TEST_F(TableDialogTest, BackgroundPictureAndColourExcludeEachOther)
{
    dlg.reset();
    dlg.chkBackGround->click();
    dlg.chkBackColor->click();
    EXPECT_TRUE(dlg.chkBackColor->isChecked());
    EXPECT_FALSE(dlg.chkBackGround->isChecked());
    EXPECT_TRUE(dlg.cmdBackColor->isEnabled());
    EXPECT_FALSE(dlg.txtFilename->isEnabled());
    EXPECT_FALSE(dlg.cmdBackGround->isEnabled());

    dlg.chkBackGround->click();
    EXPECT_TRUE(dlg.chkBackGround->isChecked());
    EXPECT_FALSE(dlg.chkBackColor->isChecked());
    EXPECT_TRUE(dlg.txtFilename->isEnabled());
    EXPECT_FALSE(dlg.pnlBackColor->isEnabled());
    EXPECT_FALSE(dlg.cmdBackColor->isEnabled());

    // Unchecking one does not bring the other back.
    dlg.chkBackGround->click();
    EXPECT_FALSE(dlg.chkBackGround->isChecked());
    EXPECT_FALSE(dlg.chkBackColor->isChecked());

    dlg.chkBackColor->click();
    dlg.txtFilename->setText(u"x.gif"_s);
    dlg.OKBtn->click();
    const TableOptions o = dlg.options();
    EXPECT_TRUE(o.backColor);
    EXPECT_FALSE(o.background);
}

TEST_F(TableDialogTest, LeavingASizeFieldSizesTheGrid)
{
    showActive();
    const struct {
        QLineEdit *field;
        const char16_t *text;
        QSize size;  // columns × rows
    } rows[] = {
        {dlg.txtRows, u"3", {5, 3}},
        {dlg.txtCols, u"2", {2, 3}},
        {dlg.txtRows, u"0", {2, 1}},
        {dlg.txtCols, u"-4", {1, 1}},
        {dlg.txtRows, u" 12", {1, 12}},
        {dlg.txtCols, u"$A", {10, 12}},
        {dlg.txtRows, u"+7", {10, 7}},
        {dlg.txtRows, u"2147483647", {10, HyoGrid::maxRows}},
        {dlg.txtCols, u"99999", {HyoGrid::maxCols, HyoGrid::maxRows}},
    };
    for (const auto &r : rows) {
        const QString text = QString::fromUtf16(r.text);
        leaveWithTab(r.field, r.field == dlg.txtRows ? text : dlg.txtRows->text(),
                     r.field == dlg.txtCols ? text : dlg.txtCols->text());
        EXPECT_EQ(gridSize(), r.size) << r.field->objectName().toStdString() << " "
                                      << QString::fromUtf16(r.text).toStdString();
    }
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(TableDialogTest, NotAWholeNumberIsReportedAndTheGridKeepsItsSize)
{
    showActive();
    leaveWithTab(dlg.txtRows, u"3"_s, u"4"_s);
    ASSERT_EQ(gridSize(), QSize(4, 3));

    const struct {
        QLineEdit *leaving;
        const char16_t *rows;
        const char16_t *cols;
        const char16_t *message;
    } rows[] = {
        {dlg.txtRows, u"abc", u"4", u"'abc' は整数ではありません"},
        {dlg.txtRows, u"", u"4", u"'' は整数ではありません"},
        {dlg.txtCols, u"6", u"2.5", u"'2.5' は整数ではありません"},
        {dlg.txtCols, u"6", u"7 ", u"'7 ' は整数ではありません"},
        {dlg.txtRows, u"2147483648", u"4", u"'2147483648' は整数ではありません"},
        // The columns are read first; neither count changes.
        {dlg.txtRows, u"x", u"y", u"'y' は整数ではありません"},
        {dlg.txtCols, u"９", u"1", u"'９' は整数ではありません"},
    };
    for (const auto &r : rows) {
        // Valid sizes first, so going to the field asks nothing.
        leaveWithTab(r.leaving, u"3"_s, u"4"_s);
        fake.messages.clear();
        leaveWithTab(r.leaving, QString::fromUtf16(r.rows), QString::fromUtf16(r.cols));
        ASSERT_EQ(fake.messages.size(), 1) << QString::fromUtf16(r.message).toStdString();
        EXPECT_EQ(fake.messages[0].kind, MessageKind::Warning);
        EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(fake.messages[0].text, QString::fromUtf16(r.message));
        EXPECT_EQ(gridSize(), QSize(4, 3));
    }
}

// A message box that is a real window: while it is up the dialog loses the
// focus, and it gets it back when the box closes.
class WindowedMessages final : public Platform
{
public:
    explicit WindowedMessages(FakePlatform &fake)
        : m_fake(fake)
    {
        setPlatform(this);
    }
    ~WindowedMessages() override { setPlatform(&m_fake); }

    Answer message(QWidget *parent, MessageKind kind, const QString &text, MessageButtons buttons,
                   const QString &title) override
    {
        QWidget box;
        box.setWindowTitle(text);
        box.show();
        box.activateWindow();
        boxActive = QTest::qWaitForWindowActive(&box) && boxActive;
        box.hide();
        if (parent) {
            parent->window()->activateWindow();
            boxActive = QTest::qWaitForWindowActive(parent->window()) && boxActive;
        }
        return m_fake.message(parent, kind, text, buttons, title);
    }
    std::optional<QString> openFileName(QWidget *p, const QString &f, const QString &n) override
    {
        return m_fake.openFileName(p, f, n);
    }
    std::optional<QString> saveFileName(QWidget *p, const QString &f, const QString &n,
                                        const QString &d) override
    {
        return m_fake.saveFileName(p, f, n, d);
    }
    std::optional<QFont> chooseFont(QWidget *p, const QFont &f) override
    {
        return m_fake.chooseFont(p, f);
    }
    std::optional<QColor> chooseColor(QWidget *p, const QColor &c) override
    {
        return m_fake.chooseColor(p, c);
    }
    std::optional<QString> inputBox(QWidget *p, const InputBoxRequest &r) override
    {
        return m_fake.inputBox(p, r);
    }
    void showHelp(QWidget *p, const QString &f, int c) override { m_fake.showHelp(p, f, c); }
    bool startBrowser(const QString &b, const QString &d) override { return m_fake.startBrowser(b, d); }
    QString programFolder() const override { return m_fake.programFolder(); }
    QString configFilePath() const override { return m_fake.configFilePath(); }
    QString recoveryFolder() const override { return m_fake.recoveryFolder(); }

    bool boxActive = true;

private:
    FakePlatform &m_fake;
};

TEST_F(TableDialogTest, TheWarningTakingTheFocusDoesNotAskAgain)
{
    WindowedMessages windowed(fake);
    showActive();
    // Both fields bad: the box takes the focus from the second while the
    // first is being left, and gives it back after.
    leaveWithTab(dlg.txtRows, u"a"_s, u"b"_s);
    ASSERT_TRUE(windowed.boxActive);
    EXPECT_EQ(fake.messageTexts(), QStringList{u"'b' は整数ではありません"_s});
    EXPECT_TRUE(dlg.txtCols->hasFocus());
    EXPECT_EQ(gridSize(), QSize(5, 5));

    // Leaving the second field asks once more, for itself.
    leaveWithTab(dlg.txtCols, u"a"_s, u"b"_s);
    EXPECT_EQ(fake.messages.size(), 2);
}

TEST_F(TableDialogTest, AnotherWindowTakingTheFocusIsNotLeavingTheField)
{
    showActive();
    dlg.txtRows->setFocus();
    dlg.txtRows->setText(u"abc"_s);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    EXPECT_TRUE(dlg.txtRows->hasFocus());
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(TableDialogTest, OkDropsOptionsWhoseNumbersAreNotWhole)
{
    dlg.reset();
    const struct {
        QCheckBox *box;
        QLineEdit *field;
        bool checked;
        const char16_t *text;
        bool keptChecked;
        const char16_t *keptText;
    } rows[] = {
        {dlg.chkFixedRows, dlg.txtFixedRows, true, u"abc", false, u""},
        {dlg.chkFixedCols, dlg.txtFixedCols, true, u"", false, u""},
        {dlg.chkBorder, dlg.txtBorder, true, u" 3", true, u" 3"},
        {dlg.chkCellSpacing, dlg.txtCellSpacing, true, u"-2", true, u"-2"},
        {dlg.chkCellPadding, dlg.txtCellPadding, true, u"$1F", true, u"$1F"},
        {dlg.chkWidth, dlg.txtWidth, true, u"80%", false, u""},
        // The check runs whether or not the box is ticked.
        {dlg.chkHeight, dlg.txtHeight, false, u"1.5", false, u""},
    };
    for (const auto &r : rows) {
        r.box->setChecked(r.checked);
        r.field->setText(QString::fromUtf16(r.text));
    }
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    for (const auto &r : rows) {
        EXPECT_EQ(r.box->isChecked(), r.keptChecked) << r.field->objectName().toStdString();
        EXPECT_EQ(r.field->text(), QString::fromUtf16(r.keptText))
                << r.field->objectName().toStdString();
    }
    EXPECT_TRUE(fake.messages.isEmpty());

    const TableOptions o = dlg.options();
    EXPECT_FALSE(o.fixedRows);
    EXPECT_FALSE(o.width);
    EXPECT_EQ(o.borderValue, u" 3"_s);
    EXPECT_EQ(o.cellPaddingValue, u"$1F"_s);
}

TEST_F(TableDialogTest, HeadingCountsAreReadAsWholeNumbers)
{
    dlg.reset();
    dlg.chkFixedRows->click();
    dlg.txtFixedRows->setText(u"$2"_s);
    dlg.chkFixedCols->click();
    dlg.txtFixedCols->setText(u" -1"_s);
    dlg.OKBtn->click();
    const TableOptions o = dlg.options();
    EXPECT_TRUE(o.fixedRows);
    EXPECT_EQ(o.fixedRowsCount, 2);
    EXPECT_TRUE(o.fixedCols);
    EXPECT_EQ(o.fixedColsCount, -1);
}

TEST_F(TableDialogTest, OkAppliesSizesNotYetApplied)
{
    showActive();
    dlg.txtRows->setFocus();
    dlg.txtRows->selectAll();
    QTest::keyClicks(dlg.txtRows, u"3"_s);
    QTest::keyClick(dlg.txtRows, Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(gridSize(), QSize(5, 3));
    EXPECT_EQ(dlg.options().rows, 3);

    // At OK a size that is not a whole number becomes 1, without a message.
    dlg.reset();
    dlg.txtCols->setText(u"x"_s);
    dlg.txtRows->setText(u""_s);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.txtCols->text(), u"1"_s);
    EXPECT_EQ(dlg.txtRows->text(), u"1"_s);
    EXPECT_EQ(gridSize(), QSize(1, 1));
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(TableDialogTest, EscapeDoesNotClose)
{
    showActive();
    dlg.setResult(-1);
    QTest::keyClick(dlg.txtRows, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), -1);
    dlg.CancelBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(TableDialogTest, LeavingByCancelIsNeverChecked)
{
    showActive();
    dlg.txtRows->setFocus();
    dlg.txtRows->setText(u"abc"_s);
    QTest::mouseClick(dlg.CancelBtn, Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(fake.messageTexts(), QStringList());
}

TEST_F(TableDialogTest, GridRowsAreSixteenPixelsWithoutHeaders)
{
    dlg.reset();
    EXPECT_EQ(dlg.Hyo->rowHeight(0), 16);
    EXPECT_EQ(dlg.Hyo->rowHeight(4), 16);
    EXPECT_FALSE(dlg.Hyo->horizontalHeader()->isVisibleTo(dlg.Hyo));
    EXPECT_FALSE(dlg.Hyo->verticalHeader()->isVisibleTo(dlg.Hyo));
}

TEST_F(TableDialogTest, TabMovesFromCellToCellAndTextIsEditedInPlace)
{
    showActive();
    dlg.PageControl->setCurrentIndex(2);
    dlg.Hyo->setFocus();
    dlg.Hyo->setCurrentIndex(at(0, 0));

    QTest::keyClick(dlg.Hyo, Qt::Key_A);  // typing opens the cell's editor
    QWidget *editor = QApplication::focusWidget();
    ASSERT_NE(editor, dlg.Hyo);
    QTest::keyClicks(editor, u"b<&"_s);
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(dlg.Hyo->cell(0, 0), u"ab<&"_s);
    EXPECT_EQ(dlg.Hyo->currentIndex(), at(0, 1));
    QTest::keyClicks(QApplication::focusWidget(), u"q"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(dlg.Hyo->cell(0, 1), u"q"_s);
    EXPECT_EQ(dlg.Hyo->currentIndex(), at(0, 0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    ASSERT_TRUE(dlg.Hyo->hasFocus());
    EXPECT_EQ(dlg.Hyo->cell(0, 0), u"ab<&"_s);

    // Without an editor open: along the row, on to the next row, and out of
    // the grid after the last cell.
    dlg.Hyo->setCurrentIndex(at(0, 3));
    QTest::keyClick(dlg.Hyo, Qt::Key_Tab);
    EXPECT_EQ(dlg.Hyo->currentIndex(), at(0, 4));
    QTest::keyClick(dlg.Hyo, Qt::Key_Tab);
    EXPECT_EQ(dlg.Hyo->currentIndex(), at(1, 0));
    dlg.Hyo->setCurrentIndex(at(4, 4));
    QTest::keyClick(dlg.Hyo, Qt::Key_Tab);
    EXPECT_FALSE(dlg.Hyo->hasFocus());
    EXPECT_TRUE(dlg.isVisible());
}

TEST_F(TableDialogTest, ARangeOfCellsCanBeSelected)
{
    showActive();
    dlg.PageControl->setCurrentIndex(2);
    dlg.Hyo->setFocus();
    dlg.Hyo->setCurrentIndex(at(1, 1));
    QTest::keyClick(dlg.Hyo, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(dlg.Hyo, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(dlg.Hyo, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(dlg.Hyo->selectionModel()->selectedIndexes().size(), 6);
}

TEST_F(TableDialogTest, CellTextsAreKeptBetweenUsesAndThroughResizing)
{
    dlg.reset();
    dlg.Hyo->model()->setData(at(0, 0), u"a"_s);
    dlg.Hyo->model()->setData(at(4, 4), u"z"_s);
    dlg.OKBtn->click();

    dlg.reset();
    EXPECT_EQ(dlg.Hyo->cell(0, 0), u"a"_s);
    EXPECT_EQ(dlg.Hyo->cell(4, 4), u"z"_s);
    EXPECT_EQ(dlg.Hyo->model()->data(at(4, 4)).toString(), u"z"_s);

    // Made smaller and larger again, the grid shows the same texts.
    dlg.txtRows->setText(u"2"_s);
    dlg.txtCols->setText(u"2"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.options().cells, (QStringList{u"a"_s, {}, {}, {}}));
    dlg.reset();
    EXPECT_EQ(dlg.options().cells.at(24), u"z"_s);
}

TEST_F(TableDialogTest, ColourButtonsShareOneColourDialog)
{
    dlg.reset();
    dlg.chkBackColor->click();
    dlg.chkBorderColorDark->click();
    fake.colors = {QColor(1, 2, 3), std::nullopt, QColor(4, 5, 6)};
    dlg.cmdBackColor->click();
    dlg.cmdBorderColorDark->click();  // cancelled
    dlg.cmdBorderColorDark->click();
    EXPECT_EQ(fake.colorRequests,
              (QList<QColor>{Qt::black, QColor(1, 2, 3), QColor(1, 2, 3)}));
    EXPECT_EQ(dlg.pnlBackColor->color(), QColor(1, 2, 3));
    EXPECT_EQ(dlg.pnlBorderColorDark->color(), QColor(4, 5, 6));
    EXPECT_EQ(dlg.pnlBorderColor->color(), QColor(Qt::white));

    // Every show makes the displays white again; the colour dialog still
    // opens on the last colour confirmed.
    dlg.reset();
    EXPECT_EQ(dlg.pnlBackColor->color(), QColor(Qt::white));
    dlg.chkBorderColor->click();
    dlg.cmdBorderColor->click();
    EXPECT_EQ(fake.colorRequests.value(3), QColor(4, 5, 6));
}

TEST_F(TableDialogTest, BrowseWritesTheLowerCasedBareName)
{
    dlg.reset();
    dlg.chkBackGround->click();
    dlg.txtFilename->setText(u"old.gif"_s);
    dlg.cmdBackGround->click();  // cancelled
    EXPECT_EQ(dlg.txtFilename->text(), u"old.gif"_s);
    fake.openNames = {u"/home/user/サイト/Images/Tile ＡＢ.GIF"_s};
    dlg.cmdBackGround->click();
    EXPECT_EQ(dlg.txtFilename->text(), u"tile ａｂ.gif"_s);
    ASSERT_EQ(fake.openRequests.size(), 2);
    EXPECT_EQ(fake.openRequests[1].filter, u"GIFﾌｧｲﾙ(*.GIF)|*.GIF|PNGﾌｧｲﾙ(*.PNG)|*.PNG|WebPﾌｧｲﾙ(*.WEBP)|*.WEBP|SVGﾌｧｲﾙ(*.SVG)|*.SVG|全てのﾌｧｲﾙ(*.*)|*.*"_s);
}

TEST_F(TableDialogTest, TheKeyboardReachesEveryControl)
{
    showActive();
    for (QCheckBox *box : checkBoxes()) {
        if (box != dlg.chkBackColor)
            box->setChecked(true);
    }
    // Tab from txtRows round the whole dialog, through every page.
    QSet<QWidget *> reached;
    for (int page = 0; page < 3; ++page) {
        dlg.PageControl->setCurrentIndex(page);
        QWidget *start[] = {dlg.chkPos, dlg.chkBackGround, dlg.Hyo};
        start[page]->setFocus();
        for (int i = 0; i < 40; ++i) {
            reached.insert(QApplication::focusWidget());
            // The background colour shuts the picture's controls: walk both.
            if (page == 1 && i == 20)
                dlg.chkBackColor->setChecked(true);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }
    const QList<QWidget *> controls = {
        dlg.chkPos, dlg.cboPos, dlg.txtRows, dlg.txtCols, dlg.chkFixedRows, dlg.txtFixedRows,
        dlg.chkFixedCols, dlg.txtFixedCols, dlg.chkBorder, dlg.txtBorder, dlg.chkCellSpacing,
        dlg.txtCellSpacing, dlg.chkCellPadding, dlg.txtCellPadding, dlg.chkWidth, dlg.txtWidth,
        dlg.cboTaniW, dlg.chkHeight, dlg.txtHeight, dlg.cboTaniH, dlg.chkCaption,
        dlg.txtCaption, dlg.cboValign, dlg.cboCaptionPos, dlg.chkBackGround, dlg.txtFilename,
        dlg.cmdBackGround, dlg.chkBackColor, dlg.cmdBackColor, dlg.chkBorderColor,
        dlg.cmdBorderColor, dlg.chkBorderColorLight, dlg.cmdBorderColorLight,
        dlg.chkBorderColorDark, dlg.cmdBorderColorDark, dlg.chkTVAlign, dlg.cboTVAlign, dlg.Hyo,
        dlg.OKBtn, dlg.CancelBtn,
    };
    for (QWidget *control : controls)
        EXPECT_TRUE(reached.contains(control)) << control->objectName().toStdString();
}

// --- the command ------------------------------------------------------------

class TableCommandTest : public DialogFixture
{
protected:
    static void fill(TfrmHyo &dlg, const QStringList &texts)
    {
        QAbstractItemModel *model = dlg.Hyo->model();
        for (qsizetype i = 0; i < texts.size(); ++i)
            model->setData(model->index(int(i / model->columnCount()),
                                        int(i % model->columnCount())),
                           texts[i]);
    }
    static void setSize(TfrmHyo &dlg, int rows, int cols)
    {
        dlg.txtRows->setText(QString::number(rows));
        dlg.txtCols->setText(QString::number(cols));
        dlg.Hyo->setRowCount(rows);
        dlg.Hyo->setColumnCount(cols);
    }
};

const QString exampleTable = u"<TABLE BORDER=\"1\">\r\n"
                             u"<CAPTION VALIGN=top ALIGN=center>T</CAPTION>\r\n"
                             u"<TR><TH>a</TH><TH>b</TH></TR>\r\n"
                             u"<TR><TD>c</TD><TD>d</TD></TR>\r\n"
                             u"</TABLE>"_s;

TEST_F(TableCommandTest, TheExampleGoesInFrontOfTheSelection)
{
    setText(u"abc\r\nXYZ def"_s);
    selectText(u"XYZ"_s);
    whenShown<TfrmHyo>([](TfrmHyo &dlg) {
        setSize(dlg, 2, 2);
        fill(dlg, {u"a"_s, u"b"_s, u"c"_s, u"d"_s});
        dlg.chkBorder->click();
        dlg.txtBorder->setText(u"1"_s);
        dlg.chkFixedCols->click();
        dlg.txtFixedCols->setText(u"1"_s);
        dlg.chkCaption->click();
        dlg.txtCaption->setText(u"T"_s);
        dlg.cboValign->setCurrentIndex(1);
        dlg.OKBtn->click();
    });
    HyoCreateClick(*doc, nullptr);
    EXPECT_EQ(text(), u"abc\r\n"_s + exampleTable + u"XYZ def"_s);
    EXPECT_EQ(selected(), QString());
    EXPECT_EQ(caret(), int(QString(u"abc\n"_s + exampleTable).remove(u'\r').size()));
    EXPECT_TRUE(doc->isModified());

    // Each line went in on its own: Undo takes back only the last one.
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"abc\r\n"_s + exampleTable.chopped(8) + u"XYZ def"_s);
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"abc\r\n"_s + exampleTable + u"XYZ def"_s);
}

TEST_F(TableCommandTest, ConfirmedAtOnceTheFirstTimeItIsFiveByFiveEmptyCells)
{
    setText(QString());
    whenShown<TfrmHyo>([](TfrmHyo &dlg) { dlg.OKBtn->click(); });
    HyoCreateClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<TABLE>\r\n"_s + emptyDataRows(5, 5) + u"</TABLE>"_s);
    EXPECT_EQ(doc->StartTag, u"</TABLE>"_s);
}

TEST_F(TableCommandTest, CancelWritesNothing)
{
    setText(u"abc"_s);
    doc->StartTag = u"<X>"_s;
    whenShown<TfrmHyo>([](TfrmHyo &dlg) {
        dlg.chkBorder->click();
        dlg.CancelBtn->click();
    });
    HyoCreateClick(*doc, nullptr);
    EXPECT_EQ(text(), u"abc"_s);
    EXPECT_EQ(doc->StartTag, u"<X>"_s);
    EXPECT_FALSE(doc->isModified());
}

TEST_F(TableCommandTest, TypingARowCountAndClickingOkWritesThatManyRows)
{
    setText(QString());
    whenShown<TfrmHyo>([](TfrmHyo &dlg) {
        dlg.txtRows->setFocus();
        dlg.txtRows->setText(u"3"_s);
        QTest::mouseClick(dlg.OKBtn, Qt::LeftButton);
    });
    HyoCreateClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<TABLE>\r\n"_s + emptyDataRows(3, 5) + u"</TABLE>"_s);
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(TableCommandTest, CellTextsComeBackTheNextTime)
{
    setText(QString());
    whenShown<TfrmHyo>([](TfrmHyo &dlg) {
        setSize(dlg, 1, 2);
        fill(dlg, {u"x<y"_s, u"&"_s});
        dlg.OKBtn->click();
    });
    HyoCreateClick(*doc, nullptr);
    setText(QString());
    whenShown<TfrmHyo>([](TfrmHyo &dlg) {
        dlg.txtRows->setText(u"1"_s);
        dlg.txtCols->setText(u"3"_s);
        dlg.OKBtn->click();
    });
    HyoCreateClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<TABLE>\r\n<TR><TD>x<y</TD><TD>&</TD><TD></TD></TR>\r\n</TABLE>"_s);
}

TEST_F(TableCommandTest, EachColourButtonReachesTheMarkup)
{
    setText(QString());
    fake.colors = {QColor(0xFF, 0, 0), QColor(0, 0x80, 0), QColor(0x12, 0x34, 0x56),
                   QColor(0, 0, 0x80)};
    whenShown<TfrmHyo>([](TfrmHyo &dlg) {
        setSize(dlg, 1, 1);
        for (QCheckBox *box : {dlg.chkBackColor, dlg.chkBorderColor, dlg.chkBorderColorLight,
                               dlg.chkBorderColorDark})
            box->click();
        for (QToolButton *button : {dlg.cmdBackColor, dlg.cmdBorderColor,
                                    dlg.cmdBorderColorLight, dlg.cmdBorderColorDark})
            QTest::mouseClick(button, Qt::LeftButton);
        dlg.OKBtn->click();
    });
    HyoCreateClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<TABLE BACKCOLOR=#FF0000 BORDERCOLOR=#008000 BORDERCOLORLIGHT=\"123456\""
                      u" BORDERCOLORDARK=\"000080\">\r\n<TR><TD></TD></TR>\r\n</TABLE>"_s);
}

TEST_F(TableCommandTest, BrowsedBackgroundIsWrittenLowerCased)
{
    setText(QString());
    fake.openNames = {u"/home/user/Site/Images/Tile.GIF"_s};
    whenShown<TfrmHyo>([](TfrmHyo &dlg) {
        setSize(dlg, 1, 1);
        dlg.chkBackGround->click();
        QTest::mouseClick(dlg.cmdBackGround, Qt::LeftButton);
        dlg.chkTVAlign->click();
        dlg.cboTVAlign->setCurrentIndex(2);
        dlg.chkWidth->click();
        dlg.txtWidth->setText(u"80"_s);
        dlg.cboTaniW->setCurrentIndex(1);
        dlg.OKBtn->click();
    });
    HyoCreateClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<TABLE BACKGROUND=\"tile.gif\" VALIGN=bottom WIDTH=\"80%\">\r\n"
                      u"<TR><TD></TD></TR>\r\n</TABLE>"_s);
}

TEST_F(TableCommandTest, BothHeadingOptionsAndABottomCaption)
{
    setText(u"end"_s);
    whenShown<TfrmHyo>([](TfrmHyo &dlg) {
        setSize(dlg, 3, 3);
        fill(dlg, {u""_s, u"x"_s, u"y"_s, u"1"_s, u"a"_s, u"b"_s, u"2"_s, u"c"_s, u"d"_s});
        dlg.chkFixedRows->click();
        dlg.txtFixedRows->setText(u"1"_s);
        dlg.chkFixedCols->click();
        dlg.txtFixedCols->setText(u"1"_s);
        dlg.chkCaption->click();
        dlg.txtCaption->setText(u"表"_s);
        dlg.cboCaptionPos->setCurrentIndex(1);
        dlg.cboValign->setCurrentIndex(2);
        dlg.chkPos->click();
        dlg.cboPos->setCurrentIndex(2);
        dlg.OKBtn->click();
    });
    HyoCreateClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<TABLE ALIGN=right>\r\n"
                      u"<CAPTION VALIGN=bottom ALIGN=right>表</CAPTION>\r\n"
                      u"<TR><TH></TH><TH>x</TH><TH>y</TH></TR>\r\n"
                      u"<TR><TH>1</TH><TD>a</TD><TD>b</TD></TR>\r\n"
                      u"<TR><TH>2</TH><TD>c</TD><TD>d</TD></TR>\r\n"
                      u"</TABLE>end"_s);
}

} // namespace
