#pragma once

#include <QComboBox>

// A drop-down list known to assistive technology by its accessible name,
// its chosen entry being its value. (Qt on Linux names a plain combo box
// by its current text, which hides which list it is.)
class NamedComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit NamedComboBox(QWidget *parent = nullptr);
};
