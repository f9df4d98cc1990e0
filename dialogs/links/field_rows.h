#pragma once

#include <QString>

class QGridLayout;
class QLineEdit;
class QWidget;

enum class FieldWidth {
    Text,    // a name or a value
    Number,  // a few digits
};

// A row of the form-field dialogs: the label on the left, its edit box on
// the right. The label leads to the box and describes it to assistive tools.
QLineEdit *addLabelledEdit(QWidget *parent, QGridLayout *grid, int row, const char *name,
                           const QString &label, FieldWidth width = FieldWidth::Text);
