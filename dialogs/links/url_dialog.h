#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/links/link_tag.h"

class QLineEdit;
class QToolButton;

// The address of a link to another document. Empty on every show.
class TfrmUrl : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmUrl(QWidget *parent = nullptr);

    void reset() override;
    UrlOptions options() const;
    void setOptions(const UrlOptions &options);

    QLineEdit *txtFilename;
    QToolButton *cmdSansyo;
};

// Wraps the selection in a link to the document named here.
inline constexpr DocumentCommand LinkOtherDocClick =
    &dialogCommand<TfrmUrl, linkOtherDocTag, Placement::AroundSelection>;
