#include "app/settings.h"

#include "document/whole_number.h"
#include "platform/profile_file.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString section = u"Marquill"_s;

QString fileKey(int index)
{
    return u"File"_s + QString::number(index);
}

class SettingsReader
{
public:
    explicit SettingsReader(const QString &file) : m_profile(ProfileFile::load(file)) {}

    // A missing key and a key whose value is "*" both read as empty.
    QString text(const QString &key) const
    {
        const QString value = m_profile.value(section, key, u"*"_s);
        return value == u"*" ? QString() : value;
    }

    void readInt(const QString &key, std::optional<int> &target) const
    {
        if (const std::optional<int> value = wholeNumberValue(text(key)))
            target = value;
    }

    void readInt(const QString &key, int &target) const
    {
        if (const std::optional<int> value = wholeNumberValue(text(key)))
            target = *value;
    }

    void readFlag(const QString &key, bool &target) const
    {
        if (const std::optional<int> value = wholeNumberValue(text(key)))
            target = *value != 0;
    }

    void readNonEmpty(const QString &key, QString &target) const
    {
        const QString value = text(key);
        if (!value.isEmpty())
            target = value;
    }

private:
    ProfileFile m_profile;
};

} // namespace

void readSettings(const QString &file, MainSettings &settings)
{
    const SettingsReader reader(file);
    reader.readInt(u"Left"_s, settings.left);
    reader.readInt(u"Top"_s, settings.top);
    reader.readInt(u"Width"_s, settings.width);
    reader.readInt(u"Height"_s, settings.height);
    reader.readFlag(u"ToolBar1"_s, settings.toolBar1);
    reader.readFlag(u"ToolBar2"_s, settings.toolBar2);
    reader.readNonEmpty(u"FontName"_s, settings.fontName);
    reader.readInt(u"FontSize"_s, settings.fontSize);
    for (int i = 0; i < RecentFiles::Count; ++i)
        settings.recentFiles.set(i, reader.text(fileKey(i)));
    reader.readNonEmpty(u"BrowserPath"_s, settings.browserPath);
}

bool writeSettings(const QString &file, const MainSettings &settings)
{
    // An installed program keeps the file in a folder that may not exist yet.
    QDir().mkpath(QFileInfo(file).absolutePath());
    ProfileFile profile = ProfileFile::load(file);
    auto number = [](const std::optional<int> &value) {
        return value ? QString::number(*value) : QString();
    };
    profile.setValue(section, u"Left", number(settings.left));
    profile.setValue(section, u"Top", number(settings.top));
    profile.setValue(section, u"Width", number(settings.width));
    profile.setValue(section, u"Height", number(settings.height));
    profile.setValue(section, u"ToolBar1", settings.toolBar1 ? u"1"_s : u"0"_s);
    profile.setValue(section, u"ToolBar2", settings.toolBar2 ? u"1"_s : u"0"_s);
    profile.setValue(section, u"FontName", settings.fontName);
    profile.setValue(section, u"FontSize", QString::number(settings.fontSize));
    for (int i = 0; i < RecentFiles::Count; ++i)
        profile.setValue(section, fileKey(i), settings.recentFiles.at(i));
    profile.setValue(section, u"BrowserPath", settings.browserPath);
    return profile.save(file);
}
