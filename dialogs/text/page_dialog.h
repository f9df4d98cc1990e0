#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/color_picker.h"
#include "dialogs/text/page_tag.h"

class PagePreview;
class PageSample;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;

// The page's colours, background pattern and margins. One colour picker
// sets the five colours one at a time: clicking a sample of the preview (or
// its background) picks which. The colours and the pattern box stay as the
// user left them, also after Cancel, for the whole run.
class TfrmPage : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmPage(QWidget *parent = nullptr);

    void reset() override;
    PageOptions options() const;
    void setOptions(const PageOptions &options);

    // Which colour the picker sets: "TEXT", "LINK", "VLINK", "ALINK" or "BACK".
    QString PageColorTarget() const;

    QTabWidget *PageControl;

    // 基本
    QCheckBox *chkColor;
    PagePreview *pnlBack;
    PageSample *lblText;
    PageSample *lblLink;
    PageSample *lblVlink;
    PageSample *lblAlink;
    PageSample *lblBack;
    QLabel *lblType;
    ColorPicker *picker;

    // 拡張
    QCheckBox *chkPattern;
    QLineEdit *txtFilename;
    QToolButton *BitBtn1;
    QCheckBox *chkBgproperties;
    QCheckBox *chkMargin;
    QLabel *lblLeft;
    QLineEdit *txtLeft;
    QLabel *lblTop;
    QLineEdit *txtTop;

protected:
    void checkAtOk() override;

private:
    enum class Target { Text, Link, Vlink, Alink, Back };

    QWidget *makeBasicPage();
    QWidget *makeExtendedPage();
    void selectTarget(Target target);
    void applyColor(const QColor &color);
    void setBackground(const QColor &color);
    PageSample *sampleOf(Target target) const;
    QColor colorOf(Target target) const;

    StandardColorDialog m_colorDialog;
    Target m_target = Target::Text;
};

// Wraps the selection in a BODY element with the colours, background and margins chosen here.
inline constexpr DocumentCommand PageConfigClick =
    &dialogCommand<TfrmPage, pageTag, Placement::AroundSelection>;
