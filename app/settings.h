#pragma once

#include "app/recent_files.h"

#include <QString>
#include <optional>

// What MARQUILL.INI keeps between runs (section "Marquill").
struct MainSettings {
    std::optional<int> left;
    std::optional<int> top;
    std::optional<int> width;
    std::optional<int> height;
    bool toolBar1 = true;
    bool toolBar2 = true;
    QString fontName = QStringLiteral("ＭＳ Ｐゴシック");
    int fontSize = 11;
    RecentFiles recentFiles;
    QString browserPath;
};

// Reads every key in order into `settings`. A missing key, or an integer
// key whose value is not a whole number, leaves its value as it was; empty
// FontName and BrowserPath are not taken; File0 to File9 are taken as they
// are, empty included.
void readSettings(const QString &file, MainSettings &settings);
// Writes every key in order, in one go. False when the file cannot be written.
bool writeSettings(const QString &file, const MainSettings &settings);
