#pragma once

#include "document/search_scan.h"

#include <QDialog>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The modeless find dialog: find text, direction, match case, whole word.
// It keeps its text and options for the lifetime of its document window.
class TFindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TFindDialog(QWidget *parent = nullptr);

    QString findText() const;
    void setFindText(const QString &text);
    SearchOptions options() const;

    QLineEdit *txtFind;
    QCheckBox *chkWholeWord;
    QCheckBox *chkMatchCase;
    QRadioButton *optUp;
    QRadioButton *optDown;
    QPushButton *cmdFindNext;
    QPushButton *CancelBtn;

Q_SIGNALS:
    void findNextClicked();

protected:
    // Rows above the options; the replace dialog adds its own.
    QGridLayout *fieldLayout() const { return m_fields; }
    QLayout *buttonColumn() const { return m_buttons; }
    virtual void updateButtons();

private:
    QGridLayout *m_fields;
    QLayout *m_buttons;
};

// The modeless replace dialog: the find dialog's fields and a replacement,
// with Replace and Replace All.
class TReplaceDialog : public TFindDialog
{
    Q_OBJECT
public:
    explicit TReplaceDialog(QWidget *parent = nullptr);

    QString replaceText() const;

    QLineEdit *txtReplace;
    QPushButton *cmdReplace;
    QPushButton *cmdReplaceAll;

Q_SIGNALS:
    void replaceClicked(bool all);

protected:
    void updateButtons() override;
};
