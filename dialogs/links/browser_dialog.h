#pragma once

#include "dialogs/attribute_dialog.h"

class QLineEdit;
class QToolButton;

// The browser program's path, typed or chosen whole with its folder. The
// command fills it before every show; the dialog only moves the focus.
class TfrmBrowser : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmBrowser(QWidget *parent = nullptr);

    void reset() override;
    QString browserPath() const;

    QLineEdit *txtFilename;
    QToolButton *cmdSansyo;

private:
    void browse();
};
