#include "dialogs/media/marquee_dialog.h"

#include "dialogs/controls.h"
#include "dialogs/media/marquee_preview.h"
#include "document/whole_number.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QStringList unitItems = {u"ﾋﾟｸｾﾙ"_s, u"ﾊﾟｰｾﾝﾄ"_s};

// A unit list starts with nothing chosen; what the user picks then stays.
QComboBox *unitList(QWidget *parent, const char *name, const QString &label)
{
    QComboBox *list = makeList(parent, name, unitItems, label);
    list->setCurrentIndex(-1);
    return list;
}

QHBoxLayout *row(std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QHBoxLayout;
    for (QWidget *w : widgets)
        layout->addWidget(w);
    layout->addStretch();
    return layout;
}

constexpr MarqueeAlign alignRows[] = {MarqueeAlign::Top, MarqueeAlign::Middle, MarqueeAlign::Bottom};
constexpr MarqueeBehavior behaviorRows[] = {MarqueeBehavior::Scroll, MarqueeBehavior::Slide,
                                            MarqueeBehavior::Alternate};

// The unit list changes only when it says otherwise, so a list the user
// never chose from stays blank.
void showPixels(QComboBox *list, bool pixels)
{
    if ((list->currentIndex() == 0) != pixels)
        list->setCurrentIndex(pixels ? 0 : 1);
}

std::optional<int> valueIf(const QCheckBox *box, int value)
{
    return box->isChecked() ? std::optional<int>(value) : std::nullopt;
}

} // namespace

TfrmMarquee::TfrmMarquee(QWidget *parent)
    : TAttributeDialog(u"マーキー"_s, parent)
    , PageControl1(new QTabWidget(this))
    , Timer1(new QTimer(this))
{
    setObjectName(u"frmMarquee"_s);
    PageControl1->setObjectName(u"PageControl1"_s);
    TabSheet1 = makeBasicPage();
    TabSheet2 = makeExtendedPage();
    TabSheet1->setObjectName(u"TabSheet1"_s);
    TabSheet2->setObjectName(u"TabSheet2"_s);
    PageControl1->addTab(TabSheet1, u"基本"_s);
    PageControl1->addTab(TabSheet2, u"拡張"_s);
    body()->addWidget(PageControl1);

    Panel17 = new QFrame(this);
    Panel17->setObjectName(u"Panel17"_s);
    Panel17->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel18 = new MarqueeStrip(Panel17);
    nameControl(Panel18, "Panel18");
    auto *strip = new QVBoxLayout(Panel17);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->addWidget(Panel18);

    BitBtn1 = new QPushButton(u"ﾌﾟﾚﾋﾞｭｰ"_s, this);
    BitBtn1->setObjectName(u"BitBtn1"_s);
    // Enter stays with OK.
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmMarquee::BitBtn1Click);

    auto *preview = new QHBoxLayout;
    preview->addWidget(Panel17, 1, Qt::AlignVCenter);
    preview->addWidget(BitBtn1);
    body()->addLayout(preview);
    setTabOrder(BitBtn1, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(200);
    // Even steps read as smooth motion.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TfrmMarquee::Timer1Timer);

    enableWhileChecked(chkBehavior, {cboBehavior});
    enableWhileChecked(chkColor, {picker});
    enableWhileChecked(chkWidth, {txtWidth, cboTaniW});
    enableWhileChecked(chkHeight, {txtHeight, cboTaniH});
    enableWhileChecked(chkSpace, {txtHSpace, txtVSpace, Label4, Label5});
    // The endless-loop box does not disable the count; it only wins over it.
    enableWhileChecked(chkLoop, {txtLoop, chkInfinite});
    enableWhileChecked(chkScrollamount, {txtScrollamount});
    enableWhileChecked(chkScrolldelay, {txtScrolldelay});
    enableWhileChecked(chkAlign, {cboAlign});
}

