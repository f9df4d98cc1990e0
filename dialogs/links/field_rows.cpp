#include "dialogs/links/field_rows.h"

#include "dialogs/controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

QLineEdit *addLabelledEdit(QWidget *parent, QGridLayout *grid, int row, const char *name,
                           const QString &label, FieldWidth width)
{
    auto *caption = new QLabel(label, parent);
    QLineEdit *edit = makeEdit(parent, name, label);
    caption->setBuddy(edit);
    // Sizes follow the font, so the boxes fit at any scale.
    const QFontMetrics metrics = edit->fontMetrics();
    if (width == FieldWidth::Number)
        edit->setFixedWidth(metrics.horizontalAdvance(u"00000000"_s));
    else
        edit->setMinimumWidth(metrics.averageCharWidth() * 32);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1, width == FieldWidth::Number ? Qt::AlignLeft : Qt::Alignment());
    return edit;
}
