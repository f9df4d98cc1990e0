#pragma once

#include <QString>

// The browser program the preview hands pages to. It belongs to the main
// window, which hands it to the dialogs through their owner
// (DialogOwner::setBrowserSettings); the commands reach it with
// browserSettings().
class BrowserSettings
{
public:
    virtual ~BrowserSettings() = default;

    // As the user chose or typed it: not trimmed, case kept; empty until set.
    virtual QString browserPath() const = 0;
    // Takes `path` for the run and writes it to MARQUILL.INI at once. False
    // when the file cannot be written; the path is taken all the same.
    virtual bool setBrowserPath(const QString &path) = 0;
};

// Writes `path` as the key BrowserPath of MARQUILL.INI now, the other keys
// left as they are. False when the file cannot be written.
bool writeBrowserPath(const QString &path);

// The browser settings of the current dialog owner.
BrowserSettings &browserSettings();
