#include "dialogs/text/page_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"
#include "dialogs/text/page_preview.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// The background's own sample stands on the background, so it is written in
// whichever of black and white reads on it.
QColor readableOn(const QColor &background)
{
    const int luma = (299 * background.red() + 587 * background.green() + 114 * background.blue()) / 1000;
    return luma >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace

TfrmPage::TfrmPage(QWidget *parent)
    : TAttributeDialog(u"文字の色と背景"_s, parent)
    , PageControl(new QTabWidget(this))
{
    setObjectName(u"frmPage"_s);
    PageControl->setObjectName(u"PageControl"_s);
    PageControl->addTab(makeBasicPage(), u"基本"_s);
    PageControl->addTab(makeExtendedPage(), u"拡張"_s);
    body()->addWidget(PageControl);

    // The page starts in the colours of untouched options; from then on the
    // samples and the preview hold them for the run.
    setOptions({});

    // The preview, the target's name and the picker go together.
    enableWhileChecked(chkColor, {pnlBack, lblType, picker});
    enableWhileChecked(chkPattern, {txtFilename, BitBtn1, chkBgproperties});
    enableWhileChecked(chkMargin, {lblLeft, txtLeft, lblTop, txtTop});
}

QWidget *TfrmPage::makeBasicPage()
{
    auto *page = new QWidget;
    chkColor = makeCheck(page, "chkColor", u"色"_s);

    pnlBack = new PagePreview(page);
    nameControl(pnlBack, "pnlBack");
    lblText = new PageSample(u"ﾃｷｽﾄの色"_s, false, pnlBack);
    lblLink = new PageSample(u"ﾘﾝｸの色"_s, true, pnlBack);
    lblVlink = new PageSample(u"既に読み込んだﾘﾝｸの色"_s, true, pnlBack);
    lblAlink = new PageSample(u"読み込み中のﾘﾝｸの色"_s, true, pnlBack);
    lblBack = new PageSample(u"背景の色"_s, false, pnlBack);
    const std::pair<PageSample *, const char *> samples[] = {
        {lblText, "lblText"}, {lblLink, "lblLink"}, {lblVlink, "lblVlink"},
        {lblAlink, "lblAlink"}, {lblBack, "lblBack"},
    };
    for (const auto &[sample, name] : samples)
        nameControl(sample, name, sample->text());
    connect(lblText, &PageSample::clicked, this, [this] { selectTarget(Target::Text); });
    connect(lblLink, &PageSample::clicked, this, [this] { selectTarget(Target::Link); });
    connect(lblVlink, &PageSample::clicked, this, [this] { selectTarget(Target::Vlink); });
    connect(lblAlink, &PageSample::clicked, this, [this] { selectTarget(Target::Alink); });
    connect(lblBack, &PageSample::clicked, this, [this] { selectTarget(Target::Back); });
    connect(pnlBack, &PagePreview::clicked, this, [this] { selectTarget(Target::Back); });

    // The text colours down the left, the background's sample at the top right.
    auto *preview = new QGridLayout(pnlBack);
    preview->setContentsMargins(8, 6, 8, 8);
    preview->setVerticalSpacing(4);
    preview->setHorizontalSpacing(24);
    preview->addWidget(lblBack, 0, 1, Qt::AlignRight | Qt::AlignTop);
    preview->addWidget(lblText, 1, 0, Qt::AlignLeft);
    preview->addWidget(lblLink, 2, 0, Qt::AlignLeft);
    preview->addWidget(lblVlink, 3, 0, Qt::AlignLeft);
    preview->addWidget(lblAlink, 4, 0, Qt::AlignLeft);
    preview->setColumnStretch(1, 1);

    lblType = new QLabel(page);
    nameControl(lblType, "lblType");
    picker = new ColorPicker(m_colorDialog, u"色"_s, page);
    connect(picker, &ColorPicker::colorChosen, this, &TfrmPage::applyColor);

    auto *chooser = new QHBoxLayout;
    chooser->addWidget(lblType, 1, Qt::AlignTop);
    chooser->addWidget(picker);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(chkColor);
    layout->addWidget(pnlBack);
    layout->addLayout(chooser);
    return page;
}

QWidget *TfrmPage::makeExtendedPage()
{
    auto *page = new QWidget;
    chkPattern = makeCheck(page, "chkPattern", u"背景ﾊﾟﾀｰﾝ"_s);
    txtFilename = makeEdit(page, "txtFilename", u"背景ﾊﾟﾀｰﾝ"_s);
    BitBtn1 = makeBrowseButton(page, "BitBtn1", txtFilename, gifFileFilter, NameCase::Keep,
                               u"背景ﾊﾟﾀｰﾝ"_s);
    chkBgproperties = makeCheck(page, "chkBgproperties", u"ｽｸﾛｰﾙしない背景"_s);

    chkMargin = makeCheck(page, "chkMargin", u"ﾏｰｼﾞﾝ"_s);
    txtLeft = makeNumberEdit(page, "txtLeft", u"左"_s);
    lblLeft = makeLabel(page, "lblLeft", u"左"_s, txtLeft);
    txtTop = makeNumberEdit(page, "txtTop", u"上"_s);
    lblTop = makeLabel(page, "lblTop", u"上"_s, txtTop);

    auto *file = new QHBoxLayout;
    file->addWidget(txtFilename, 1);
    file->addWidget(BitBtn1);

    auto *margins = new QHBoxLayout;
    margins->addWidget(lblLeft);
    margins->addWidget(txtLeft);
    margins->addSpacing(12);
    margins->addWidget(lblTop);
    margins->addWidget(txtTop);
    margins->addStretch();

    auto *grid = new QGridLayout(page);
    grid->addWidget(chkPattern, 0, 0);
    grid->addLayout(file, 0, 1);
    grid->addWidget(chkBgproperties, 1, 1);
    grid->addWidget(chkMargin, 2, 0);
    grid->addLayout(margins, 2, 1);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

void TfrmPage::reset()
{
    // The colours and the pattern box stay as the user left them.
    const PageOptions kept = options();
    setOptions({.pattern = kept.pattern,
                .back = kept.back,
                .text = kept.text,
                .link = kept.link,
                .vlink = kept.vlink,
                .alink = kept.alink});
    selectTarget(Target::Text);
    PageControl->setCurrentIndex(0);
    chkColor->setFocus();
}

void TfrmPage::setOptions(const PageOptions &o)
{
    chkPattern->setChecked(o.pattern);
    txtFilename->setText(o.fileName);
    chkColor->setChecked(o.color);
    setBackground(o.back);
    lblText->setColor(o.text);
    lblLink->setColor(o.link);
    lblVlink->setColor(o.vlink);
    lblAlink->setColor(o.alink);
    selectTarget(m_target);
    chkBgproperties->setChecked(o.bgproperties);
    chkMargin->setChecked(o.margin);
    txtLeft->setText(o.left);
    txtTop->setText(o.top);
}

void TfrmPage::checkAtOk()
{
    keepWholeNumber(txtLeft, u"0"_s);
    keepWholeNumber(txtTop, u"0"_s);
}

PageOptions TfrmPage::options() const
{
    return {
        .pattern = chkPattern->isChecked(),
        .fileName = txtFilename->text(),
        .color = chkColor->isChecked(),
        .back = pnlBack->color(),
        .text = lblText->color(),
        .link = lblLink->color(),
        .vlink = lblVlink->color(),
        .alink = lblAlink->color(),
        .bgproperties = chkBgproperties->isChecked(),
        .margin = chkMargin->isChecked(),
        .left = txtLeft->text(),
        .top = txtTop->text(),
    };
}

QString TfrmPage::PageColorTarget() const
{
    switch (m_target) {
    case Target::Text:
        return u"TEXT"_s;
    case Target::Link:
        return u"LINK"_s;
    case Target::Vlink:
        return u"VLINK"_s;
    case Target::Alink:
        return u"ALINK"_s;
    case Target::Back:
        break;
    }
    return u"BACK"_s;
}

PageSample *TfrmPage::sampleOf(Target target) const
{
    switch (target) {
    case Target::Text:
        return lblText;
    case Target::Link:
        return lblLink;
    case Target::Vlink:
        return lblVlink;
    case Target::Alink:
        return lblAlink;
    case Target::Back:
        break;
    }
    return lblBack;
}

QColor TfrmPage::colorOf(Target target) const
{
    return target == Target::Back ? pnlBack->color() : sampleOf(target)->color();
}

void TfrmPage::selectTarget(Target target)
{
    m_target = target;
    lblType->setText(sampleOf(target)->text());
    picker->setColor(colorOf(target));
}

void TfrmPage::applyColor(const QColor &color)
{
    if (m_target == Target::Back)
        setBackground(color);
    else
        sampleOf(m_target)->setColor(color);
}

void TfrmPage::setBackground(const QColor &color)
{
    pnlBack->setColor(color);
    lblBack->setColor(readableOn(color));
}
