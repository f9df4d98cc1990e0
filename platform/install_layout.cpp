#include "platform/install_layout.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString helpName = u"marquill.html"_s;

} // namespace

QString installedDataFolder(const QString &programFolder)
{
    const QString folder =
        QDir::cleanPath(programFolder + QStringLiteral(MARQUILL_DATA_FROM_PROGRAM)) + u'/';
    return QFileInfo(folder + helpName).isFile() ? folder : QString();
}

QString helpFilePath(const QString &programFolder)
{
    const QString beside = programFolder + helpName;
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed = installedDataFolder(programFolder);
    return installed.isEmpty() ? beside : installed + helpName;
}

QString settingsFilePath(const QString &programFolder)
{
    // An installed program keeps out of its folder even when whoever runs it
    // could write there.
    if (QFileInfo(programFolder).isWritable() && installedDataFolder(programFolder).isEmpty())
        return programFolder + u"MARQUILL.INI"_s;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/marquill/MARQUILL.INI"_s;
}
