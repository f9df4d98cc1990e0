#include "app/view_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString viewSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + u"/marquill/marquill.conf"_s;
}

ViewOptions readViewSettings(const QString &file)
{
    ViewOptions options;
    if (!QFileInfo::exists(file))
        return options;
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(u"View"_s);
    options.colourTags = settings.value(u"ColourTags"_s, options.colourTags).toBool();
    options.lineNumbers = settings.value(u"LineNumbers"_s, options.lineNumbers).toBool();
    options.wrap = settings.value(u"Wrap"_s, options.wrap).toBool();
    return options;
}

bool writeViewSettings(const QString &file, const ViewOptions &options)
{
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(u"View"_s);
    settings.setValue(u"ColourTags"_s, options.colourTags);
    settings.setValue(u"LineNumbers"_s, options.lineNumbers);
    settings.setValue(u"Wrap"_s, options.wrap);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}
