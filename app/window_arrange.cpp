#include "app/window_arrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

QList<QMdiSubWindow *> windows(QMdiArea &area, bool minimized)
{
    QList<QMdiSubWindow *> result;
    for (QMdiSubWindow *w : area.subWindowList(QMdiArea::CreationOrder)) {
        if (w->isMinimized() == minimized)
            result << w;
    }
    return result;
}

} // namespace

void tileHorizontally(QMdiArea &area)
{
    const QList<QMdiSubWindow *> bands = windows(area, false);
    if (bands.isEmpty())
        return;
    const QRect space = area.viewport()->rect();
    const int height = space.height() / int(bands.size());
    int y = 0;
    for (int i = 0; i < bands.size(); ++i) {
        QMdiSubWindow *w = bands.at(i);
        if (w->isMaximized())
            w->showNormal();
        const int h = i + 1 == bands.size() ? space.height() - y : height;
        w->setGeometry(0, y, space.width(), h);
        y += h;
    }
}

void arrangeIcons(QMdiArea &area)
{
    const QRect space = area.viewport()->rect();
    int x = 0;
    int y = space.bottom() + 1;
    for (QMdiSubWindow *w : windows(area, true)) {
        const QSize size = w->size();
        if (x > 0 && x + size.width() > space.width()) {
            x = 0;
            y -= size.height();
        }
        w->move(x, y - size.height());
        x += size.width();
    }
}

void minimizeAll(QMdiArea &area)
{
    const QList<QMdiSubWindow *> all = area.subWindowList(QMdiArea::CreationOrder);
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        (*it)->showMinimized();
}
