#include "platform/platform.h"

#include "platform/qt_platform.h"

namespace {
Platform *g_replacement = nullptr;
}

Platform &platform()
{
    if (g_replacement)
        return *g_replacement;
    static QtPlatform qtPlatform;
    return qtPlatform;
}

void setPlatform(Platform *replacement)
{
    g_replacement = replacement;
}
