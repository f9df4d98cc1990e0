#include "dialogs/links/html_browse.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"

#include <QLineEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

QToolButton *makeHtmlBrowseButton(QWidget *parent, QLineEdit *target, const QString &label)
{
    auto *button = new QToolButton(parent);
    nameControl(button, "cmdSansyo", label);
    button->setText(u"..."_s);
    button->setToolTip(u"参照"_s);
    QObject::connect(button, &QToolButton::clicked, target, [parent, target] {
        if (const std::optional<QString> name =
                browseFileName(parent, QString::fromUtf16(htmlFileFilter), NameCase::Lower))
            target->setText(*name);
    });
    return button;
}
