#include "dialogs/media/video_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"

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

}

QWidget *TfrmVideo::makeBasicPage()
{
    auto *page = new QWidget;
    page->setObjectName(u"TabSheet1"_s);

    const QString fileCaption = u"ﾋﾞﾃﾞｵｸﾘｯﾌﾟのｱﾄﾞﾚｽまたはVRMLﾜｰﾙﾄﾞ"_s;
    txtFilename = makeEdit(page, "txtFilename", fileCaption);
    auto *fileLabel = makeLabel(page, "", fileCaption, txtFilename);
    cmdSansyo = makeBrowseButton(page, "cmdSansyo", txtFilename, u"AVIﾌｧｲﾙ(*.AVI)|*.AVI|全てのﾌｧｲﾙ(*.*)|*.*",
                                 NameCase::Lower, fileCaption);

    chkSize = makeCheck(page, "chkSize", u"ｻｲｽﾞ"_s);
    txtWidth = makeNumberEdit(page, "txtWidth", u"幅"_s);
    Label4 = makeLabel(page, "Label4", u"幅"_s, txtWidth);
    txtHeight = makeNumberEdit(page, "txtHeight", u"高さ"_s);
    Label5 = makeLabel(page, "Label5", u"高さ"_s, txtHeight);
    chkAlign = makeCheck(page, "chkAlign", u"位置"_s);
    cboAlign = makeList(page, "cboAlign", {u"左揃え"_s, u"右揃え"_s}, u"位置"_s);
    chkBorder = makeCheck(page, "chkBorder", u"枠線の太さ"_s);
    txtBorder = makeNumberEdit(page, "txtBorder", u"枠線の太さ"_s);
    chkTextAlign = makeCheck(page, "chkTextAlign", u"周りのﾃｷｽﾄの位置"_s);
    cboTextAlign = makeList(page, "cboTextAlign", {u"上揃え"_s, u"中央揃え"_s, u"下揃え"_s},
                            u"周りのﾃｷｽﾄの位置"_s);
    chkSpace = makeCheck(page, "chkSpace", u"ｲﾒｰｼﾞに対するｽﾍﾟｰｽ"_s);
    txtHSpace = makeNumberEdit(page, "txtHSpace", u"左右"_s);
    Label7 = makeLabel(page, "Label7", u"左右"_s, txtHSpace);
    txtVSpace = makeNumberEdit(page, "txtVSpace", u"上下"_s);
    Label6 = makeLabel(page, "Label6", u"上下"_s, txtVSpace);
    chkAlt = makeCheck(page, "chkAlt", u"表示するﾃｷｽﾄ"_s);
    txtAlt = makeEdit(page, "txtAlt", u"表示するﾃｷｽﾄ"_s);

    auto *file = new QHBoxLayout;
    file->addWidget(txtFilename, 1);
    file->addWidget(cmdSansyo);

    auto *grid = new QGridLayout;
    grid->addWidget(chkSize, 0, 0);
    grid->addLayout(labelledPair(Label4, txtWidth, Label5, txtHeight), 0, 1);
    grid->addWidget(chkAlign, 1, 0);
    grid->addWidget(cboAlign, 1, 1, Qt::AlignLeft);
    grid->addWidget(chkBorder, 2, 0);
    grid->addWidget(txtBorder, 2, 1, Qt::AlignLeft);
    grid->addWidget(chkTextAlign, 3, 0);
    grid->addWidget(cboTextAlign, 3, 1, Qt::AlignLeft);
    grid->addWidget(chkSpace, 4, 0);
    grid->addLayout(labelledPair(Label7, txtHSpace, Label6, txtVSpace), 4, 1);
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
    cmdSansyo2 = makeBrowseButton(page, "cmdSansyo2", txtImage, pictureFileFilter, NameCase::Lower,
                                  u"ｲﾒｰｼﾞ"_s);
    chkIsmap = makeCheck(page, "chkIsmap", u"ｻｰﾊﾞｰｻｲﾄﾞｲﾒｰｼﾞﾏｯﾌﾟ"_s);
    chkUsemap = makeCheck(page, "chkUsemap", u"ｸﾗｲｱﾝﾄｻｲﾄﾞｲﾒｰｼﾞﾏｯﾌﾟ"_s);
    txtMap = makeEdit(page, "txtMap", u"ｸﾗｲｱﾝﾄｻｲﾄﾞｲﾒｰｼﾞﾏｯﾌﾟ"_s);
    chkControl = makeCheck(page, "chkControl", u"ｺﾝﾄﾛｰﾙ"_s);
    chkLoop = makeCheck(page, "chkLoop", u"再生回数"_s);
    txtLoop = makeNumberEdit(page, "txtLoop", u"再生回数"_s);
    chkInfinite = makeCheck(page, "chkInfinite", u"無限ﾙｰﾌﾟ"_s);
    auto *timing = new QLabel(u"再生ﾀｲﾐﾝｸﾞ"_s, page);
    chkFileopen = makeCheck(page, "chkFileopen", u"ﾌｧｲﾙをｵｰﾌﾟﾝした時"_s);
    chkMouseover = makeCheck(page, "chkMouseover", u"ﾏｳｽを上に乗せた時"_s);

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
    const VideoOptions kept = options();
    setOptions({.alignValue = kept.alignValue, .textAlignValue = kept.textAlignValue});
    PageControl1->setCurrentIndex(0);
    txtFilename->setFocus();
}

