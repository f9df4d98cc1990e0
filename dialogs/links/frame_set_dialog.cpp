#include "dialogs/links/frame_set_dialog.h"

#include "dialogs/controls.h"
#include "dialogs/links/frame_layout.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

// A frame of the preview: white, captioned with its number, edged by a line
// one pixel wide at any scale (a plain frame's line stays one device pixel).
class PreviewPanel : public QLabel
{
public:
    PreviewPanel(const QString &caption, QWidget *parent)
        : QLabel(caption, parent)
    {
        setAlignment(Qt::AlignCenter);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, Qt::black);
        setPalette(white);
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        QPainter painter(this);
        const QColor line = palette().color(QPalette::WindowText);
        const QRect r = rect();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), line);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), line);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), line);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), line);
    }
};

} // namespace

TfrmFrameSet::RadioGroup::RadioGroup(const char *name, const QString &caption,
                                     const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent)
    , m_group(new QButtonGroup(this))
{
    nameControl(this, name, caption);
    auto *row = new QHBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        m_group->addButton(button, i);
        row->addWidget(button);
    }
    row->addStretch();
}

int TfrmFrameSet::RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void TfrmFrameSet::RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *chosen = m_group->button(index))
        chosen->setChecked(true);
}

QRadioButton *TfrmFrameSet::RadioGroup::button(int index) const
{
    return static_cast<QRadioButton *>(m_group->button(index));
}

void TfrmFrameSet::RadioGroup::focusChosen()
{
    if (QAbstractButton *chosen = m_group->checkedButton())
        chosen->setFocus();
}

TfrmFrameSet::TfrmFrameSet(QWidget *parent)
    : TAttributeDialog(u"フレーム領域の設定"_s, parent)
    , PageControl(new QTabWidget(this))
{
    setObjectName(u"frmFrameSet"_s);
    PageControl->setObjectName(u"PageControl"_s);
    PageControl->addTab(makeSettingsPage(), u"設定"_s);
    PageControl->addTab(makePreviewPage(), u"ﾌﾟﾚﾋﾞｭｰ"_s);
    body()->addWidget(PageControl);

    enableWhileChecked(chkFrameSpacing, {txtFrameSpacing});
    connect(Button1, &QPushButton::clicked, this, &TfrmFrameSet::normalise);
}

