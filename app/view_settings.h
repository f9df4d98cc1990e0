#pragma once

#include "document/view_options.h"

#include <QString>

// The view options keep to a file of their own,
// $XDG_CONFIG_HOME/marquill/marquill.conf (~/.config when unset), so that
// MARQUILL.INI keeps exactly its own keys.
QString viewSettingsPath();
// Missing or unreadable values keep the defaults.
ViewOptions readViewSettings(const QString &file);
// False when the file cannot be written.
bool writeViewSettings(const QString &file, const ViewOptions &options);
