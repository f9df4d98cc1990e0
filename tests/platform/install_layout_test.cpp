#include "platform/install_layout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A scratch prefix with bin/ and, when asked, the installed help document.
class InstallLayout : public ::testing::Test
{
protected:
    QTemporaryDir prefix;
    QTemporaryDir config;
    QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");

    void SetUp() override
    {
        ASSERT_TRUE(QDir(prefix.path()).mkpath(u"bin"_s));
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", savedConfigHome); }

    QString bin() const { return prefix.filePath(u"bin/"_s); }
    QString installedHelp() const { return prefix.filePath(u"share/marquill/marquill.html"_s); }

    void touch(const QString &file)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    }
};

TEST_F(InstallLayout, AnInstalledProgramReadsHelpFromItsDataFolder)
{
    touch(installedHelp());
    EXPECT_EQ(installedDataFolder(bin()), prefix.filePath(u"share/marquill/"_s));
    EXPECT_EQ(helpFilePath(bin()), installedHelp());
}

TEST_F(InstallLayout, HelpBesideTheProgramComesFirst)
{
    touch(installedHelp());
    touch(bin() + u"marquill.html"_s);
    EXPECT_EQ(helpFilePath(bin()), bin() + u"marquill.html"_s);
}

TEST_F(InstallLayout, WithoutAnyHelpTheViewerIsSentBesideTheProgram)
{
    EXPECT_EQ(installedDataFolder(bin()), QString());
    EXPECT_EQ(helpFilePath(bin()), bin() + u"marquill.html"_s);
}

TEST_F(InstallLayout, SettingsFollowTheKindOfFolder)
{
    const QString inConfig = config.filePath(u"marquill/MARQUILL.INI"_s);
    // A build tree or unpacked folder that one may write to: beside the program.
    EXPECT_EQ(settingsFilePath(bin()), bin() + u"MARQUILL.INI"_s);
    // Installed, though writable (run by root): the user's configuration.
    touch(installedHelp());
    EXPECT_EQ(settingsFilePath(bin()), inConfig);
}

TEST_F(InstallLayout, SettingsOfAProgramInAReadOnlyFolderGoToTheConfiguration)
{
    if (QFileInfo(u"/"_s).isWritable())
        GTEST_SKIP() << "running as root: no folder is read-only";
    QFile::setPermissions(bin(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(settingsFilePath(bin()), config.filePath(u"marquill/MARQUILL.INI"_s));
    QFile::setPermissions(bin(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
