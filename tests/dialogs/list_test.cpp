#include "dialogs/text/list_command.h"
#include "dialogs/text/list_dialog.h"
#include "dialogs/text/list_tag.h"
#include "support/dialog_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// --- builders ---------------------------------------------------------------

const char16_t *const fruits = u"apple\r\nbanana\r\ncherry";

struct ListRow {
    const char *what;
    TagTexts (*build)(const QString &);
    const char16_t *selection;
    const char16_t *expected;
};

TagTexts disk(const QString &s) { return bulletedList(s, u"disk"_s); }
TagTexts square(const QString &s) { return bulletedList(s, u"square"_s); }
TagTexts circle(const QString &s) { return bulletedList(s, u"circle"_s); }
TagTexts romanFrom3(const QString &s) { return numberedList(s, {u"I"_s, u"3"_s}); }
TagTexts defaultNumbers(const QString &s) { return numberedList(s, {u"A"_s, u"1"_s}); }

void expectRows(std::initializer_list<ListRow> rows)
{
    for (const ListRow &row : rows) {
        const TagTexts list = row.build(QString::fromUtf16(row.selection));
        EXPECT_EQ(list.start, QString::fromUtf16(row.expected)) << row.what;
        EXPECT_EQ(list.end, QString()) << row.what;
    }
}

TEST(ListTag, ThreeLinesInEveryKindOfList)
{
    expectRows({
        {"bulleted", disk, fruits,
         u"<UL>\r\n<LI TYPE=disk>apple\r\n<LI>banana\r\n<LI>cherry\r\n</UL>\r\n"},
        {"numbered", romanFrom3, fruits,
         u"<OL>\r\n<LI TYPE=I START=3>apple\r\n<LI>banana\r\n<LI>cherry\r\n</OL>\r\n"},
        {"definition", definitionList, fruits,
         u"<DL>\r\n<DT>apple\r\n<DD>banana\r\n<DT>cherry\r\n</DL>\r\n"},
    });
}

TEST(ListTag, NoSelectionGivesSkeletons)
{
    expectRows({
        {"bulleted", disk, u"", u"<UL>\r\n<LI TYPE=disk>\r\n<LI>\r\n<LI>\r\n</UL>\r\n"},
        {"numbered", defaultNumbers, u"", u"<OL>\r\n<LI TYPE=A START=1>\r\n<LI>\r\n<LI>\r\n</OL>\r\n"},
        {"definition", definitionList, u"", u"<DL>\r\n<DT>\r\n<DD>\r\n<DT>\r\n<DD>\r\n</DL>\r\n"},
    });
}

TEST(ListTag, LinesAndLineEnds)
{
    expectRows({
        {"one line without end", disk, u"word", u"<UL>\r\n<LI TYPE=disk>word\r\n</UL>\r\n"},
        {"ends with CR LF", disk, u"apple\r\nbanana\r\n",
         u"<UL>\r\n<LI TYPE=disk>apple\r\n<LI>banana\r\n</UL>\r\n"},
        {"empty line inside", disk, u"apple\r\n\r\ncherry",
         u"<UL>\r\n<LI TYPE=disk>apple\r\n<LI>\r\n<LI>cherry\r\n</UL>\r\n"},
        {"empty last line", disk, u"apple\r\n\r\n",
         u"<UL>\r\n<LI TYPE=disk>apple\r\n<LI>\r\n</UL>\r\n"},
        {"only a line end", disk, u"\r\n", u"<UL>\r\n<LI TYPE=disk>\r\n</UL>\r\n"},
        {"first line empty", romanFrom3, u"\r\nx",
         u"<OL>\r\n<LI TYPE=I START=3>\r\n<LI>x\r\n</OL>\r\n"},
        {"lone LF ends a line", disk, u"a\nb", u"<UL>\r\n<LI TYPE=disk>a\r\n<LI>b\r\n</UL>\r\n"},
        {"lone CR ends a line", disk, u"a\rb\r", u"<UL>\r\n<LI TYPE=disk>a\r\n<LI>b\r\n</UL>\r\n"},
        {"CR before CR LF", disk, u"a\r\r\nb",
         u"<UL>\r\n<LI TYPE=disk>a\r\n<LI>\r\n<LI>b\r\n</UL>\r\n"},
        {"LF before CR", definitionList, u"a\n\rb", u"<DL>\r\n<DT>a\r\n<DD>\r\n<DT>b\r\n</DL>\r\n"},
    });
}

