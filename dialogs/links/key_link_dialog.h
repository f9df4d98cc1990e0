#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/links/link_tag.h"

class QLineEdit;
class QToolButton;

// A named position to link to: the document (none for this one) and the
// keyword. Empty on every show.
class TfrmKeyLink : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmKeyLink(QWidget *parent = nullptr);

    void reset() override;
    KeyLinkOptions options() const;
    void setOptions(const KeyLinkOptions &options);

    QLineEdit *txtFilename;
    QToolButton *cmdSansyo;
    QLineEdit *txtKeyword;
};

// Wraps the selection in a link to a named position.
inline constexpr DocumentCommand LinkOwnerDocClick =
    &dialogCommand<TfrmKeyLink, linkOwnerDocTag, Placement::AroundSelection>;
