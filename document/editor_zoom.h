#pragma once

#include <QFont>
#include <QObject>

class QPlainTextEdit;

// Enlarges and shrinks an editor's font: Ctrl+wheel, Ctrl++ and Ctrl+-, and
// Ctrl+0 back to the font it had before the first step.
class EditorZoom : public QObject
{
public:
    explicit EditorZoom(QPlainTextEdit *editor);

    // Steps of one point; 0 is the font the editor was given.
    void zoomBy(int steps);
    void reset();
    int steps() const { return m_steps; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPlainTextEdit *m_editor;
    QFont m_base;
    int m_steps = 0;
    int m_wheelAngle = 0;
};