TEST(ListTag, DefinitionTermsAndDefinitionsTakeTurns)
{
    expectRows({
        {"one line", definitionList, u"term", u"<DL>\r\n<DT>term\r\n</DL>\r\n"},
        {"two lines ending CR LF", definitionList, u"t\r\nd\r\n", u"<DL>\r\n<DT>t\r\n<DD>d\r\n</DL>\r\n"},
        {"four lines", definitionList, u"t1\r\nd1\r\nt2\r\nd2",
         u"<DL>\r\n<DT>t1\r\n<DD>d1\r\n<DT>t2\r\n<DD>d2\r\n</DL>\r\n"},
        {"empty line is a definition", definitionList, u"t\r\n\r\nu",
         u"<DL>\r\n<DT>t\r\n<DD>\r\n<DT>u\r\n</DL>\r\n"},
        {"only a line end", definitionList, u"\r\n", u"<DL>\r\n<DT>\r\n</DL>\r\n"},
    });
}

TEST(ListTag, ItemTextIsKeptVerbatim)
{
    expectRows({
        {"Japanese, markup, blanks", square, u"  <B>りんご</B> & \"赤\" \r\n\tみかん\t",
         u"<UL>\r\n<LI TYPE=square>  <B>りんご</B> & \"赤\" \r\n<LI>\tみかん\t\r\n</UL>\r\n"},
        {"half-width kana", circle, u"ﾘﾝｺﾞ", u"<UL>\r\n<LI TYPE=circle>ﾘﾝｺﾞ\r\n</UL>\r\n"},
    });
}

TEST(ListTag, MarkAndNumberTypesStandOnTheFirstItemOnly)
{
    for (const char *mark : {"square", "disk", "circle"}) {
        EXPECT_EQ(bulletedList(u"x\r\ny"_s, QString::fromLatin1(mark)).start,
                  u"<UL>\r\n<LI TYPE=%1>x\r\n<LI>y\r\n</UL>\r\n"_s.arg(QString::fromLatin1(mark)));
    }
    const struct {
        const char *type;
        const char16_t *start;
    } numbers[] = {{"A", u"1"}, {"a", u"1"}, {"I", u"1"}, {"i", u"10"}, {"1", u"0"},
                   {"1", u" 5"}, {"A", u"$A"}, {"i", u"-2"}, {"a", u"+7"}};
    for (const auto &n : numbers) {
        const QString type = QString::fromLatin1(n.type);
        const QString start = QString::fromUtf16(n.start);
        EXPECT_EQ(numberedList(u"x\r\ny"_s, {type, start}).start,
                  u"<OL>\r\n<LI TYPE="_s + type + u" START="_s + start
                          + u">x\r\n<LI>y\r\n</OL>\r\n"_s)
                << n.type << " " << start.toStdString();
    }
}

// --- dialogs ----------------------------------------------------------------

QRadioButton *radio(QWidget &dialog, const QString &caption)
{
    for (QRadioButton *button : dialog.findChildren<QRadioButton *>()) {
        if (button->text() == caption)
            return button;
    }
    ADD_FAILURE() << "no radio button " << caption.toStdString();
    return nullptr;
}

class ListDialogTest : public DialogFixture
{
};

TEST_F(ListDialogTest, MarkListStartsOnDiskAndEveryButtonGivesItsType)
{
    TfrmMarkList &dlg = attributeDialog<TfrmMarkList>();
    EXPECT_EQ(dlg.windowTitle(), u"マーク付きリスト"_s);
    ASSERT_NE(dlg.findChild<QLabel *>(), nullptr);
    EXPECT_EQ(dlg.findChild<QLabel *>()->text(), u"ﾏｰｸの種類"_s);
    const struct {
        const char16_t *caption;
        const char16_t *type;
    } rows[] = {{u"四角(square)", u"square"}, {u"黒丸(disk)", u"disk"}, {u"白丸(circle)", u"circle"}};
    for (const auto &row : rows) {
        dlg.reset();
        EXPECT_TRUE(dlg.optDisk->isChecked());
        EXPECT_EQ(dlg.options().markType, u"disk"_s);
        EXPECT_EQ(dlg.focusWidget(), dlg.optDisk);
        QRadioButton *button = radio(dlg, QString::fromUtf16(row.caption));
        ASSERT_NE(button, nullptr);
        button->click();
        dlg.OKBtn->click();
        EXPECT_EQ(dlg.options().markType, QString::fromUtf16(row.type));
    }
}

