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
    txtFilename = makeEdit(panel, "txtFilename", fileCaption);
    auto *fileLabel = makeLabel(panel, "", fileCaption, txtFilename);
    cmdSansyo = makeBrowseButton(
        panel, "cmdSansyo", txtFilename,
        u"MIDIﾌｧｲﾙ(*.MID)|*.MID|WAVEﾌｧｲﾙ(*.WAV)|*.WAV|AUﾌｧｲﾙ(*.AU)|*.AU|全てのﾌｧｲﾙ(*.*)|*.*",
        NameCase::Lower, fileCaption);
    chkLoop = makeCheck(panel, "chkLoop", u"再生回数"_s);
    txtLoop = makeNumberEdit(panel, "txtLoop", u"再生回数"_s);
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
}

void TfrmSound::reset()
{
    setOptions({});
    txtFilename->setFocus();
}

void TfrmSound::setOptions(const SoundOptions &o)
{
    txtFilename->setText(o.fileName);
    chkLoop->setChecked(o.loop);
    chkInfinite->setChecked(o.infinite);
    txtLoop->setText(o.loopCount);
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
