#include "app/recent_files.h"

#include "platform/locale_text.h"

#include <QAction>

int RecentFiles::indexOf(const QString &name) const
{
    for (int i = 0; i < Count; ++i) {
        if (!m_entries[i].isEmpty() && sameTextIgnoringCase(m_entries[i], name))
            return i;
    }
    return -1;
}

void RecentFiles::push(const QString &name)
{
    const int found = indexOf(name);
    moveToFront(found >= 0 ? found : Count - 1);
    m_entries[0] = name;
}

void RecentFiles::moveToFront(int index)
{
    if (index <= 0 || index >= Count)
        return;
    const QString moved = m_entries[index];
    for (int i = index; i > 0; --i)
        m_entries[i] = m_entries[i - 1];
    m_entries[0] = moved;
}

void UpdateRecentMenu(const RecentFiles &files, QAction *separator, const RecentEntries &entries)
{
    separator->setVisible(false);
    for (int i = 0; i < RecentFiles::Count; ++i) {
        const QString &name = files.at(i);
        if (name.isEmpty()) {
            entries[i]->setVisible(false);
            continue;
        }
        // A '&' in the path is shown as itself, not as an accelerator.
        QString shown = name;
        shown.replace(u'&', QStringLiteral("&&"));
        entries[i]->setText(u'&' + QString::number(i) + u' ' + shown);
        entries[i]->setVisible(true);
        separator->setVisible(true);
    }
}

void SyncRecentMenu(const QAction *mainSeparator, const RecentEntries &mainEntries,
                    QAction *separator, const RecentEntries &entries)
{
    separator->setVisible(mainSeparator->isVisible());
    for (int i = 0; i < RecentFiles::Count; ++i) {
        if (mainEntries[i]->isVisible()) {
            entries[i]->setText(mainEntries[i]->text());
            entries[i]->setVisible(true);
        } else {
            entries[i]->setVisible(false);
        }
    }
}
