#include "dialogs/links/key_link_dialog.h"

#include "dialogs/controls.h"
#include "dialogs/links/html_browse.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

TfrmKeyLink::TfrmKeyLink(QWidget *parent)
    : TAttributeDialog(u"特定の位置にリンク"_s, parent)
{
    setObjectName(u"frmKeyLink"_s);
    const QString fileLabel = u"URLまたはﾌｧｲﾙ名"_s;
    const QString keywordLabel = u"ｷｰﾜｰﾄﾞ"_s;
    auto *fileCaption = new QLabel(fileLabel, this);
    txtFilename = makeEdit(this, "txtFilename", fileLabel);
    fileCaption->setBuddy(txtFilename);
    cmdSansyo = makeHtmlBrowseButton(this, txtFilename, fileLabel);
    auto *keywordCaption = new QLabel(keywordLabel, this);
    txtKeyword = makeEdit(this, "txtKeyword", keywordLabel);
    keywordCaption->setBuddy(txtKeyword);
    // Room for a typical address; the fields grow with the font at any scale.
    txtFilename->setMinimumWidth(txtFilename->fontMetrics().averageCharWidth() * 40);

    auto *grid = new QGridLayout;
    grid->addWidget(fileCaption, 0, 0, 1, 2);
    grid->addWidget(txtFilename, 1, 0);
    grid->addWidget(cmdSansyo, 1, 1);
    grid->addWidget(keywordCaption, 2, 0, 1, 2);
    grid->addWidget(txtKeyword, 3, 0);
    body()->addLayout(grid);
}

void TfrmKeyLink::reset()
{
    txtFilename->clear();
    txtKeyword->clear();
    txtFilename->setFocus();
}

KeyLinkOptions TfrmKeyLink::options() const
{
    return {txtFilename->text(), txtKeyword->text()};
}
