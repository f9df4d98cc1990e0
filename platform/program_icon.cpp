#include "platform/program_icon.h"

#include <QString>

// The resource lives in a static library; nothing would pull it in otherwise.
static void initIconResource()
{
    Q_INIT_RESOURCE(program_icon);
}

QList<int> programIconSizes()
{
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

QIcon programIcon()
{
    static const QIcon icon = [] {
        initIconResource();
        QIcon drawn;
        // Each size as drawn, so small ones stay crisp rather than scaled down.
        for (int size : programIconSizes())
            drawn.addFile(QStringLiteral(":/icons/marquill-%1.png").arg(size), QSize(size, size));
        return drawn;
    }();
    return icon;
}
