#include "app/bar_accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMainWindow>
#include <QSizeGrip>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

// A status bar or toolbar panel that offers only the children a sighted user
// sees: shown ones, and no label without text.
class BarAccessible : public QAccessibleWidget
{
public:
    BarAccessible(QWidget *bar, QAccessible::Role role)
        : QAccessibleWidget(bar, role)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        // A hint on show is what the status bar says.
        if (const auto *status = qobject_cast<const QStatusBar *>(widget())) {
            if (!status->currentMessage().isEmpty())
                return status->currentMessage();
        }
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? widget()->windowTitle() : name;
    }

    int childCount() const override { return int(offered().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = offered();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return int(offered().indexOf(qobject_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> offered() const
    {
        QList<QWidget *> result;
        for (QObject *object : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(object);
            if (!w || w->isWindow() || !w->isVisibleTo(widget()))
                continue;
            if (const auto *label = qobject_cast<const QLabel *>(w);
                label && label->text().isEmpty() && label->accessibleName().isEmpty())
                continue;
            result << w;
        }
        return result;
    }
};

QAccessibleInterface *barFactory(const QString &className, QObject *object)
{
    if (className == u"QStatusBar" && object->isWidgetType())
        return new BarAccessible(static_cast<QWidget *>(object), QAccessible::StatusBar);
    if (className == u"TToolPanel" && object->isWidgetType())
        return new BarAccessible(static_cast<QWidget *>(object), QAccessible::ToolBar);
    return nullptr;
}

} // namespace

void installBarAccessibility()
{
    // Installing twice is harmless: a factory is kept once.
    QAccessible::installFactory(barFactory);
}

void nameBarParts(QMainWindow &frame)
{
    QStatusBar *status = frame.statusBar();
    status->setAccessibleName(u"ｽﾃｰﾀｽﾊﾞｰ"_s);
    for (QSizeGrip *grip : status->findChildren<QSizeGrip *>(Qt::FindDirectChildrenOnly))
        grip->setAccessibleName(u"ｻｲｽﾞ変更"_s);
}
