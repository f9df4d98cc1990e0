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
    // Started once for a run of caret moves, not again at every one; on
    // running out it waits on if the caret moved meanwhile.
    QTimer m_delay;
    QElapsedTimer m_sinceMove;
    bool m_enabled = false;
    bool m_marked = false;
};
