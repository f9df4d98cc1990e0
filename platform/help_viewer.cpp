#include "platform/help_viewer.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Marquill 32 ﾍﾙﾌﾟ"));
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    const QSize screen = QGuiApplication::primaryScreen()->availableSize();
    resize(qMin(720, screen.width() * 3 / 4), qMin(640, screen.height() * 3 / 4));
}

bool HelpViewer::open(const QString &helpFile, int context)
{
    const QFileInfo info(helpFile);
    if (!info.isFile())
        return false;
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    url.setFragment(QStringLiteral("context-%1").arg(context));
    m_browser->setSource(url);
    show();
    raise();
    activateWindow();
    return true;
}
