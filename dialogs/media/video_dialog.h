#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/media/video_tag.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;

// "ビデオクリップ": the clip and its picture attributes on "基本", the still
// picture, image maps, repetition and play timing on "拡張". Every show
// starts afresh, except that the two alignment lists keep their choice for
// the run (they start with none).
class TfrmVideo : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmVideo(QWidget *parent = nullptr);

    void reset() override;
    VideoOptions options() const;
    void setOptions(const VideoOptions &options);

    QTabWidget *PageControl1;

    // 基本
    QWidget *TabSheet1;
    QLineEdit *txtFilename;
    QToolButton *cmdSansyo;
    QCheckBox *chkSize;
    QLabel *Label4;
    QLineEdit *txtWidth;
    QLabel *Label5;
    QLineEdit *txtHeight;
    QCheckBox *chkAlign;
    QComboBox *cboAlign;
    QCheckBox *chkBorder;
    QLineEdit *txtBorder;
    QCheckBox *chkTextAlign;
    QComboBox *cboTextAlign;
    QCheckBox *chkSpace;
    QLabel *Label7;
    QLineEdit *txtHSpace;
    QLabel *Label6;
    QLineEdit *txtVSpace;
    QCheckBox *chkAlt;
    QLineEdit *txtAlt;

    // 拡張
    QWidget *TabSheet2;
    QCheckBox *chkImage;
    QLineEdit *txtImage;
    QToolButton *cmdSansyo2;
    QCheckBox *chkIsmap;
    QCheckBox *chkUsemap;
    QLineEdit *txtMap;
    // Shown and reset like the others, but no attribute of the tag follows it.
    QCheckBox *chkControl;
    QCheckBox *chkLoop;
    QLineEdit *txtLoop;
    QCheckBox *chkInfinite;
    QCheckBox *chkFileopen;
    QCheckBox *chkMouseover;

protected:
    void checkAtOk() override;

private:
    QWidget *makeBasicPage();
    QWidget *makeExtendedPage();
};

// Puts an IMG tag for the video clip in front of the selection, which stays.
inline constexpr DocumentCommand MMVideoClick =
    &dialogCommand<TfrmVideo, videoTag, Placement::BeforeSelection>;
