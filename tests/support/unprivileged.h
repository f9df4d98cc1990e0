#pragma once

#include <unistd.h>

// Permissions do not stop root. Run as root, the tests take the identity of
// "nobody" for this object's lifetime, so that a read-only folder is
// read-only to them too; as anyone else nothing changes.
class Unprivileged
{
public:
    static constexpr uid_t nobody = 65534;

    Unprivileged() : m_wasRoot(geteuid() == 0)
    {
        if (m_wasRoot)
            m_switched = setegid(nobody) == 0 && seteuid(nobody) == 0;
    }
    ~Unprivileged()
    {
        if (m_wasRoot) {
            (void)seteuid(0);
            (void)setegid(0);
        }
    }
    Unprivileged(const Unprivileged &) = delete;
    Unprivileged &operator=(const Unprivileged &) = delete;

    // False only when root could not give up its rights.
    bool ok() const { return !m_wasRoot || m_switched; }

private:
    bool m_wasRoot;
    bool m_switched = false;
};