// The lists' rows in order; None is no row at all.
static constexpr VideoAlign alignRows[] = {VideoAlign::Left, VideoAlign::Right};
static constexpr VideoTextAlign textAlignRows[] = {VideoTextAlign::Top, VideoTextAlign::Middle,
                                                   VideoTextAlign::Bottom};

void TfrmVideo::setOptions(const VideoOptions &o)
{
    txtFilename->setText(o.fileName);
    chkImage->setChecked(o.image);
    txtImage->setText(o.imageName);
    chkSize->setChecked(o.size);
    txtWidth->setText(o.width);
    txtHeight->setText(o.height);
    chkAlign->setChecked(o.align);
    cboAlign->setCurrentIndex(rowOf(alignRows, o.alignValue, -1));
    chkBorder->setChecked(o.border);
    txtBorder->setText(o.borderValue);
    chkTextAlign->setChecked(o.textAlign);
    cboTextAlign->setCurrentIndex(rowOf(textAlignRows, o.textAlignValue, -1));
    chkSpace->setChecked(o.space);
    txtHSpace->setText(o.hspace);
    txtVSpace->setText(o.vspace);
    chkAlt->setChecked(o.alt);
    txtAlt->setText(o.altText);
    chkIsmap->setChecked(o.ismap);
    chkControl->setChecked(o.control);
    chkLoop->setChecked(o.loop);
    chkInfinite->setChecked(o.infinite);
    txtLoop->setText(o.loopCount);
    chkFileopen->setChecked(o.fileOpen);
    chkMouseover->setChecked(o.mouseOver);
    chkUsemap->setChecked(o.usemap);
    txtMap->setText(o.mapName);
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
    return {
        .fileName = txtFilename->text(),
        .image = chkImage->isChecked(),
        .imageName = txtImage->text(),
        .size = chkSize->isChecked(),
        .width = txtWidth->text(),
        .height = txtHeight->text(),
        .align = chkAlign->isChecked(),
        .alignValue = valueAt(alignRows, cboAlign->currentIndex(), VideoAlign::None),
        .border = chkBorder->isChecked(),
        .borderValue = txtBorder->text(),
        .textAlign = chkTextAlign->isChecked(),
        .textAlignValue = valueAt(textAlignRows, cboTextAlign->currentIndex(), VideoTextAlign::None),
        .space = chkSpace->isChecked(),
        .hspace = txtHSpace->text(),
        .vspace = txtVSpace->text(),
        .alt = chkAlt->isChecked(),
        .altText = txtAlt->text(),
        .ismap = chkIsmap->isChecked(),
        .control = chkControl->isChecked(),
        .loop = chkLoop->isChecked(),
        .infinite = chkInfinite->isChecked(),
        .loopCount = txtLoop->text(),
        .fileOpen = chkFileopen->isChecked(),
        .mouseOver = chkMouseover->isChecked(),
        .usemap = chkUsemap->isChecked(),
        .mapName = txtMap->text(),
    };
}
