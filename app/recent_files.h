#pragma once

#include <QString>
#include <array>

class QAction;

// The ten most recently used files, index 0 the most recent. Empty entries
// are unused; gaps are kept as they are. Names match without regard to case.
class RecentFiles
{
public:
    static constexpr int Count = 10;

    const QString &at(int index) const { return m_entries[index]; }
    void set(int index, const QString &name) { m_entries[index] = name; }
    int indexOf(const QString &name) const;

    // Puts `name` in front: an entry already holding it (in any case) moves
    // up, otherwise the last entry drops out.
    void push(const QString &name);
    // Moves entry `index` to the front, the ones before it down by one.
    void moveToFront(int index);

private:
    std::array<QString, Count> m_entries;
};

using RecentEntries = std::array<QAction *, RecentFiles::Count>;

// The main window's entries "&0 name" to "&9 name"; the separator shows
// exactly when one entry is filled.
void UpdateRecentMenu(const RecentFiles &files, QAction *separator, const RecentEntries &entries);
// Copies the main window's entries into a document window's File menu.
void SyncRecentMenu(const QAction *mainSeparator, const RecentEntries &mainEntries,
                    QAction *separator, const RecentEntries &entries);
