#include "dialogs/dialog_owner.h"

#include "dialogs/browser_settings.h"

namespace {

DialogOwner *currentOwner = nullptr;

class OwnBrowserSettings final : public BrowserSettings
{
public:
    QString browserPath() const override { return m_path; }
    bool setBrowserPath(const QString &path) override
    {
        m_path = path;
        return writeBrowserPath(path);
    }

private:
    QString m_path;
};

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

BrowserSettings &DialogOwner::browserSettings()
{
    if (m_browserSettings)
        return *m_browserSettings;
    if (!m_ownBrowserSettings)
        m_ownBrowserSettings = std::make_unique<OwnBrowserSettings>();
    return *m_ownBrowserSettings;
}