TEST_F(ListDialogTest, ArrowKeysChooseTheMarkTypeToo)
{
    TfrmMarkList &dlg = attributeDialog<TfrmMarkList>();
    dlg.reset();
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.optDisk->setFocus();
    QTest::keyClick(dlg.optDisk, Qt::Key_Down);
    EXPECT_TRUE(dlg.optCircle->isChecked());
    EXPECT_EQ(dlg.options().markType, u"circle"_s);
    QTest::keyClick(dlg.optCircle, Qt::Key_Up);
    QTest::keyClick(dlg.optDisk, Qt::Key_Up);
    EXPECT_EQ(dlg.options().markType, u"square"_s);
    dlg.hide();
}

// The colour at the centre and at a corner of a sample drawn at `scale`.
QPair<QColor, QColor> samplePixels(MarkSample *sample, qreal scale)
{
    const QSize size = sample->sizeHint();
    sample->resize(size);
    QImage image(size * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    sample->render(&image, {}, {}, QWidget::RenderFlags());
    return {image.pixelColor(image.width() / 2, image.height() / 2), image.pixelColor(0, 0)};
}

TEST_F(ListDialogTest, SamplesShowTheirMarksAtAnyScale)
{
    TfrmMarkList &dlg = attributeDialog<TfrmMarkList>();
    const struct {
        MarkSample *sample;
        const char *name;
        const char16_t *beside;
        QColor centre;
        QColor corner;
    } rows[] = {
        {dlg.shpSquare, "shpSquare", u"四角(square)", Qt::black, Qt::black},
        {dlg.shpDisk, "shpDisk", u"黒丸(disk)", Qt::black, Qt::transparent},
        {dlg.shpCircle, "shpCircle", u"白丸(circle)", Qt::white, Qt::transparent},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.sample->accessibleName(), QString::fromLatin1(row.name));
        EXPECT_EQ(row.sample->accessibleDescription(), QString::fromUtf16(row.beside));
        for (qreal scale : {1.0, 2.0}) {
            const auto [centre, corner] = samplePixels(row.sample, scale);
            EXPECT_EQ(centre.rgba(), row.centre.rgba()) << row.name << " at " << scale;
            EXPECT_EQ(corner.rgba(), row.corner.rgba()) << row.name << " at " << scale;
        }
    }
}

TEST_F(ListDialogTest, NumListStartsOnAAndOneAndEveryButtonGivesItsType)
{
    TfrmNumList &dlg = attributeDialog<TfrmNumList>();
    EXPECT_EQ(dlg.windowTitle(), u"番号順リスト"_s);
    const struct {
        const char16_t *caption;
        const char16_t *type;
    } rows[] = {{u"A,B,C･･･", u"A"}, {u"a,b,c･･･", u"a"}, {u"I,II,III･･･", u"I"},
                {u"i,ii,iii･･･", u"i"}, {u"1,2,3･･･", u"1"}};
    for (const auto &row : rows) {
        dlg.reset();
        EXPECT_EQ(dlg.options().numberType, u"A"_s);
        EXPECT_EQ(dlg.options().start, u"1"_s);
        EXPECT_TRUE(dlg.optUpperLetter->isChecked());
        EXPECT_EQ(dlg.focusWidget(), dlg.optUpperLetter);
        QRadioButton *button = radio(dlg, QString::fromUtf16(row.caption));
        ASSERT_NE(button, nullptr);
        button->click();
        dlg.txtStart->setText(u"4"_s);
        dlg.OKBtn->click();
        EXPECT_EQ(dlg.options().numberType, QString::fromUtf16(row.type));
        EXPECT_EQ(dlg.options().start, u"4"_s);
    }
}

