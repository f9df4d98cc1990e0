#include "platform/busy_cursor.h"

#include <QApplication>

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    release();
}

void BusyCursor::release()
{
    if (!m_shown)
        return;
    m_shown = false;
    QApplication::restoreOverrideCursor();
}
