#include "dialogs/controls.h"

#include "dialogs/combo_accessibility.h"
#include "document/whole_number.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

void nameControl(QWidget *control, const char *name, const QString &label)
{
    const QString text = QString::fromLatin1(name);
    control->setObjectName(text);
    control->setAccessibleName(text);
    if (!label.isEmpty()) {
        QString description = label;
        description.remove(u'&');
        control->setAccessibleDescription(description);
    }
}

QCheckBox *makeCheck(QWidget *parent, const char *name, const QString &caption)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QRadioButton *makeRadio(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLineEdit *makeEdit(QWidget *parent, const char *name, const QString &label)
{
    auto *edit = new QLineEdit(parent);
    nameControl(edit, name, label);
    return edit;
}

QComboBox *makeList(QWidget *parent, const char *name, const QStringList &items,
                    const QString &label)
{
    auto *list = new NamedComboBox(parent);
    list->addItems(items);
    nameControl(list, name, label);
    return list;
}

void enableWhileChecked(QCheckBox *box, std::initializer_list<QWidget *> controls)
{
    const QList<QWidget *> list(controls);
    auto apply = [list](bool checked) {
        for (QWidget *control : list)
            control->setEnabled(checked);
    };
    apply(box->isChecked());
    QObject::connect(box, &QCheckBox::toggled, box, apply);
}

bool keepWholeNumber(QLineEdit *field, const QString &replacement)
{
    if (isWholeNumber(field->text()))
        return true;
    field->setText(replacement);
    return false;
}
