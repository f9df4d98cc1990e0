#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <typeindex>
#include <unordered_map>

class BrowserSettings;

// Holds the attribute dialogs for the run. Each dialog is made on its first
// use and then kept, so what it remembers between uses (the page colours,
// the table's cell texts, a colour dialog's last colour) lasts until the
// owner goes. The main window holds one; a test can hold its own. It also
// carries what the dialogs' commands need of the main window.
class DialogOwner
{
public:
    // Becomes the current owner until it is destroyed. Dialogs are made as
    // windows of `parent`.
    explicit DialogOwner(QWidget *parent = nullptr);
    ~DialogOwner();
    DialogOwner(const DialogOwner &) = delete;
    DialogOwner &operator=(const DialogOwner &) = delete;

    static DialogOwner &current();

    // The main window's browser path (not owned). Until one is set, the
    // owner keeps a path of its own for as long as it lives, written to
    // MARQUILL.INI the same way.
    void setBrowserSettings(BrowserSettings *settings) { m_browserSettings = settings; }
    BrowserSettings &browserSettings();

    template <typename Dialog>
    Dialog &get()
    {
        QPointer<QWidget> &slot = m_dialogs[std::type_index(typeid(Dialog))];
        if (!slot)
            slot = new Dialog(m_parent);
        return *static_cast<Dialog *>(slot.data());
    }

private:
    QWidget *m_parent;
    DialogOwner *m_previous;
    std::unordered_map<std::type_index, QPointer<QWidget>> m_dialogs;
    BrowserSettings *m_browserSettings = nullptr;
    std::unique_ptr<BrowserSettings> m_ownBrowserSettings;
};

// The dialog of type `Dialog` of the current owner.
template <typename Dialog>
Dialog &attributeDialog()
{
    return DialogOwner::current().get<Dialog>();
}
