#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class MarkupColouring;
class TDocEditor;

// Tints the tag holding the caret and its partner, a moment after the caret
// stops (a held arrow key does not search at every step).
class PartnerMarking : public QObject
{
public:
    PartnerMarking(TDocEditor *editor, MarkupColouring *colouring);

    void setEnabled(bool on);
    // Searches now for the caret where it is.
    void mark();

private:
    void caretMoved();
    void waited();

    TDocEditor *m_editor;
    MarkupColouring *m_colouring;
    // Started once for a run of caret moves, not at every one: setting a
    // timer again costs a keystroke more than all the rest of the marking.
    QTimer m_delay;
    QElapsedTimer m_sinceMove;
    bool m_enabled = false;
    bool m_marked = false;
};
