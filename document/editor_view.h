#pragma once

#include "document/view_options.h"

#include <QObject>

class EditorZoom;
class LineGutter;
class MarkupColouring;
class PartnerMarking;
class TDocEditor;

// What an editor shows beside its text: colours, the partner tag, line
// numbers, zoom and wrap, switched by ViewOptions.
class EditorView : public QObject
{
public:
    explicit EditorView(TDocEditor *editor);

    static EditorView *of(const TDocEditor *editor);

    void apply(const ViewOptions &options);
    const ViewOptions &options() const { return m_options; }

    MarkupColouring *colouring() const { return m_colouring; }
    PartnerMarking *partner() const { return m_partner; }
    LineGutter *gutter() const { return m_gutter; }
    EditorZoom *zoom() const { return m_zoom; }

private:
    TDocEditor *m_editor;
    MarkupColouring *m_colouring;
    PartnerMarking *m_partner;
    LineGutter *m_gutter;
    EditorZoom *m_zoom;
    ViewOptions m_options;
    bool m_applied = false;
};