TEST_F(ListDialogTest, StartIsCheckedAtOk)
{
    TfrmNumList &dlg = attributeDialog<TfrmNumList>();
    EXPECT_EQ(dlg.txtStart->accessibleName(), u"txtStart"_s);
    EXPECT_EQ(dlg.txtStart->accessibleDescription(), u"開始の番号"_s);
    bool labelled = false;
    for (QLabel *label : dlg.findChildren<QLabel *>())
        labelled = labelled || (label->text() == u"開始の番号" && label->buddy() == dlg.txtStart);
    EXPECT_TRUE(labelled);

    const struct {
        const char16_t *typed;
        const char16_t *kept;
    } rows[] = {{u"", u"1"},       {u"x", u"1"},         {u"3.5", u"1"},
                {u"99999999999", u"1"}, {u"5 ", u"1"}, {u" 5", u" 5"},
                {u"$A", u"$A"},    {u"-2", u"-2"},       {u"2147483647", u"2147483647"}};
    for (const auto &row : rows) {
        dlg.reset();
        dlg.txtStart->setText(QString::fromUtf16(row.typed));
        dlg.OKBtn->click();
        EXPECT_EQ(dlg.txtStart->text(), QString::fromUtf16(row.kept))
                << QString::fromUtf16(row.typed).toStdString();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
}

// --- commands ---------------------------------------------------------------

class ListCommandTest : public DialogFixture
{
protected:
    // Lines of `part` separated by U+2029, as the editor holds them.
    void selectLines(const QString &part)
    {
        selectText(QString(part).replace(u"\r\n"_s, QString(QChar::ParagraphSeparator)));
    }
};

TEST_F(ListCommandTest, MarkedListReplacesTheLinesAndUndoBringsThemBack)
{
    const QString before = u"<P>\r\napple\r\nbanana\r\ncherry\r\n</P>"_s;
    setText(before);
    selectLines(QString::fromUtf16(fruits));
    whenShown<TfrmMarkList>([](TfrmMarkList &dlg) {
        radio(dlg, u"四角(square)"_s)->click();
        dlg.OKBtn->click();
    });
    ListMarkClick(*doc, nullptr);
    const QString list = u"<UL>\r\n<LI TYPE=square>apple\r\n<LI>banana\r\n<LI>cherry\r\n</UL>\r\n"_s;
    EXPECT_EQ(text(), u"<P>\r\n"_s + list + u"\r\n</P>"_s);
    // Each CR LF is one line break in the editor.
    EXPECT_EQ(caret(), 4 + list.size() - list.count(u"\r\n"_s));
    EXPECT_EQ(selected(), QString());
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->StartTag, list);
    EXPECT_EQ(doc->CapturedText, QString());

    doc->UndoItemClick();
    EXPECT_EQ(text(), before);
}

TEST_F(ListCommandTest, NumberedListTakesTypeAndStartAsTyped)
{
    setText(u"apple\r\nbanana\r\ncherry\r\n"_s);
    selectLines(QString::fromUtf16(fruits));
    whenShown<TfrmNumList>([](TfrmNumList &dlg) {
        radio(dlg, u"I,II,III･･･"_s)->click();
        dlg.txtStart->setText(u"3"_s);
        dlg.OKBtn->click();
    });
    ListNumberClick(*doc, nullptr);
    EXPECT_EQ(text(),
              u"<OL>\r\n<LI TYPE=I START=3>apple\r\n<LI>banana\r\n<LI>cherry\r\n</OL>\r\n\r\n"_s);
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"apple\r\nbanana\r\ncherry\r\n"_s);
}

TEST_F(ListCommandTest, BadStartBecomesOne)
{
    setText(u"x"_s);
    selectText(u"x"_s);
    whenShown<TfrmNumList>([](TfrmNumList &dlg) {
        radio(dlg, u"i,ii,iii･･･"_s)->click();
        dlg.txtStart->setText(u"3.5"_s);
        dlg.OKBtn->click();
    });
    ListNumberClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<OL>\r\n<LI TYPE=i START=1>x\r\n</OL>\r\n"_s);
}

TEST_F(ListCommandTest, DefinitionListOfJapaneseLinesEndingInABreak)
{
    const QString before = u"用語集\r\nりんご\r\n赤い果物\r\nみかん\r\n終わり"_s;
    setText(before);
    selectLines(u"りんご\r\n赤い果物\r\nみかん\r\n"_s);
    ListDefineClick(*doc, nullptr);
    EXPECT_EQ(text(), u"用語集\r\n<DL>\r\n<DT>りんご\r\n<DD>赤い果物\r\n<DT>みかん\r\n</DL>\r\n終わり"_s);
    doc->UndoItemClick();
    EXPECT_EQ(text(), before);
}

