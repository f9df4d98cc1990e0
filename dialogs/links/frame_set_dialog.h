#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/links/frame_set_tag.h"

#include <QGroupBox>
#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// A frame set: its direction and unit, up to five sizes and the remainder
// the last frame takes, its border and spacing, and on a second page a
// small picture of the layout. The sizes are tidied ("更新", and OK before
// closing) into whole numbers above 0, closed up to the front. Only the
// spacing box keeps its tick between uses.
class TfrmFrameSet : public TAttributeDialog
{
    Q_OBJECT
public:
    // A captioned group of radio buttons side by side, chosen by index.
    class RadioGroup : public QGroupBox
    {
    public:
        RadioGroup(const char *name, const QString &caption, const QStringList &items, QWidget *parent);

        int itemIndex() const;
        void setItemIndex(int index);
        QRadioButton *button(int index) const;
        // Focus on the chosen button, where the keyboard takes up the group.
        void focusChosen();

    private:
        QButtonGroup *m_group;
    };

    explicit TfrmFrameSet(QWidget *parent = nullptr);

    void reset() override;
    FrameSetOptions options() const;
    void setOptions(const FrameSetOptions &options);

    // Tidies the sizes, works out the remainder, makes the spacing a number
    // and redraws the preview.
    void normalise();

    QTabWidget *PageControl;

    // 設定
    RadioGroup *optType;
    RadioGroup *optTani;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QLineEdit *Edit5;
    QLineEdit *Edit6;
    QCheckBox *chkFrameBorder;
    QCheckBox *chkFrameSpacing;
    QLineEdit *txtFrameSpacing;

    // ﾌﾟﾚﾋﾞｭｰ
    QWidget *pnlPreview;
    QLabel *Panel1;
    QLabel *Panel2;
    QLabel *Panel3;
    QLabel *Panel4;
    QLabel *Panel5;
    QLabel *Panel6;
    QPushButton *Button1;

protected:
    void checkAtOk() override;

private:
    QWidget *makeSettingsPage();
    QWidget *makePreviewPage();
    std::array<QLineEdit *, frameSizeBoxes> sizeBoxes() const;
    FrameDirection direction() const;
    FrameUnit unit() const;
    void drawPreview();
};

// Wraps the selection (typically the FRAME tags) in the FRAMESET laid out here.
inline constexpr DocumentCommand FrameFrameSetClick =
    &dialogCommand<TfrmFrameSet, frameSetTag, Placement::AroundSelection>;
