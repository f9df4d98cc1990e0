#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/media/marquee_motion.h"
#include "dialogs/media/marquee_tag.h"
#include "dialogs/color_picker.h"

class MarqueeStrip;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTimer;

// "マーキー": the attributes of MARQUEE on two tabs, and a preview strip in
// which a sample word moves as the marquee will. Each show starts with every
// option off; the units, the endless-loop box, the strip's colour and the
// sample's place stay as the last use left them.
class TfrmMarquee : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmMarquee(QWidget *parent = nullptr);

    void reset() override;
    MarqueeOptions options() const;
    void setOptions(const MarqueeOptions &options);
    const MarqueeMotion &motion() const { return m_motion; }

    // Starts the preview from the dialog's settings (ﾌﾟﾚﾋﾞｭｰ).
    void BitBtn1Click();
    // Moves the sample one step while the preview runs.
    void Timer1Timer();

    QTabWidget *PageControl1;
    QWidget *TabSheet1;
    QWidget *TabSheet2;

    // 基本
    QCheckBox *chkBehavior;
    QComboBox *cboBehavior;
    QCheckBox *chkColor;
    ColorPicker *picker;
    QCheckBox *chkWidth;
    QLineEdit *txtWidth;
    QComboBox *cboTaniW;
    QCheckBox *chkHeight;
    QLineEdit *txtHeight;
    QComboBox *cboTaniH;

    // 拡張
    QCheckBox *chkSpace;
    QLabel *Label4;
    QLineEdit *txtVSpace;
    QLabel *Label5;
    QLineEdit *txtHSpace;
    QCheckBox *chkLoop;
    QLineEdit *txtLoop;
    QCheckBox *chkInfinite;
    QCheckBox *chkScrollamount;
    QLineEdit *txtScrollamount;
    QCheckBox *chkScrolldelay;
    QLineEdit *txtScrolldelay;
    QCheckBox *chkDirection;
    QCheckBox *chkAlign;
    QComboBox *cboAlign;

    // The preview
    QFrame *Panel17;
    MarqueeStrip *Panel18;
    QPushButton *BitBtn1;
    QTimer *Timer1;

protected:
    void checkAtOk() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *makeBasicPage();
    QWidget *makeExtendedPage();
    // The timer ticks only while the dialog is on screen and has an interval.
    void updateTimer();

    StandardColorDialog m_colorDialog;
    MarqueeMotion m_motion;
    bool m_onScreen = false;
};

// Wraps the selection in MARQUEE with the attributes chosen here.
inline constexpr DocumentCommand MMMarqueeClick =
    &dialogCommand<TfrmMarquee, marqueeTag, Placement::AroundSelection>;
