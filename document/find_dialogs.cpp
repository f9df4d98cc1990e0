#include "document/find_dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QPushButton *makeButton(const QString &caption, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TFindDialog::TFindDialog(QWidget *parent)
    : QDialog(parent)
    , txtFind(new QLineEdit(this))
    , chkWholeWord(new QCheckBox(QStringLiteral("単語単位で探す(&W)"), this))
    , chkMatchCase(new QCheckBox(QStringLiteral("大文字と小文字を区別する(&C)"), this))
    , optUp(new QRadioButton(QStringLiteral("上へ(&U)"), this))
    , optDown(new QRadioButton(QStringLiteral("下へ(&D)"), this))
    , cmdFindNext(makeButton(QStringLiteral("次を検索(&F)"), "cmdFindNext", this))
    , CancelBtn(makeButton(QStringLiteral("ｷｬﾝｾﾙ"), "CancelBtn", this))
    , m_fields(new QGridLayout)
{
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(QStringLiteral("検索"));
    setModal(false);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    chkWholeWord->setObjectName(QStringLiteral("chkWholeWord"));
    chkMatchCase->setObjectName(QStringLiteral("chkMatchCase"));
    optUp->setObjectName(QStringLiteral("optUp"));
    optDown->setObjectName(QStringLiteral("optDown"));
    optDown->setChecked(true);
    txtFind->setMinimumWidth(fontMetrics().averageCharWidth() * 32);
    cmdFindNext->setDefault(true);

    auto *findLabel = new QLabel(QStringLiteral("検索する文字列(&N):"), this);
    findLabel->setBuddy(txtFind);
    m_fields->addWidget(findLabel, 0, 0);
    m_fields->addWidget(txtFind, 0, 1);

    auto *direction = new QGroupBox(QStringLiteral("方向"), this);
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(optUp);
    directionLayout->addWidget(optDown);

    auto *checks = new QVBoxLayout;
    checks->addWidget(chkWholeWord);
    checks->addWidget(chkMatchCase);
    checks->addStretch();
    auto *optionsRow = new QHBoxLayout;
    optionsRow->addLayout(checks);
    optionsRow->addWidget(direction);

    auto *left = new QVBoxLayout;
    left->addLayout(m_fields);
    left->addLayout(optionsRow);
    left->addStretch();

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdFindNext);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();
    m_buttons = buttons;

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdFindNext, &QPushButton::clicked, this, &TFindDialog::findNextClicked);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(txtFind, &QLineEdit::textChanged, this, [this] { updateButtons(); });
    updateButtons();
}

QString TFindDialog::findText() const
{
    return txtFind->text();
}

void TFindDialog::setFindText(const QString &text)
{
    txtFind->setText(text);
    txtFind->selectAll();
}

SearchOptions TFindDialog::options() const
{
    SearchOptions options;
    options.down = optDown->isChecked();
    options.matchCase = chkMatchCase->isChecked();
    options.wholeWord = chkWholeWord->isChecked();
    return options;
}

void TFindDialog::updateButtons()
{
    cmdFindNext->setEnabled(!txtFind->text().isEmpty());
}

TReplaceDialog::TReplaceDialog(QWidget *parent)
    : TFindDialog(parent)
    , txtReplace(new QLineEdit(this))
    , cmdReplace(makeButton(QStringLiteral("置換して次に(&R)"), "cmdReplace", this))
    , cmdReplaceAll(makeButton(QStringLiteral("すべて置換(&A)"), "cmdReplaceAll", this))
{
    setObjectName(QStringLiteral("ReplaceDialog"));
    setWindowTitle(QStringLiteral("置換"));
    txtReplace->setObjectName(QStringLiteral("txtReplace"));

    auto *replaceLabel = new QLabel(QStringLiteral("置換後の文字列(&P):"), this);
    replaceLabel->setBuddy(txtReplace);
    fieldLayout()->addWidget(replaceLabel, 1, 0);
    fieldLayout()->addWidget(txtReplace, 1, 1);

    // Between Find Next and Cancel, as on every replace dialog.
    auto *buttons = static_cast<QVBoxLayout *>(buttonColumn());
    buttons->insertWidget(1, cmdReplace);
    buttons->insertWidget(2, cmdReplaceAll);
    setTabOrder(txtFind, txtReplace);

    connect(cmdReplace, &QPushButton::clicked, this, [this] { Q_EMIT replaceClicked(false); });
    connect(cmdReplaceAll, &QPushButton::clicked, this, [this] { Q_EMIT replaceClicked(true); });
    updateButtons();
}

QString TReplaceDialog::replaceText() const
{
    return txtReplace->text();
}

void TReplaceDialog::updateButtons()
{
    TFindDialog::updateButtons();
    const bool hasText = !txtFind->text().isEmpty();
    cmdReplace->setEnabled(hasText);
    cmdReplaceAll->setEnabled(hasText);
}
