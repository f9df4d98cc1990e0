#pragma once

// The busy cursor for the life of the object, or until release(): opening
// and saving a large page block the window for a while, and a frozen arrow
// looks like a hang. Release it before asking the user anything.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

    void release();

private:
    bool m_shown = true;
};
