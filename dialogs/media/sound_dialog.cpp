#include "dialogs/media/sound_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

TfrmSound::TfrmSound(QWidget *parent)
    : TAttributeDialog(u"バックグラウンドサウンド"_s, parent)
{
    setObjectName(u"frmSound"_s);
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    const QString fileCaption = u"ｻｳﾝﾄﾞﾌｧｲﾙ名"_s;
    auto *fileLabel = new QLabel(fileCaption, panel);
    txtFilename = makeEdit(panel, "txtFilename", fileCaption);
    fileLabel->setBuddy(txtFilename);
    cmdSansyo = new QToolButton(panel);
    nameControl(cmdSansyo, "cmdSansyo", fileCaption);
    cmdSansyo->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    cmdSansyo->setToolTip(u"参照"_s);
    chkLoop = makeCheck(panel, "chkLoop", u"再生回数"_s);
    txtLoop = makeEdit(panel, "txtLoop", u"再生回数"_s);
    txtLoop->setFixedWidth(txtLoop->fontMetrics().horizontalAdvance(u"0000000"_s));
    chkInfinite = makeCheck(panel, "chkInfinite", u"無限ﾙｰﾌﾟ"_s);
    setTabOrder(chkInfinite, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    auto *file = new QHBoxLayout;
    file->addWidget(txtFilename, 1);
    file->addWidget(cmdSansyo);

    auto *loop = new QHBoxLayout;
    loop->addWidget(chkLoop);
    loop->addWidget(txtLoop);
    loop->addSpacing(12);
    loop->addWidget(chkInfinite);
    loop->addStretch();

    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(fileLabel);
    layout->addLayout(file);
    layout->addSpacing(6);
    layout->addLayout(loop);
    body()->addWidget(panel);
    // Wide enough for a file name with its extension at any scale.
    txtFilename->setMinimumWidth(txtFilename->fontMetrics().horizontalAdvance(u"M"_s) * 24);

    enableWhileChecked(chkLoop, {txtLoop, chkInfinite});
    connect(cmdSansyo, &QToolButton::clicked, this, [this] {
        if (const std::optional<QString> name = browseFileName(
                this,
                u"MIDIﾌｧｲﾙ(*.MID)|*.MID|WAVEﾌｧｲﾙ(*.WAV)|*.WAV|AUﾌｧｲﾙ(*.AU)|*.AU|全てのﾌｧｲﾙ(*.*)|*.*"_s,
                NameCase::Lower))
            txtFilename->setText(*name);
    });
}

void TfrmSound::reset()
{
    txtFilename->clear();
    txtLoop->clear();
    chkLoop->setChecked(false);
    chkInfinite->setChecked(false);
    txtFilename->setFocus();
}

// The count is checked even while it is not written.
void TfrmSound::checkAtOk()
{
    keepWholeNumber(txtLoop, u"1"_s);
}

SoundOptions TfrmSound::options() const
{
    return {
        .fileName = txtFilename->text(),
        .loop = chkLoop->isChecked(),
        .infinite = chkInfinite->isChecked(),
        .loopCount = txtLoop->text(),
    };
}
