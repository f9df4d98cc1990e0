#pragma once

#include <QString>

// File names and captions are compared the way the user reads them: letter
// case does not matter.
bool sameTextIgnoringCase(const QString &a, const QString &b);
