#include "dialogs/links/url_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

TfrmUrl::TfrmUrl(QWidget *parent)
    : TAttributeDialog(u"他のドキュメントへリンク"_s, parent)
{
    setObjectName(u"frmUrl"_s);
    const QString label = u"URLまたはﾌｧｲﾙ名"_s;
    txtFilename = makeEdit(this, "txtFilename", label);
    auto *caption = makeLabel(this, "", label, txtFilename);
    cmdSansyo = makeBrowseButton(this, "cmdSansyo", txtFilename, htmlFileFilter, NameCase::Lower,
                                 label);
    // Room for a typical address; the field grows with the font at any scale.
    txtFilename->setMinimumWidth(txtFilename->fontMetrics().averageCharWidth() * 40);

    auto *grid = new QGridLayout;
    grid->addWidget(caption, 0, 0, 1, 2);
    grid->addWidget(txtFilename, 1, 0);
    grid->addWidget(cmdSansyo, 1, 1);
    body()->addLayout(grid);
}

void TfrmUrl::reset()
{
    setOptions({});
    txtFilename->setFocus();
}

UrlOptions TfrmUrl::options() const
{
    return {txtFilename->text()};
}

void TfrmUrl::setOptions(const UrlOptions &o)
{
    txtFilename->setText(o.fileName);
}
