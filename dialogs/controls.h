#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

// Makers for the controls of the attribute dialogs. Each control carries its
// name in code (objectName). Check boxes and radio buttons are known to
// assistive technology by their captions; every other control by its name,
// with its visible label (if any) as its description.

QCheckBox *makeCheck(QWidget *parent, const char *name, const QString &caption);
QRadioButton *makeRadio(QWidget *parent, const char *name, const QString &caption);
QLineEdit *makeEdit(QWidget *parent, const char *name, const QString &label = {});
// A drop-down list that only offers `items`.
QComboBox *makeList(QWidget *parent, const char *name, const QStringList &items,
                    const QString &label = {});

// Names a control without a caption of its own: `name` in code and for
// assistive technology, `label` (mnemonic marks dropped) as its description.
void nameControl(QWidget *control, const char *name, const QString &label = {});

// The controls of an optional attribute are usable only while its box is
// ticked; applied now and on every change.
void enableWhileChecked(QCheckBox *box, std::initializer_list<QWidget *> controls);

// The number check of OK: true when `field` holds a whole number; otherwise
// its text becomes `replacement` and the result is false.
bool keepWholeNumber(QLineEdit *field, const QString &replacement);