QWidget *TfrmMarquee::makeBasicPage()
{
    auto *page = new QWidget;
    chkBehavior = makeCheck(page, "chkBehavior", u"動き"_s);
    cboBehavior = makeList(page, "cboBehavior",
                           {u"横切り続ける"_s, u"スクロールして止まる"_s, u"行ったり来たりする"_s},
                           u"動き"_s);
    chkColor = makeCheck(page, "chkColor", u"背景色"_s);
    picker = new ColorPicker(m_colorDialog, u"背景色"_s, page);
    chkWidth = makeCheck(page, "chkWidth", u"幅"_s);
    txtWidth = makeNumberEdit(page, "txtWidth", u"幅"_s);
    cboTaniW = unitList(page, "cboTaniW", u"幅"_s);
    chkHeight = makeCheck(page, "chkHeight", u"高さ"_s);
    txtHeight = makeNumberEdit(page, "txtHeight", u"高さ"_s);
    cboTaniH = unitList(page, "cboTaniH", u"高さ"_s);

    auto *grid = new QGridLayout(page);
    grid->addWidget(chkBehavior, 0, 0);
    grid->addLayout(row({cboBehavior}), 0, 1);
    grid->addWidget(chkColor, 1, 0, Qt::AlignTop);
    grid->addWidget(picker, 1, 1);
    grid->addWidget(chkWidth, 2, 0);
    grid->addLayout(row({txtWidth, cboTaniW}), 2, 1);
    grid->addWidget(chkHeight, 3, 0);
    grid->addLayout(row({txtHeight, cboTaniH}), 3, 1);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget *TfrmMarquee::makeExtendedPage()
{
    auto *page = new QWidget;
    chkSpace = makeCheck(page, "chkSpace", u"ｲﾒｰｼﾞに対するｽﾍﾟｰｽ(ﾋﾟｸｾﾙ)"_s);
    txtVSpace = makeNumberEdit(page, "txtVSpace", u"上下"_s);
    Label4 = makeLabel(page, "Label4", u"上下"_s, txtVSpace);
    txtHSpace = makeNumberEdit(page, "txtHSpace", u"左右"_s);
    Label5 = makeLabel(page, "Label5", u"左右"_s, txtHSpace);
    chkLoop = makeCheck(page, "chkLoop", u"表示回数"_s);
    txtLoop = makeNumberEdit(page, "txtLoop", u"表示回数"_s);
    chkInfinite = makeCheck(page, "chkInfinite", u"無限ﾙｰﾌﾟ"_s);
    chkScrollamount = makeCheck(page, "chkScrollamount", u"再描写までのﾋﾟｸｾﾙ"_s);
    txtScrollamount = makeNumberEdit(page, "txtScrollamount", u"再描写までのﾋﾟｸｾﾙ"_s);
    chkScrolldelay = makeCheck(page, "chkScrolldelay", u"再描写までの秒数"_s);
    txtScrolldelay = makeNumberEdit(page, "txtScrolldelay", u"再描写までの秒数"_s);
    chkDirection = makeCheck(page, "chkDirection", u"左から右にｽｸﾛｰﾙ"_s);
    chkAlign = makeCheck(page, "chkAlign", u"周りのﾃｷｽﾄの位置"_s);
    cboAlign = makeList(page, "cboAlign", {u"上"_s, u"中央"_s, u"下"_s}, u"周りのﾃｷｽﾄの位置"_s);

    auto *space = row({Label4, txtVSpace, Label5, txtHSpace});
    space->insertSpacing(2, 12);

    auto *grid = new QGridLayout(page);
    grid->addWidget(chkSpace, 0, 0, 1, 2);
    grid->addLayout(space, 1, 1);
    grid->addWidget(chkLoop, 2, 0);
    grid->addLayout(row({txtLoop, chkInfinite}), 2, 1);
    grid->addWidget(chkScrollamount, 3, 0);
    grid->addLayout(row({txtScrollamount}), 3, 1);
    grid->addWidget(chkScrolldelay, 4, 0);
    grid->addLayout(row({txtScrolldelay}), 4, 1);
    grid->addWidget(chkDirection, 5, 0, 1, 2);
    grid->addWidget(chkAlign, 6, 0);
    grid->addLayout(row({cboAlign}), 6, 1);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

void TfrmMarquee::reset()
{
    // The unit lists and the endless-loop box stay as the user left them.
    MarqueeOptions start = options();
    start = {.heightPixels = start.heightPixels, .widthPixels = start.widthPixels,
             .infinite = start.infinite};
    setOptions(start);
    PageControl1->setCurrentIndex(0);
    m_motion.Scrolling = false;
    chkBehavior->setFocus();
}

void TfrmMarquee::setOptions(const MarqueeOptions &o)
{
    chkAlign->setChecked(o.align);
    cboAlign->setCurrentIndex(rowOf(alignRows, o.alignValue));
    chkBehavior->setChecked(o.behavior);
    cboBehavior->setCurrentIndex(rowOf(behaviorRows, o.behaviorValue));
    chkColor->setChecked(o.color);
    picker->setColor(o.colorValue);
    chkDirection->setChecked(o.direction);
    chkHeight->setChecked(o.height);
    txtHeight->setText(o.heightValue);
    showPixels(cboTaniH, o.heightPixels);
    chkWidth->setChecked(o.width);
    txtWidth->setText(o.widthValue);
    showPixels(cboTaniW, o.widthPixels);
    chkLoop->setChecked(o.loop);
    chkInfinite->setChecked(o.infinite);
    txtLoop->setText(o.loopValue);
    chkScrollamount->setChecked(o.scrollamount);
    txtScrollamount->setText(o.scrollamountValue);
    chkScrolldelay->setChecked(o.scrolldelay);
    txtScrolldelay->setText(o.scrolldelayValue);
    chkSpace->setChecked(o.space);
    txtHSpace->setText(o.hspaceValue);
    txtVSpace->setText(o.vspaceValue);
}

void TfrmMarquee::checkAtOk()
{
    if (chkSpace->isChecked()) {
        keepWholeNumber(txtHSpace, u"1"_s);
        keepWholeNumber(txtVSpace, u"1"_s);
    }
    if (chkLoop->isChecked())
        keepWholeNumber(txtLoop, u"1"_s);
    if (chkScrollamount->isChecked())
        keepWholeNumber(txtScrollamount, u"1"_s);
    if (chkScrolldelay->isChecked())
        keepWholeNumber(txtScrolldelay, u"1"_s);
}

MarqueeOptions TfrmMarquee::options() const
{
    return {
        .align = chkAlign->isChecked(),
        .alignValue = valueAt(alignRows, cboAlign->currentIndex(), MarqueeAlign::Bottom),
        .behavior = chkBehavior->isChecked(),
        .behaviorValue = valueAt(behaviorRows, cboBehavior->currentIndex(), MarqueeBehavior::Alternate),
        .color = chkColor->isChecked(),
        .colorValue = picker->color(),
        .direction = chkDirection->isChecked(),
        .height = chkHeight->isChecked(),
        .heightValue = txtHeight->text(),
        .heightPixels = cboTaniH->currentIndex() == 0,
        .width = chkWidth->isChecked(),
        .widthValue = txtWidth->text(),
        .widthPixels = cboTaniW->currentIndex() == 0,
        .loop = chkLoop->isChecked(),
        .infinite = chkInfinite->isChecked(),
        .loopValue = txtLoop->text(),
        .scrollamount = chkScrollamount->isChecked(),
        .scrollamountValue = txtScrollamount->text(),
        .scrolldelay = chkScrolldelay->isChecked(),
        .scrolldelayValue = txtScrolldelay->text(),
        .space = chkSpace->isChecked(),
        .hspaceValue = txtHSpace->text(),
        .vspaceValue = txtVSpace->text(),
    };
}

void TfrmMarquee::BitBtn1Click()
{
    // The preview reads these as numbers whether or not their boxes are ticked.
    for (QLineEdit *field : {txtLoop, txtScrollamount, txtScrolldelay})
        keepWholeNumber(field, u"1"_s);
    if (chkColor->isChecked())
        Panel18->setColor(picker->color());

    m_motion = marqueeStart({
        .leftToRight = chkDirection->isChecked(),
        .behaviorIndex = valueIf(chkBehavior, cboBehavior->currentIndex()),
        .step = valueIf(chkScrollamount, wholeNumberValue(txtScrollamount->text()).value_or(1)),
        .delay = valueIf(chkScrolldelay, wholeNumberValue(txtScrolldelay->text()).value_or(1)),
    });
    Panel18->setSampleLeft(marqueeEntry(m_motion.ScrollDirection, Panel18->sampleWidth(),
                                        Panel18->width()));
    Timer1->setInterval(m_motion.ScrollDelay);
    updateTimer();
}

void TfrmMarquee::Timer1Timer()
{
    const MarqueeTick tick =
        marqueeTick(Panel18->sampleLeft(), Panel18->sampleWidth(), Panel18->width(), m_motion);
    m_motion = tick.motion;
    Panel18->setSampleLeft(tick.left);
}

void TfrmMarquee::showEvent(QShowEvent *event)
{
    TAttributeDialog::showEvent(event);
    m_onScreen = true;
    updateTimer();
}

void TfrmMarquee::hideEvent(QHideEvent *event)
{
    m_onScreen = false;
    updateTimer();
    TAttributeDialog::hideEvent(event);
}

void TfrmMarquee::updateTimer()
{
    // A zero interval would make Qt fire on every pass of the event loop;
    // here it means no ticks at all.
    if (m_onScreen && Timer1->interval() > 0) {
        if (!Timer1->isActive())
            Timer1->start();
    } else {
        Timer1->stop();
    }
}
