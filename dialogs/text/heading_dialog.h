#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/text/heading_tag.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class SizeSlider;

// "見出し": the level on the size slider (a bigger sample is a higher
// heading) and an optional alignment. The "位置" box keeps its state between
// uses; everything else starts afresh on every show.
class TfrmTitle : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmTitle(QWidget *parent = nullptr);

    void reset() override;
    HeadingOptions options() const;
    void setOptions(const HeadingOptions &options);

    QFrame *panel;
    SizeSlider *sizeSlider;
    QSlider *TrackBar1;
    QLabel *lblSize;
    QLineEdit *txtSize;
    QCheckBox *chkPosition;
    QRadioButton *optLeft;
    QRadioButton *optCenter;
    QRadioButton *optRight;
    QLineEdit *txtPosition;

protected:
    void checkAtOk() override;
};

// The heading level of a slider position: H1 at the right end (6), H6 at the left (1).
constexpr int HeadingLevel(int position)
{
    return 7 - position;
}

// Wraps the selection in the heading H1 to H6 chosen here.
inline constexpr DocumentCommand MidashiClick =
    &dialogCommand<TfrmTitle, headingTag, Placement::AroundSelection>;
