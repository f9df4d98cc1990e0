#pragma once

#include "dialogs/attribute_dialog.h"
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

    QLineEdit *txtFilename;
    QToolButton *cmdSansyo;
    QLineEdit *txtKeyword;
};
