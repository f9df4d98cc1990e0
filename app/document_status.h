#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QStatusBar;
class TMDIChild;

// The status bar panels about the active document: where the caret is (line
// and column, from 1, the column in characters), whether the text has
// unsaved changes, and the file's encoding. Empty while no document is
// active.
class DocumentStatus : public QObject
{
    Q_OBJECT
public:
    // Adds the panels to the right end of `bar`.
    explicit DocumentStatus(QStatusBar *bar);

    // Shows `doc`'s state from now on, or nothing for nullptr. Following the
    // same window again reads its state anew.
    void follow(TMDIChild *doc);

    QLabel *StatusCaret;
    QLabel *StatusModified;
    QLabel *StatusEncoding;

Q_SIGNALS:
    // The encoding panel was clicked: its choices are wanted.
    void encodingPanelClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showEncoding();
    void showCaret();
    void showModified(bool modified);
    void disconnectDocument();

    QPointer<TMDIChild> m_doc;
    QMetaObject::Connection m_caretMoved;
    QMetaObject::Connection m_modifiedChanged;
    QMetaObject::Connection m_encodingChanged;
};
