#include "app/document_table.h"

#include "document/mdi_child.h"

TMDIChild *DocumentTable::at(int number) const
{
    if (number < 1 || number > Slots)
        return nullptr;
    return m_slots[number - 1];
}

void DocumentTable::put(int number, TMDIChild *window)
{
    if (number >= 1 && number <= Slots)
        m_slots[number - 1] = window;
}

void DocumentTable::clear(int number)
{
    put(number, nullptr);
}

QList<TMDIChild *> DocumentTable::filled() const
{
    QList<TMDIChild *> windows;
    for (const QPointer<TMDIChild> &slot : m_slots) {
        if (slot)
            windows << slot.data();
    }
    return windows;
}
