#include "app/encoding_menu.h"

#include "document/encoding_commands.h"
#include "document/mdi_child.h"
#include "platform/charset_declaration.h"

#include <QActionGroup>
#include <QMenu>

using namespace Qt::StringLiterals;

QMenu *encodingMenuOf(const TMDIChild &doc)
{
    return doc.findChild<QMenu *>(u"ToolEncoding"_s);
}

void setUpEncodingMenu(TMDIChild &doc)
{
    QMenu *menu = encodingMenuOf(doc);
    if (!menu)
        return;
    auto *group = new QActionGroup(menu);
    QList<QAction *> radios;
    for (const char *name : {"EncodingShiftJis", "EncodingEucJp", "EncodingUtf8"}) {
        QAction *action = menu->findChild<QAction *>(QLatin1String(name));
        action->setCheckable(true);
        group->addAction(action);
        radios << action;
    }
    QAction *bom = menu->findChild<QAction *>(u"EncodingBom"_s);
    QAction *reopen = menu->findChild<QAction *>(u"EncodingReopen"_s);
    bom->setCheckable(true);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&doc, radios, bom, reopen] {
        const QString current = charsetName(doc.encoding);
        for (QAction *radio : radios)
            radio->setChecked(charsetName(encodingOfTag(radio->property("Tag").toInt())) == current);
        const bool utf8 = doc.encoding == TextEncoding::Utf8 || doc.encoding == TextEncoding::Utf8Bom;
        bom->setEnabled(utf8);
        bom->setChecked(doc.encoding == TextEncoding::Utf8Bom);
        // A page that was never saved has no file to read again.
        reopen->setEnabled(!doc.fileName().isEmpty());
    });
}
