#pragma once

#include <QDialog>

class QBoxLayout;
class QPushButton;

// What every attribute dialog shares: it is a small fixed window centred on the
// screen, it resets its controls each time it is shown, and it runs its
// number checks when OK is pressed, before it closes.
//
// A dialog lays out its controls into body() and implements reset() (the
// state each show starts from) and, where it has number fields, checkAtOk().
class TAttributeDialog : public QDialog
{
    Q_OBJECT
public:
    // Resets, shows modally; true only when the dialog closed with OK.
    bool run();
    // The same without the reset: shows the controls as they were set.
    bool runAsSet();

    // The state each show starts from. Public so tests can drive a dialog
    // without showing it.
    virtual void reset() = 0;

    QPushButton *OKBtn;
    QPushButton *CancelBtn;

protected:
    TAttributeDialog(const QString &caption, QWidget *parent);

    // The column the dialog's own controls go into, above OK and Cancel.
    QBoxLayout *body() const { return m_body; }
    // Runs before the dialog closes with OK: bad numbers are replaced or
    // their options dropped, without a message.
    virtual void checkAtOk() {}
    // Whether Esc closes the dialog with the cancel result.
    void setEscapeCancels(bool cancels) { m_escapeCancels = cancels; }

    void accept() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void centreOnScreen();

    QBoxLayout *m_body;
    bool m_escapeCancels = true;
};
