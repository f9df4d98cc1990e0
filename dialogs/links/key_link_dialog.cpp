#include "dialogs/links/key_link_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"

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
    txtFilename = makeEdit(this, "txtFilename", fileLabel);
    auto *fileCaption = makeLabel(this, "", fileLabel, txtFilename);
    cmdSansyo = makeBrowseButton(this, "cmdSansyo", txtFilename, htmlFileFilter, NameCase::Lower,
                                 fileLabel);
    txtKeyword = makeEdit(this, "txtKeyword", keywordLabel);
    auto *keywordCaption = makeLabel(this, "", keywordLabel, txtKeyword);
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
    setOptions({});
    txtFilename->setFocus();
}

KeyLinkOptions TfrmKeyLink::options() const
{
    return {txtFilename->text(), txtKeyword->text()};
}

void TfrmKeyLink::setOptions(const KeyLinkOptions &o)
{
    txtFilename->setText(o.fileName);
    txtKeyword->setText(o.keyword);
}
