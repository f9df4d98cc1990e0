#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/links/meta_tag.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

// Reads as one sentence: (this document | address) を (seconds)
// 秒後に自動的に読み込む. Each show starts from this document, both boxes empty.
class TfrmMeta : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmMeta(QWidget *parent = nullptr);

    void reset() override;
    MetaOptions options() const;
    void setOptions(const MetaOptions &options);

    QRadioButton *optOwn;
    QRadioButton *optUrl;
    QLineEdit *txtFilename;
    QToolButton *cmdSansyo;
    QLabel *lblExample;
    QLineEdit *txtContent;

protected:
    void checkAtOk() override;
};

// Puts the META refresh tag chosen here in front of the selection, with a line break after it.
inline constexpr DocumentCommand PageMetaClick =
    &dialogCommand<TfrmMeta, metaTag, Placement::AroundSelection>;
