#pragma once

#include "dialogs/attribute_dialog.h"
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

    QLineEdit *txtFilename;
    QToolButton *cmdSansyo;
};
