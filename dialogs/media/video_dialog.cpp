#include "dialogs/media/video_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"
#include "dialogs/picture_filters.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QWidget *buddy)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

QToolButton *makeBrowseButton(QWidget *parent, const char *name, const QString &label)
{
    auto *button = new QToolButton(parent);
    nameControl(button, name, label);
    button->setIcon(button->style()->standardIcon(QStyle::SP_DirOpenIcon));
    button->setToolTip(u"参照"_s);
    return button;
}

// Room for a few digits; the field grows with the font at any scale.
void fitNumber(std::initializer_list<QLineEdit *> fields)
{
    for (QLineEdit *field : fields)
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(u"0000000"_s));
}

} // namespace

TfrmVideo::TfrmVideo(QWidget *parent)
    : TAttributeDialog(u"ビデオクリップ"_s, parent)
    , PageControl1(new QTabWidget(this))
{
    setObjectName(u"frmVideo"_s);
    PageControl1->setObjectName(u"PageControl1"_s);
    TabSheet1 = makeBasicPage();
    TabSheet2 = makeExtendedPage();
    PageControl1->addTab(TabSheet1, u"基本"_s);
    PageControl1->addTab(TabSheet2, u"拡張"_s);
    body()->addWidget(PageControl1);
    // The keyboard walks each page from top to bottom, then OK and Cancel.
    QWidget *const order[] = {
        PageControl1, txtFilename, cmdSansyo, chkSize, txtWidth, txtHeight, chkAlign, cboAlign,
        chkBorder, txtBorder, chkTextAlign, cboTextAlign, chkSpace, txtHSpace, txtVSpace, chkAlt,
        txtAlt, chkImage, txtImage, cmdSansyo2, chkIsmap, chkUsemap, txtMap, chkControl, chkLoop,
        txtLoop, chkInfinite, chkFileopen, chkMouseover, OKBtn, CancelBtn,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // The lists start with no choice; from then on they keep the user's.
    cboAlign->setCurrentIndex(-1);
    cboTextAlign->setCurrentIndex(-1);

    enableWhileChecked(chkSize, {Label4, txtWidth, Label5, txtHeight});
    enableWhileChecked(chkAlign, {cboAlign});
    enableWhileChecked(chkBorder, {txtBorder});
    enableWhileChecked(chkTextAlign, {cboTextAlign});
    enableWhileChecked(chkSpace, {Label7, txtHSpace, Label6, txtVSpace});
    enableWhileChecked(chkAlt, {txtAlt});
    enableWhileChecked(chkImage, {txtImage, cmdSansyo2});
    enableWhileChecked(chkUsemap, {txtMap});
    enableWhileChecked(chkLoop, {txtLoop, chkInfinite});

    // A picture is a server-side map or a client-side one, never both.
    connect(chkUsemap, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked)
            chkIsmap->setChecked(false);
    });
    connect(chkIsmap, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked)
            chkUsemap->setChecked(false);
    });

    connect(cmdSansyo, &QToolButton::clicked, this, [this] {
        if (const std::optional<QString> name = browseFileName(
                this, u"AVIﾌｧｲﾙ(*.AVI)|*.AVI|全てのﾌｧｲﾙ(*.*)|*.*"_s, NameCase::Lower))
            txtFilename->setText(*name);
    });
    connect(cmdSansyo2, &QToolButton::clicked, this, [this] {
        if (const std::optional<QString> name = browseFileName(
                this, picture_filters::gifAndJpeg(),
                NameCase::Lower))
            txtImage->setText(*name);
    });
}