QWidget *TfrmFrameSet::makeSettingsPage()
{
    auto *page = new QWidget;
    optType = new RadioGroup("optType", u"分割方向"_s, {u"縦に分割"_s, u"横に分割"_s}, page);
    optTani = new RadioGroup("optTani", u"分割単位"_s, {u"ﾊﾟｰｾﾝﾃｰｼﾞ"_s, u"ﾋﾟｸｾﾙ"_s}, page);

    auto *sizeLabel = new QLabel(u"サイズ"_s, page);
    auto *sizes = new QHBoxLayout;
    QLineEdit **boxes[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6};
    const char *names[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
    for (int i = 0; i < 6; ++i) {
        QLineEdit *box = makeNumberEdit(page, names[i], u"サイズ"_s);
        sizes->addWidget(box);
        *boxes[i] = box;
    }
    sizes->addStretch();
    sizeLabel->setBuddy(Edit1);
    // The last frame's size is worked out, never typed.
    Edit6->setReadOnly(true);

    chkFrameBorder = makeCheck(page, "chkFrameBorder", u"枠線を表示しない"_s);
    chkFrameSpacing = makeCheck(page, "chkFrameSpacing", u"ﾌﾚｰﾑ間のｽﾍﾟｰｽ"_s);
    txtFrameSpacing = makeNumberEdit(page, "txtFrameSpacing", u"ﾌﾚｰﾑ間のｽﾍﾟｰｽ"_s);
    auto *spacing = new QHBoxLayout;
    spacing->addWidget(chkFrameSpacing);
    spacing->addWidget(txtFrameSpacing);
    spacing->addStretch();

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(optType);
    layout->addWidget(optTani);
    layout->addWidget(sizeLabel);
    layout->addLayout(sizes);
    layout->addWidget(chkFrameBorder);
    layout->addLayout(spacing);
    layout->addStretch();
    return page;
}

QWidget *TfrmFrameSet::makePreviewPage()
{
    auto *page = new QWidget;

    // The sunken frame fits the whole preview area, so every panel is seen
    // at its full size.
    auto *frame = new QFrame(page);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    pnlPreview = new QWidget(frame);
    nameControl(pnlPreview, "pnlPreview", u"ﾌﾟﾚﾋﾞｭｰ"_s);
    pnlPreview->setFixedSize(framePreviewArea);
    QPalette silver = pnlPreview->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    pnlPreview->setPalette(silver);
    pnlPreview->setAutoFillBackground(true);

    auto *inFrame = new QVBoxLayout(frame);
    inFrame->setContentsMargins(0, 0, 0, 0);
    inFrame->addWidget(pnlPreview);

    QLabel **panels[] = {&Panel1, &Panel2, &Panel3, &Panel4, &Panel5, &Panel6};
    const char *names[] = {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6"};
    for (int i = 0; i < 6; ++i) {
        const QString caption = QString::number(i + 1);
        auto *panel = new PreviewPanel(caption, pnlPreview);
        nameControl(panel, names[i], caption);
        *panels[i] = panel;
    }

    Button1 = new QPushButton(u"更新"_s, page);
    Button1->setObjectName(u"Button1"_s);
    Button1->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(frame, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addLayout(buttons);
    layout->addStretch();
    return page;
}

std::array<QLineEdit *, frameSizeBoxes> TfrmFrameSet::sizeBoxes() const
{
    return {Edit1, Edit2, Edit3, Edit4, Edit5};
}

FrameDirection TfrmFrameSet::direction() const
{
    return optType->itemIndex() == 1 ? FrameDirection::Rows : FrameDirection::Columns;
}

FrameUnit TfrmFrameSet::unit() const
{
    return optTani->itemIndex() == 1 ? FrameUnit::Pixels : FrameUnit::Percent;
}

void TfrmFrameSet::reset()
{
    FrameSetOptions start{.sizes = {u"100"_s}};
    start.frameSpacing = chkFrameSpacing->isChecked();
    setOptions(start);
    // The direction is on the first page; it has to show to take the focus.
    PageControl->setCurrentIndex(0);
    optType->focusChosen();
}

void TfrmFrameSet::setOptions(const FrameSetOptions &o)
{
    optType->setItemIndex(o.direction == FrameDirection::Rows ? 1 : 0);
    optTani->setItemIndex(o.unit == FrameUnit::Pixels ? 1 : 0);
    const auto boxes = sizeBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(o.sizes[i]);
    Edit6->setText(o.remainder);
    chkFrameBorder->setChecked(o.noFrameBorder);
    chkFrameSpacing->setChecked(o.frameSpacing);
    txtFrameSpacing->setText(o.frameSpacingValue);
    drawPreview();
}

void TfrmFrameSet::normalise()
{
    FrameSizeTexts typed;
    const auto boxes = sizeBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        typed[i] = boxes[i]->text();
    const FrameSizes sizes = normaliseFrameSizes(typed, unit());
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(sizes.boxes[i]);
    Edit6->setText(sizes.remainder);
    keepWholeNumber(txtFrameSpacing, u"0"_s);
    drawPreview();
}

void TfrmFrameSet::checkAtOk()
{
    normalise();
}

void TfrmFrameSet::drawPreview()
{
    std::array<qint64, frameSizeBoxes> values{};
    const auto boxes = sizeBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        values[i] = frameSizeValue(boxes[i]->text());
    const auto rects = previewPanels(values, direction(), unit(), framePreviewArea);
    QLabel *const panels[] = {Panel1, Panel2, Panel3, Panel4, Panel5, Panel6};
    for (std::size_t i = 0; i < rects.size(); ++i) {
        panels[i]->setGeometry(previewGeometry(rects[i], framePreviewArea));
        panels[i]->show();
    }
}

FrameSetOptions TfrmFrameSet::options() const
{
    FrameSetOptions o;
    o.direction = direction();
    o.unit = unit();
    const auto boxes = sizeBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        o.sizes[i] = boxes[i]->text();
    o.remainder = Edit6->text();
    o.noFrameBorder = chkFrameBorder->isChecked();
    o.frameSpacing = chkFrameSpacing->isChecked();
    o.frameSpacingValue = txtFrameSpacing->text();
    return o;
}
