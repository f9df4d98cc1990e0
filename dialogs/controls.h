#pragma once

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;
class QWidget;

enum class NameCase;

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

// A box for a number: room for eight digits, at any scale.
QLineEdit *makeNumberEdit(QWidget *parent, const char *name, const QString &label = {});
// A caption that leads to `buddy` (its mnemonic focuses it). `name` may be
// empty for a caption code never reaches.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QWidget *buddy);

enum class FieldWidth {
    Text,    // a name or a value
    Number,  // a few digits
};

// A row of a grid: the caption on the left, its edit box on the right.
QLineEdit *addLabelledEdit(QWidget *parent, QGridLayout *grid, int row, const char *name,
                           const QString &label, FieldWidth width = FieldWidth::Text);

// Two captioned boxes side by side: "上下 [  ]  左右 [  ]".
QHBoxLayout *labelledPair(QLabel *first, QWidget *firstField, QLabel *second, QWidget *secondField);

// The browse button `name` beside `target`: the file-open dialog with
// `filter`, then the chosen file's bare name (see browseFileName) replaces
// the text of `target`; cancelling changes nothing. `label` describes it to
// assistive technology.
QToolButton *makeBrowseButton(QWidget *parent, const char *name, QLineEdit *target,
                              QStringView filter, NameCase nameCase, const QString &label);

// Names a control without a caption of its own: `name` in code and for
// assistive technology, `label` (mnemonic marks dropped) as its description.
void nameControl(QWidget *control, const char *name, const QString &label = {});

// The controls of an optional attribute are usable only while its box is
// ticked; applied now and on every change.
void enableWhileChecked(QCheckBox *box, std::initializer_list<QWidget *> controls);

// The number check of OK: true when `field` holds a whole number; otherwise
// its text becomes `replacement` and the result is false.
bool keepWholeNumber(QLineEdit *field, const QString &replacement);

// A list's rows stand for the values of `rows`, in order. rowOf gives the
// row of `value` (`fallback` when it has none); valueAt the value of `row`
// (`otherwise` when no row is chosen).
template <typename T, std::size_t N>
int rowOf(const T (&rows)[N], const T &value, int fallback = 0)
{
    const auto *found = std::find(std::begin(rows), std::end(rows), value);
    return found == std::end(rows) ? fallback : int(found - std::begin(rows));
}

template <typename T, std::size_t N>
T valueAt(const T (&rows)[N], int row, T otherwise)
{
    return row >= 0 && row < int(N) ? rows[row] : otherwise;
}
