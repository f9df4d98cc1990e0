#include "app/window_arrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

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

int titleBarHeight(const QMdiSubWindow &window)
{
    QStyleOptionTitleBar option;
    option.initFrom(&window);
    option.titleBarFlags = window.windowFlags();
    option.titleBarState = int(window.windowState());
    return window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &window);
}

} // namespace

void cascade(QMdiArea &area)
{
    const QList<QMdiSubWindow *> stack = windows(area, false);
    if (stack.isEmpty())
        return;
    QMdiSubWindow *active = area.currentSubWindow();
    for (QMdiSubWindow *w : stack) {
        if (w->isMaximized())
            w->showNormal();
    }
    const QSize space = area.viewport()->size();
    const int step = qMax(1, titleBarHeight(*stack.first()));
    // Every window keeps at least half the area to work in; a longer cascade
    // starts again at the top left.
    const int deepest = qMin(space.width() / 2, space.height() / 2) / step;
    const int depth = qMin(int(stack.size()), deepest + 1);
    const QSize size(space.width() - (depth - 1) * step, space.height() - (depth - 1) * step);
    for (int i = 0; i < stack.size(); ++i) {
        QMdiSubWindow *w = stack.at(i);
        const int offset = (i % depth) * step;
        w->setGeometry(QRect(QPoint(offset, offset), size));
        w->raise();
    }
    if (active && stack.contains(active)) {
        active->raise();
        area.setActiveSubWindow(active);
    }
}

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
