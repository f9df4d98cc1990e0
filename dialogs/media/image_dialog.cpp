#include "dialogs/media/image_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

ImagePicture::ImagePicture(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ImagePicture::sizeHint() const
{
    // A landscape photo about three lines of the dialog's text high, at any scale.
    const int line = fontMetrics().height();
    return {line * 4, line * 3};
}

void ImagePicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal w = box.width();
    const qreal h = box.height();

    QLinearGradient sky(box.topLeft(), box.bottomLeft());
    sky.setColorAt(0, QColor(0x5b, 0x9b, 0xd5));
    sky.setColorAt(1, QColor(0xc8, 0xe2, 0xf5));
    painter.fillRect(box, sky);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf5, 0xc5, 0x18));
    painter.drawEllipse(QPointF(box.left() + w * 0.75, box.top() + h * 0.28), h * 0.13, h * 0.13);

    QPainterPath hills(QPointF(box.left(), box.bottom()));
    hills.lineTo(box.left(), box.top() + h * 0.7);
    hills.quadTo(box.left() + w * 0.3, box.top() + h * 0.35, box.left() + w * 0.55, box.top() + h * 0.68);
    hills.quadTo(box.left() + w * 0.8, box.top() + h * 0.5, box.right(), box.top() + h * 0.72);
    hills.lineTo(box.bottomRight());
    hills.closeSubpath();
    painter.setBrush(QColor(0x4c, 0x9a, 0x3b));
    painter.drawPath(hills);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1.0));
    painter.drawRect(box);
}

TfrmImage::TfrmImage(QWidget *parent)
    : TAttributeDialog(u"イメージ"_s, parent)
{
    setObjectName(u"frmImage"_s);

    txtFilename = makeEdit(this, "txtFilename", u"ﾌｧｲﾙ名"_s);
    auto *fileLabel = makeLabel(this, "", u"ﾌｧｲﾙ名"_s, txtFilename);
    txtFilename->setMinimumWidth(txtFilename->fontMetrics().horizontalAdvance(u'0') * 32);
    cmdSansyo = makeBrowseButton(this, "cmdSansyo", txtFilename, pictureFileFilter, NameCase::Lower,
                                 u"ﾌｧｲﾙ名"_s);

    auto *file = new QHBoxLayout;
    file->addWidget(fileLabel);
    file->addWidget(txtFilename, 1);
    file->addWidget(cmdSansyo);
    body()->addLayout(file);

    // The text positions beside their preview.
    auto *positions = new QGroupBox(u"ﾃｷｽﾄの位置"_s, this);
    RadioButton1 = makeRadio(positions, "RadioButton1", u"なし"_s);
    RadioButton2 = makeRadio(positions, "RadioButton2", u"右"_s);
    RadioButton3 = makeRadio(positions, "RadioButton3", u"左"_s);
    RadioButton4 = makeRadio(positions, "RadioButton4", u"上"_s);
    RadioButton5 = makeRadio(positions, "RadioButton5", u"中央"_s);
    RadioButton6 = makeRadio(positions, "RadioButton6", u"下"_s);
    // One column, so the arrow keys walk the positions in order.
    auto *radios = new QVBoxLayout;
    for (QRadioButton *button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                                 RadioButton5, RadioButton6})
        radios->addWidget(button);

    auto *preview = new QFrame(positions);
    preview->setObjectName(u"pnlPreview"_s);
    preview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    preview->setBackgroundRole(QPalette::Base);
    preview->setAutoFillBackground(true);
    Image1 = new ImagePicture(preview);
    nameControl(Image1, "Image1", u"ﾃｷｽﾄの位置"_s);
    QLabel **samples[] = {&lblText1, &lblText2, &lblText3, &lblText4, &lblText5};
    const char *const sampleNames[] = {"lblText1", "lblText2", "lblText3", "lblText4", "lblText5"};
    for (int i = 0; i < 5; ++i) {
        QLabel *sample = new QLabel(u"テキスト"_s, preview);
        nameControl(sample, sampleNames[i], sample->text());
        sample->setForegroundRole(QPalette::Text);
        // The preview keeps its size whichever sample shows.
        QSizePolicy policy = sample->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        sample->setSizePolicy(policy);
        *samples[i] = sample;
    }
    auto *scene = new QGridLayout(preview);
    scene->setHorizontalSpacing(4);
    scene->setVerticalSpacing(0);
    scene->addWidget(lblText2, 0, 0, Qt::AlignRight | Qt::AlignTop);
    scene->addWidget(Image1, 0, 1, 3, 1);
    scene->addWidget(lblText1, 0, 2, Qt::AlignLeft | Qt::AlignTop);
    scene->addWidget(lblText3, 0, 2, Qt::AlignLeft | Qt::AlignTop);
    scene->addWidget(lblText4, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    scene->addWidget(lblText5, 2, 2, Qt::AlignLeft | Qt::AlignBottom);

    auto *positionRow = new QHBoxLayout(positions);
    positionRow->addLayout(radios);
    positionRow->addSpacing(fontMetrics().height());
    positionRow->addWidget(preview, 0, Qt::AlignVCenter);
    positionRow->addStretch();
    body()->addWidget(positions);

    const QString spaceCaption = u"ｲﾒｰｼﾞに対するｽﾍﾟｰｽ(ﾋﾟｸｾﾙ)"_s;
    chkSpace = makeCheck(this, "chkSpace", spaceCaption);
    txtVSpace = makeNumberEdit(this, "txtVSpace", u"上下"_s);
    lblVSpace = makeLabel(this, "lblVSpace", u"上下"_s, txtVSpace);
    txtHSpace = makeNumberEdit(this, "txtHSpace", u"左右"_s);
    lblHSpace = makeLabel(this, "lblHSpace", u"左右"_s, txtHSpace);
    chkAlt = makeCheck(this, "chkAlt", u"表示するﾃｷｽﾄ"_s);
    txtAlt = makeEdit(this, "txtAlt", u"表示するﾃｷｽﾄ"_s);
    chkBorder = makeCheck(this, "chkBorder", u"外枠の線の太さ"_s);
    txtBorder = makeNumberEdit(this, "txtBorder", u"外枠の線の太さ"_s);
    chkUsemap = makeCheck(this, "chkUsemap", u"ｲﾒｰｼﾞﾏｯﾌﾟ名"_s);
    txtMap = makeEdit(this, "txtMap", u"ｲﾒｰｼﾞﾏｯﾌﾟ名"_s);


    auto *spaces = new QHBoxLayout;
    spaces->setContentsMargins(fontMetrics().height(), 0, 0, 0);
    spaces->addWidget(lblVSpace);
    spaces->addWidget(txtVSpace);
    spaces->addSpacing(fontMetrics().height());
    spaces->addWidget(lblHSpace);
    spaces->addWidget(txtHSpace);
    spaces->addStretch();

    auto *options = new QGridLayout;
    options->addWidget(chkSpace, 0, 0, 1, 2);
    options->addLayout(spaces, 1, 0, 1, 2);
    options->addWidget(chkAlt, 2, 0);
    options->addWidget(txtAlt, 2, 1);
    options->addWidget(chkBorder, 3, 0);
    options->addWidget(txtBorder, 3, 1, Qt::AlignLeft);
    options->addWidget(chkUsemap, 4, 0);
    options->addWidget(txtMap, 4, 1);
    options->setColumnStretch(1, 1);
    body()->addLayout(options);

    enableWhileChecked(chkSpace, {lblVSpace, txtVSpace, lblHSpace, txtHSpace});
    enableWhileChecked(chkAlt, {txtAlt});
    enableWhileChecked(chkBorder, {txtBorder});
    enableWhileChecked(chkUsemap, {txtMap});

    for (QRadioButton *button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                                 RadioButton5, RadioButton6}) {
        // Chosen by a click, the arrow keys or the reset alike.
        connect(button, &QRadioButton::toggled, this, [this, button](bool checked) {
            if (checked)
                RadioButton1Click(button);
        });
    }
    RadioButton1->setChecked(true);

    const QList<QWidget *> order = {txtFilename, cmdSansyo, RadioButton1, RadioButton2,
                                    RadioButton3, RadioButton4, RadioButton5, RadioButton6,
                                    chkSpace, txtVSpace, txtHSpace, chkAlt, txtAlt, chkBorder,
                                    txtBorder, chkUsemap, txtMap, OKBtn, CancelBtn};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// The position buttons after なし, each with its sample and the ALIGN it writes.
