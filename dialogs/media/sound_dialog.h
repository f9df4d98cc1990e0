#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/media/sound_tag.h"

class QCheckBox;
class QLineEdit;
class QToolButton;

// "バックグラウンドサウンド": the sound file and how often it plays. Every
// show starts afresh.
class TfrmSound : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmSound(QWidget *parent = nullptr);

    void reset() override;
    SoundOptions options() const;
    void setOptions(const SoundOptions &options);

    QLineEdit *txtFilename;
    QToolButton *cmdSansyo;
    QCheckBox *chkLoop;
    QLineEdit *txtLoop;
    QCheckBox *chkInfinite;

protected:
    void checkAtOk() override;
};

// Puts a BGSOUND line in front of the selection, which stays.
inline constexpr DocumentCommand MMSoundClick =
    &dialogCommand<TfrmSound, soundTag, Placement::BeforeSelection>;
