#include "app/tool_panel.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QToolButton>
#include <string_view>

QList<int> buttonLefts(std::span<const ToolButtonRow> rows, std::span<const ToolButtonRow> above)
{
    const QList<int> aboveLefts = above.empty() ? QList<int>() : buttonLefts(above);
    QList<int> lefts;
    int previous = toolbar::FirstLeft - toolbar::ButtonSize;
    for (const ToolButtonRow &row : rows) {
        int left = previous + toolbar::ButtonSize;
        switch (row.placement) {
        case ButtonPlace::First:
            left = toolbar::FirstLeft;
            break;
        case ButtonPlace::Next:
            break;
        case ButtonPlace::Gap:
            left += toolbar::GapWidth;
            break;
        case ButtonPlace::Under:
            for (std::size_t i = 0; i < above.size(); ++i) {
                if (std::string_view(above[i].name) == row.under)
                    left = aboveLefts.at(qsizetype(i));
            }
            break;
        }
        lefts << left;
        previous = left;
    }
    return lefts;
}

QString shortHint(const char *hint)
{
    return QString::fromUtf8(hint).section(u'|', 0, 0);
}

QString longHint(const char *hint)
{
    const QString text = QString::fromUtf8(hint);
    return text.contains(u'|') ? text.section(u'|', 1) : text;
}

TToolPanel::TToolPanel(const QString &name, const QString &description, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(name);
    setAccessibleName(name);
    setAccessibleDescription(description);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFixedHeight(toolbar::PanelHeight);
}

QToolButton *TToolPanel::addButton(const ToolButtonRow &row, int left)
{
    auto *button = new QToolButton(this);
    const QString name = QString::fromUtf8(row.name);
    button->setObjectName(name);
    button->setAccessibleName(name);
    button->setAccessibleDescription(shortHint(row.hint));
    button->setToolTip(shortHint(row.hint));
    button->setStatusTip(longHint(row.hint));
    button->setIcon(glyphIcon(row.glyph));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    // A click leaves the keyboard with the document's text.
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, toolbar::ButtonTop, toolbar::ButtonSize, toolbar::ButtonSize);
    button->installEventFilter(this);
    m_buttons << button;
    return button;
}

void TToolPanel::contextMenuEvent(QContextMenuEvent *event)
{
    if (!popupMenu)
        return QFrame::contextMenuEvent(event);
    popupMenu->popup(event->globalPos());
    event->accept();
}

bool TToolPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu && popupMenu) {
        popupMenu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
