#include "dialogs/links/url_dialog.h"

#include "dialogs/controls.h"
#include "dialogs/links/html_browse.h"

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
    auto *caption = new QLabel(label, this);
    txtFilename = makeEdit(this, "txtFilename", label);
    caption->setBuddy(txtFilename);
    cmdSansyo = makeHtmlBrowseButton(this, txtFilename, label);
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
    txtFilename->clear();
    txtFilename->setFocus();
}

UrlOptions TfrmUrl::options() const
{
    return {txtFilename->text()};
}