QWidget *TfrmVideo::makeBasicPage()
{
    auto *page = new QWidget;
    page->setObjectName(u"TabSheet1"_s);

    const QString fileCaption = u"ﾋﾞﾃﾞｵｸﾘｯﾌﾟのｱﾄﾞﾚｽまたはVRMLﾜｰﾙﾄﾞ"_s;
    txtFilename = makeEdit(page, "txtFilename", fileCaption);
    auto *fileLabel = new QLabel(fileCaption, page);
    fileLabel->setBuddy(txtFilename);
    cmdSansyo = makeBrowseButton(page, "cmdSansyo", fileCaption);

    chkSize = makeCheck(page, "chkSize", u"ｻｲｽﾞ"_s);
    txtWidth = makeEdit(page, "txtWidth", u"幅"_s);
    Label4 = makeLabel(page, "Label4", u"幅"_s, txtWidth);
    txtHeight = makeEdit(page, "txtHeight", u"高さ"_s);
    Label5 = makeLabel(page, "Label5", u"高さ"_s, txtHeight);
    chkAlign = makeCheck(page, "chkAlign", u"位置"_s);
    cboAlign = makeList(page, "cboAlign", {u"左揃え"_s, u"右揃え"_s}, u"位置"_s);
    chkBorder = makeCheck(page, "chkBorder", u"枠線の太さ"_s);
    txtBorder = makeEdit(page, "txtBorder", u"枠線の太さ"_s);
    chkTextAlign = makeCheck(page, "chkTextAlign", u"周りのﾃｷｽﾄの位置"_s);
    cboTextAlign = makeList(page, "cboTextAlign", {u"上揃え"_s, u"中央揃え"_s, u"下揃え"_s},
                            u"周りのﾃｷｽﾄの位置"_s);
    chkSpace = makeCheck(page, "chkSpace", u"ｲﾒｰｼﾞに対するｽﾍﾟｰｽ"_s);
    txtHSpace = makeEdit(page, "txtHSpace", u"左右"_s);
    Label7 = makeLabel(page, "Label7", u"左右"_s, txtHSpace);
    txtVSpace = makeEdit(page, "txtVSpace", u"上下"_s);
    Label6 = makeLabel(page, "Label6", u"上下"_s, txtVSpace);
    chkAlt = makeCheck(page, "chkAlt", u"表示するﾃｷｽﾄ"_s);
    txtAlt = makeEdit(page, "txtAlt", u"表示するﾃｷｽﾄ"_s);
    fitNumber({txtWidth, txtHeight, txtBorder, txtHSpace, txtVSpace});

    auto *file = new QHBoxLayout;
    file->addWidget(txtFilename, 1);
    file->addWidget(cmdSansyo);

    auto pair = [](QLabel *first, QLineEdit *firstField, QLabel *second, QLineEdit *secondField) {
        auto *row = new QHBoxLayout;
        row->addWidget(first);
        row->addWidget(firstField);
        row->addSpacing(12);
        row->addWidget(second);
        row->addWidget(secondField);
        row->addStretch();
        return row;
    };

    auto *grid = new QGridLayout;
    grid->addWidget(chkSize, 0, 0);
    grid->addLayout(pair(Label4, txtWidth, Label5, txtHeight), 0, 1);
    grid->addWidget(chkAlign, 1, 0);
    grid->addWidget(cboAlign, 1, 1, Qt::AlignLeft);
    grid->addWidget(chkBorder, 2, 0);
    grid->addWidget(txtBorder, 2, 1, Qt::AlignLeft);
    grid->addWidget(chkTextAlign, 3, 0);
    grid->addWidget(cboTextAlign, 3, 1, Qt::AlignLeft);
    grid->addWidget(chkSpace, 4, 0);
    grid->addLayout(pair(Label7, txtHSpace, Label6, txtVSpace), 4, 1);
    grid->addWidget(chkAlt, 5, 0);
    grid->addWidget(txtAlt, 5, 1);
    grid->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(fileLabel);
    layout->addLayout(file);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget *TfrmVideo::makeExtendedPage()
{
    auto *page = new QWidget;
    page->setObjectName(u"TabSheet2"_s);

    chkImage = makeCheck(page, "chkImage", u"ｲﾒｰｼﾞ"_s);
    txtImage = makeEdit(page, "txtImage", u"ｲﾒｰｼﾞ"_s);
    cmdSansyo2 = makeBrowseButton(page, "cmdSansyo2", u"ｲﾒｰｼﾞ"_s);
    chkIsmap = makeCheck(page, "chkIsmap", u"ｻｰﾊﾞｰｻｲﾄﾞｲﾒｰｼﾞﾏｯﾌﾟ"_s);
    chkUsemap = makeCheck(page, "chkUsemap", u"ｸﾗｲｱﾝﾄｻｲﾄﾞｲﾒｰｼﾞﾏｯﾌﾟ"_s);
    txtMap = makeEdit(page, "txtMap", u"ｸﾗｲｱﾝﾄｻｲﾄﾞｲﾒｰｼﾞﾏｯﾌﾟ"_s);
    chkControl = makeCheck(page, "chkControl", u"ｺﾝﾄﾛｰﾙ"_s);
    chkLoop = makeCheck(page, "chkLoop", u"再生回数"_s);
    txtLoop = makeEdit(page, "txtLoop", u"再生回数"_s);
    chkInfinite = makeCheck(page, "chkInfinite", u"無限ﾙｰﾌﾟ"_s);
    auto *timing = new QLabel(u"再生ﾀｲﾐﾝｸﾞ"_s, page);
    chkFileopen = makeCheck(page, "chkFileopen", u"ﾌｧｲﾙをｵｰﾌﾟﾝした時"_s);
    chkMouseover = makeCheck(page, "chkMouseover", u"ﾏｳｽを上に乗せた時"_s);
    fitNumber({txtLoop});

    auto *image = new QHBoxLayout;
    image->addWidget(txtImage, 1);
    image->addWidget(cmdSansyo2);

    auto *loop = new QHBoxLayout;
    loop->addWidget(txtLoop);
    loop->addSpacing(12);
    loop->addWidget(chkInfinite);
    loop->addStretch();

    auto *grid = new QGridLayout(page);
    grid->addWidget(chkImage, 0, 0);
    grid->addLayout(image, 0, 1);
    grid->addWidget(chkIsmap, 1, 0, 1, 2);
    grid->addWidget(chkUsemap, 2, 0);
    grid->addWidget(txtMap, 2, 1);
    grid->addWidget(chkControl, 3, 0, 1, 2);
    grid->addWidget(chkLoop, 4, 0);
    grid->addLayout(loop, 4, 1);
    grid->addWidget(timing, 5, 0, 1, 2);
    // The timing boxes stand indented under their label.
    auto *timings = new QVBoxLayout;
    timings->setContentsMargins(timing->fontMetrics().horizontalAdvance(u"00"_s), 0, 0, 0);
    timings->addWidget(chkFileopen);
    timings->addWidget(chkMouseover);
    grid->addLayout(timings, 6, 0, 1, 2);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

void TfrmVideo::reset()
{
    PageControl1->setCurrentIndex(0);
    for (QLineEdit *field : {txtFilename, txtImage, txtWidth, txtHeight, txtBorder, txtHSpace,
                             txtVSpace, txtAlt, txtLoop, txtMap})
        field->clear();
    for (QCheckBox *box : {chkImage, chkSize, chkAlign, chkBorder, chkTextAlign, chkSpace, chkAlt,
                           chkControl, chkLoop, chkInfinite, chkFileopen, chkMouseover, chkIsmap,
                           chkUsemap})
        box->setChecked(false);
    txtFilename->setFocus();
}

void TfrmVideo::checkAtOk()
{
    if (chkSize->isChecked()) {
        keepWholeNumber(txtWidth, u"0"_s);
        keepWholeNumber(txtHeight, u"0"_s);
    }
    if (chkBorder->isChecked())
        keepWholeNumber(txtBorder, u"0"_s);
    if (chkSpace->isChecked()) {
        keepWholeNumber(txtHSpace, u"0"_s);
        keepWholeNumber(txtVSpace, u"0"_s);
    }
    if (chkLoop->isChecked())
        keepWholeNumber(txtLoop, u"1"_s);
}

VideoOptions TfrmVideo::options() const
{
    static constexpr VideoAlign aligns[] = {VideoAlign::Left, VideoAlign::Right};
    static constexpr VideoTextAlign textAligns[] = {VideoTextAlign::Top, VideoTextAlign::Middle,
                                                    VideoTextAlign::Bottom};
    const int align = cboAlign->currentIndex();
    const int textAlign = cboTextAlign->currentIndex();
    return {
        .fileName = txtFilename->text(),
        .image = chkImage->isChecked(),
        .imageName = txtImage->text(),
        .size = chkSize->isChecked(),
        .width = txtWidth->text(),
        .height = txtHeight->text(),
        .align = chkAlign->isChecked(),
        .alignValue = align >= 0 && align < 2 ? aligns[align] : VideoAlign::None,
        .border = chkBorder->isChecked(),
        .borderValue = txtBorder->text(),
        .textAlign = chkTextAlign->isChecked(),
        .textAlignValue = textAlign >= 0 && textAlign < 3 ? textAligns[textAlign] : VideoTextAlign::None,
        .space = chkSpace->isChecked(),
        .hspace = txtHSpace->text(),
        .vspace = txtVSpace->text(),
        .alt = chkAlt->isChecked(),
        .altText = txtAlt->text(),
        .ismap = chkIsmap->isChecked(),
        .loop = chkLoop->isChecked(),
        .infinite = chkInfinite->isChecked(),
        .loopCount = txtLoop->text(),
        .fileOpen = chkFileopen->isChecked(),
        .mouseOver = chkMouseover->isChecked(),
        .usemap = chkUsemap->isChecked(),
        .mapName = txtMap->text(),
    };
}
