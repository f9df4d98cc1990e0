#include "dialogs/text/list_dialog.h"

#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>

using namespace Qt::StringLiterals;

namespace {

// A radio button that, when chosen by any means (click, arrow keys, reset),
// puts `type` in `holder`.
constexpr char typeProperty[] = "listType";

// Chooses the button of `type`, or `fallback` when no button has it.
void chooseType(std::initializer_list<QRadioButton *> buttons, const QString &type,
                QRadioButton *fallback)
{
    for (QRadioButton *button : buttons) {
        if (button->property(typeProperty).toString() == type) {
            button->setChecked(true);
            return;
        }
    }
    fallback->setChecked(true);
}

QRadioButton *typeButton(QWidget *dialog, const char *name, const QString &caption,
                         QString &holder, const QString &type)
{
    QRadioButton *button = makeRadio(dialog, name, caption);
    button->setProperty(typeProperty, type);
    QObject::connect(button, &QRadioButton::toggled, dialog, [&holder, type](bool checked) {
        if (checked)
            holder = type;
    });
    return button;
}

} // namespace

MarkSample::MarkSample(Shape shape, QWidget *parent)
    : QWidget(parent)
    , m_shape(shape)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize MarkSample::sizeHint() const
{
    // About the size of a bullet in the dialog's font, at any scale.
    const int side = qMax(6, fontMetrics().height() * 3 / 5);
    return {side, side};
}

void MarkSample::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int side = qMin(qMin(width(), height()), sizeHint().width());
    QRect box(0, 0, side, side);
    box.moveCenter(rect().center());
    switch (m_shape) {
    case Shape::BlackSquare:
        painter.fillRect(box, Qt::black);
        break;
    case Shape::BlackCircle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QRectF(box));
        break;
    case Shape::WhiteCircle:
        painter.setRenderHint(QPainter::Antialiasing);
        // The outline's centre half a pixel inside, so it stays within the box.
        painter.setPen(QPen(Qt::black, 1.0));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    }
}

TfrmMarkList::TfrmMarkList(QWidget *parent)
    : TAttributeDialog(u"マーク付きリスト"_s, parent)
    , optSquare(typeButton(this, "optSquare", u"四角(square)"_s, m_markType, u"square"_s))
    , optDisk(typeButton(this, "optDisk", u"黒丸(disk)"_s, m_markType, u"disk"_s))
    , optCircle(typeButton(this, "optCircle", u"白丸(circle)"_s, m_markType, u"circle"_s))
    , shpSquare(new MarkSample(MarkSample::Shape::BlackSquare, this))
    , shpDisk(new MarkSample(MarkSample::Shape::BlackCircle, this))
    , shpCircle(new MarkSample(MarkSample::Shape::WhiteCircle, this))
{
    setObjectName(u"frmMarkList"_s);
    body()->addWidget(new QLabel(u"ﾏｰｸの種類"_s, this));
    auto *grid = new QGridLayout;
    grid->setContentsMargins(fontMetrics().height(), 0, 0, 0);
    const struct {
        QRadioButton *button;
        MarkSample *sample;
        const char *name;
    } rows[] = {
        {optSquare, shpSquare, "shpSquare"},
        {optDisk, shpDisk, "shpDisk"},
        {optCircle, shpCircle, "shpCircle"},
    };
    int row = 0;
    for (const auto &r : rows) {
        nameControl(r.sample, r.name, r.button->text());
        grid->addWidget(r.button, row, 0);
        grid->addWidget(r.sample, row, 1, Qt::AlignCenter);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    body()->addLayout(grid);

    setTabOrder(optSquare, optDisk);
    setTabOrder(optDisk, optCircle);
    setTabOrder(optCircle, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
}

void TfrmMarkList::reset()
{
    setOptions({u"disk"_s});
    optDisk->setFocus();
}

void TfrmMarkList::setOptions(const BulletedListOptions &o)
{
    chooseType({optSquare, optDisk, optCircle}, o.markType, optDisk);
}

TfrmNumList::TfrmNumList(QWidget *parent)
    : TAttributeDialog(u"番号順リスト"_s, parent)
    , optUpperLetter(typeButton(this, "optUpperLetter", u"A,B,C･･･"_s, m_numberType, u"A"_s))
    , optLowerLetter(typeButton(this, "optLowerLetter", u"a,b,c･･･"_s, m_numberType, u"a"_s))
    , optUpperRoman(typeButton(this, "optUpperRoman", u"I,II,III･･･"_s, m_numberType, u"I"_s))
    , optLowerRoman(typeButton(this, "optLowerRoman", u"i,ii,iii･･･"_s, m_numberType, u"i"_s))
    , optArabic(typeButton(this, "optArabic", u"1,2,3･･･"_s, m_numberType, u"1"_s))
    , txtStart(makeEdit(this, "txtStart", u"開始の番号"_s))
{
    setObjectName(u"frmNumList"_s);
    body()->addWidget(new QLabel(u"番号の種類"_s, this));
    auto *types = new QVBoxLayout;
    types->setContentsMargins(fontMetrics().height(), 0, 0, 0);
    for (QRadioButton *button : {optUpperLetter, optLowerLetter, optUpperRoman, optLowerRoman, optArabic})
        types->addWidget(button);
    body()->addLayout(types);

    auto *startRow = new QHBoxLayout;
    auto *startLabel = makeLabel(this, "", u"開始の番号"_s, txtStart);
    startRow->addWidget(startLabel);
    startRow->addWidget(txtStart);
    startRow->addStretch();
    body()->addLayout(startRow);

    setTabOrder(optArabic, txtStart);
    setTabOrder(txtStart, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
}

void TfrmNumList::reset()
{
    setOptions({u"A"_s, u"1"_s});
    optUpperLetter->setFocus();
}

void TfrmNumList::setOptions(const NumberedListOptions &o)
{
    chooseType({optUpperLetter, optLowerLetter, optUpperRoman, optLowerRoman, optArabic}, o.numberType,
               optUpperLetter);
    txtStart->setText(o.start);
}

NumberedListOptions TfrmNumList::options() const
{
    return {m_numberType, txtStart->text()};
}

void TfrmNumList::checkAtOk()
{
    keepWholeNumber(txtStart, u"1"_s);
}
