#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/media/image_tag.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

// The small picture of the text-position preview.
class ImagePicture : public QWidget
{
    Q_OBJECT
public:
    explicit ImagePicture(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A picture's file, the place of the text beside it, the space around it,
// its alternative text, border and image map. Each show starts from a bare
// picture; only the image-map box stays as it was left.
class TfrmImage : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmImage(QWidget *parent = nullptr);

    void reset() override;
    ImageOptions options() const;
    void setOptions(const ImageOptions &options);

    QLineEdit *txtFilename;
    QToolButton *cmdSansyo;
    // Where the text goes: なし, 右, 左, 上, 中央, 下.
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QRadioButton *RadioButton4;
    QRadioButton *RadioButton5;
    QRadioButton *RadioButton6;
    QCheckBox *chkSpace;
    QLabel *lblVSpace;
    QLineEdit *txtVSpace;
    QLabel *lblHSpace;
    QLineEdit *txtHSpace;
    QCheckBox *chkAlt;
    QLineEdit *txtAlt;
    QCheckBox *chkBorder;
    QLineEdit *txtBorder;
    QCheckBox *chkUsemap;
    QLineEdit *txtMap;
    ImagePicture *Image1;
    // The sample text beside the picture, one per position but なし.
    QLabel *lblText1;
    QLabel *lblText2;
    QLabel *lblText3;
    QLabel *lblText4;
    QLabel *lblText5;

protected:
    void checkAtOk() override;

private:
    void RadioButton1Click(QRadioButton *sender);

    // The alignment the chosen text position stands for.
    QString lblPos;
};

// Puts the picture chosen here in front of the selection, which stays.
inline constexpr DocumentCommand ImageImageClick =
    &dialogCommand<TfrmImage, imageTag, Placement::BeforeSelection>;