TEST_F(ListCommandTest, WithoutSelectionEachCommandPutsItsSkeletonAtTheCaret)
{
    const struct {
        const char *what;
        void (*command)(TMDIChild &, QObject *);
        void (*answer)();
        const char16_t *skeleton;
    } rows[] = {
        {"marked", ListMarkClick,
         [] { whenShown<TfrmMarkList>([](TfrmMarkList &dlg) { dlg.OKBtn->click(); }); },
         u"<UL>\r\n<LI TYPE=disk>\r\n<LI>\r\n<LI>\r\n</UL>\r\n"},
        {"numbered", ListNumberClick,
         [] { whenShown<TfrmNumList>([](TfrmNumList &dlg) { dlg.OKBtn->click(); }); },
         u"<OL>\r\n<LI TYPE=A START=1>\r\n<LI>\r\n<LI>\r\n</OL>\r\n"},
        {"definition", ListDefineClick, [] {},
         u"<DL>\r\n<DT>\r\n<DD>\r\n<DT>\r\n<DD>\r\n</DL>\r\n"},
    };
    for (const auto &row : rows) {
        setText(u"本文\r\nです"_s);
        select(1, 1);
        row.answer();
        row.command(*doc, nullptr);
        const QString skeleton = QString::fromUtf16(row.skeleton);
        EXPECT_EQ(text(), u"本"_s + skeleton + u"文\r\nです"_s) << row.what;
        EXPECT_EQ(caret(), 1 + skeleton.size() - skeleton.count(u"\r\n"_s)) << row.what;
        doc->UndoItemClick();
        EXPECT_EQ(text(), u"本文\r\nです"_s) << row.what;
    }
}

TEST_F(ListCommandTest, EveryShowStartsFromTheDefaultNumbering)
{
    setText(u"a"_s);
    whenShown<TfrmNumList>([](TfrmNumList &dlg) {
        radio(dlg, u"1,2,3･･･"_s)->click();
        dlg.txtStart->setText(u"7"_s);
        dlg.OKBtn->click();
    });
    ListNumberClick(*doc, nullptr);
    whenShown<TfrmNumList>([](TfrmNumList &dlg) {
        EXPECT_EQ(dlg.options().numberType, u"A"_s);
        EXPECT_EQ(dlg.txtStart->text(), u"1"_s);
        EXPECT_EQ(dlg.focusWidget(), dlg.optUpperLetter);
        dlg.CancelBtn->click();
    });
    ListNumberClick(*doc, nullptr);
}

TEST_F(ListCommandTest, CancelAndEscapeChangeNothing)
{
    const struct {
        const char *what;
        void (*command)(TMDIChild &, QObject *);
        void (*answer)();
    } rows[] = {
        {"marked, cancel", ListMarkClick,
         [] { whenShown<TfrmMarkList>([](TfrmMarkList &dlg) { dlg.CancelBtn->click(); }); }},
        {"marked, Esc", ListMarkClick,
         [] { whenShown<TfrmMarkList>([](TfrmMarkList &dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); }); }},
        {"numbered, cancel", ListNumberClick,
         [] { whenShown<TfrmNumList>([](TfrmNumList &dlg) { dlg.CancelBtn->click(); }); }},
        {"numbered, Esc", ListNumberClick,
         [] { whenShown<TfrmNumList>([](TfrmNumList &dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); }); }},
    };
    for (const auto &row : rows) {
        setText(u"apple\r\nbanana"_s);
        selectLines(u"apple\r\nbanana"_s);
        doc->StartTag = u"<X>"_s;
        doc->UndoSnapshot = u"earlier"_s;
        row.answer();
        row.command(*doc, nullptr);
        EXPECT_EQ(text(), u"apple\r\nbanana"_s) << row.what;
        EXPECT_EQ(selected(), u"apple\r\nbanana"_s) << row.what;
        EXPECT_FALSE(doc->isModified()) << row.what;
        EXPECT_EQ(doc->StartTag, u"<X>"_s) << row.what;
        EXPECT_EQ(doc->UndoSnapshot, u"earlier"_s) << row.what;
    }
}

} // namespace
