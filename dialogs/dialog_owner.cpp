#include "dialogs/dialog_owner.h"

namespace {

DialogOwner *currentOwner = nullptr;

} // namespace

DialogOwner::DialogOwner(QWidget *parent)
    : m_parent(parent)
    , m_previous(currentOwner)
{
    currentOwner = this;
}

DialogOwner::~DialogOwner()
{
    for (auto &[type, dialog] : m_dialogs)
        delete dialog.data();
    if (currentOwner == this)
        currentOwner = m_previous;
}

DialogOwner &DialogOwner::current()
{
    if (!currentOwner) {
        // Only code run without a main window gets here; its dialogs then
        // live as long as the process.
        static DialogOwner *fallback = new DialogOwner;
        currentOwner = fallback;
    }
    return *currentOwner;
}
