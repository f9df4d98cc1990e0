#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The one-line input box: a prompt, a text field of at most 255 characters
// with a preset, OK and Cancel.
class TInputBox : public QDialog
{
    Q_OBJECT
public:
    explicit TInputBox(QWidget *parent = nullptr);

    void reset(const QString &title, const QString &prompt, const QString &preset);
    QString value() const;

    QLabel *lblPrompt;
    QLineEdit *txtValue;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
};
