#include "dialogs/browser_settings.h"

#include "dialogs/dialog_owner.h"
#include "platform/platform.h"
#include "platform/profile_file.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

bool writeBrowserPath(const QString &path)
{
    const QString file = platform().configFilePath();
    // An installed program keeps the file in a folder that may not exist yet.
    QDir().mkpath(QFileInfo(file).absolutePath());
    return WriteProfileValue(file, u"Marquill"_s, u"BrowserPath"_s, path);
}

BrowserSettings &browserSettings()
{
    return DialogOwner::current().browserSettings();
}
