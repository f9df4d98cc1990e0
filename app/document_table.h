#pragma once

#include <QList>
#include <QPointer>
#include <array>

class TMDIChild;

// The document windows of this run by window number (1 to 100). Numbers are
// never reused: a closed window frees its slot, not its number.
class DocumentTable
{
public:
    static constexpr int Slots = 100;

    TMDIChild *at(int number) const;
    void put(int number, TMDIChild *window);
    void clear(int number);
    // The open windows in number order.
    QList<TMDIChild *> filled() const;

private:
    std::array<QPointer<TMDIChild>, Slots> m_slots;
};
