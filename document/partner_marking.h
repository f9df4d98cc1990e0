#pragma once

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
    TDocEditor *m_editor;
    MarkupColouring *m_colouring;
    QTimer m_delay;
    bool m_enabled = false;
    bool m_marked = false;
};
