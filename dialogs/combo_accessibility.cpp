#include "dialogs/combo_accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

using namespace Qt::StringLiterals;

namespace {

class NamedComboAccessible : public QAccessibleWidget
{
public:
    explicit NamedComboAccessible(QComboBox *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
        addControllingSignal(u"activated(int)"_s);
    }

    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The entries, as the list the combo box pops up.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == combo()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == showMenuAction() || name == pressAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface *comboFactory(const QString &className, QObject *object)
{
    if (className != u"NamedComboBox" || !object->isWidgetType())
        return nullptr;
    return new NamedComboAccessible(static_cast<QComboBox *>(object));
}

} // namespace

NamedComboBox::NamedComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // Installing twice is harmless: a factory is kept once.
    QAccessible::installFactory(comboFactory);
}