static constexpr struct {
    QRadioButton *TfrmImage::*button;
    QLabel *TfrmImage::*sample;
    const char16_t *align;
} imagePositions[] = {
    {&TfrmImage::RadioButton2, &TfrmImage::lblText1, u"LEFT"},
    {&TfrmImage::RadioButton3, &TfrmImage::lblText2, u"RIGHT"},
    {&TfrmImage::RadioButton4, &TfrmImage::lblText3, u"TOP"},
    {&TfrmImage::RadioButton5, &TfrmImage::lblText4, u"CENTER"},
    {&TfrmImage::RadioButton6, &TfrmImage::lblText5, u"BOTTOM"},
};

void TfrmImage::RadioButton1Click(QRadioButton *sender)
{
    lblPos.clear();
    for (const auto &position : imagePositions) {
        const bool chosen = this->*position.button == sender;
        (this->*position.sample)->setVisible(chosen);
        if (chosen)
            lblPos = QString::fromUtf16(position.align);
    }
}

void TfrmImage::reset()
{
    setOptions({.usemap = chkUsemap->isChecked()});
    txtFilename->setFocus();
}

void TfrmImage::setOptions(const ImageOptions &o)
{
    txtFilename->setText(o.fileName);
    RadioButton1->setChecked(true);
    for (const auto &position : imagePositions) {
        if (o.align == QStringView(position.align))
            (this->*position.button)->setChecked(true);
    }
    chkSpace->setChecked(o.space);
    txtVSpace->setText(o.vSpace);
    txtHSpace->setText(o.hSpace);
    chkAlt->setChecked(o.alt);
    txtAlt->setText(o.altText);
    chkBorder->setChecked(o.border);
    txtBorder->setText(o.borderWidth);
    chkUsemap->setChecked(o.usemap);
    txtMap->setText(o.mapName);
}

void TfrmImage::checkAtOk()
{
    if (chkSpace->isChecked()) {
        keepWholeNumber(txtVSpace, u"0"_s);
        keepWholeNumber(txtHSpace, u"0"_s);
    }
    if (chkBorder->isChecked())
        keepWholeNumber(txtBorder, u"0"_s);
}

ImageOptions TfrmImage::options() const
{
    return {
        .fileName = txtFilename->text(),
        .align = lblPos,
        .space = chkSpace->isChecked(),
        .vSpace = txtVSpace->text(),
        .hSpace = txtHSpace->text(),
        .alt = chkAlt->isChecked(),
        .altText = txtAlt->text(),
        .border = chkBorder->isChecked(),
        .borderWidth = txtBorder->text(),
        .usemap = chkUsemap->isChecked(),
        .mapName = txtMap->text(),
    };
}
