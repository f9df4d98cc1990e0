#include "dialogs/browse.h"

#include "platform/platform.h"

#include <QFileInfo>

std::optional<QString> browseFileName(QWidget *parent, const QString &filter, NameCase nameCase)
{
    const std::optional<QString> chosen = platform().openFileName(parent, filter);
    if (!chosen)
        return std::nullopt;
    const QString name = QFileInfo(*chosen).fileName();
    return nameCase == NameCase::Lower ? name.toLower() : name;
}
