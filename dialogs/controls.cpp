#include "dialogs/controls.h"

#include "dialogs/browse.h"
#include "dialogs/combo_accessibility.h"
#include "document/whole_number.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

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

QLineEdit *makeNumberEdit(QWidget *parent, const char *name, const QString &label)
{
    QLineEdit *edit = makeEdit(parent, name, label);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(u"00000000"_s));
    return edit;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QWidget *buddy)
{
    auto *label = new QLabel(caption, parent);
    if (*name)
        label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

QLineEdit *addLabelledEdit(QWidget *parent, QGridLayout *grid, int row, const char *name,
                           const QString &label, FieldWidth width)
{
    QLineEdit *edit = width == FieldWidth::Number ? makeNumberEdit(parent, name, label)
                                                  : makeEdit(parent, name, label);
    if (width == FieldWidth::Text)
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 32);
    grid->addWidget(makeLabel(parent, "", label, edit), row, 0);
    grid->addWidget(edit, row, 1, width == FieldWidth::Number ? Qt::AlignLeft : Qt::Alignment());
    return edit;
}

QHBoxLayout *labelledPair(QLabel *first, QWidget *firstField, QLabel *second, QWidget *secondField)
{
    auto *row = new QHBoxLayout;
    row->addWidget(first);
    row->addWidget(firstField);
    row->addSpacing(12);
    row->addWidget(second);
    row->addWidget(secondField);
    row->addStretch();
    return row;
}

QToolButton *makeBrowseButton(QWidget *parent, const char *name, QLineEdit *target,
                              QStringView filter, NameCase nameCase, const QString &label)
{
    auto *button = new QToolButton(parent);
    nameControl(button, name, label);
    button->setIcon(button->style()->standardIcon(QStyle::SP_DirOpenIcon));
    button->setToolTip(u"参照"_s);
    QObject::connect(button, &QToolButton::clicked, target,
                     [parent, target, filter = filter.toString(), nameCase] {
                         if (const std::optional<QString> chosen =
                                 browseFileName(parent, filter, nameCase))
                             target->setText(*chosen);
                     });
    return button;
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
