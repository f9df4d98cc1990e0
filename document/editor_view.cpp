#include "document/editor_view.h"

#include "document/doc_editor.h"
#include "document/editor_zoom.h"
#include "document/line_gutter.h"
#include "document/markup_colouring.h"
#include "document/partner_marking.h"

EditorView::EditorView(TDocEditor *editor)
    : QObject(editor)
    , m_editor(editor)
    , m_colouring(new MarkupColouring(editor))
    , m_partner(new PartnerMarking(editor, m_colouring))
    , m_gutter(new LineGutter(editor))
    , m_zoom(new EditorZoom(editor))
{
    setObjectName(QStringLiteral("EditorView"));
    apply(m_options);
}

EditorView *EditorView::of(const TDocEditor *editor)
{
    return editor->findChild<EditorView *>(QStringLiteral("EditorView"), Qt::FindDirectChildrenOnly);
}

void EditorView::apply(const ViewOptions &options)
{
    if (m_applied && options == m_options)
        return;
    m_applied = true;
    m_options = options;
    m_colouring->setEnabled(options.colourTags);
    m_partner->setEnabled(options.colourTags);
    m_gutter->setShown(options.lineNumbers);
    const auto wrapMode = options.wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap;
    if (m_editor->lineWrapMode() != wrapMode) {
        m_editor->setLineWrapMode(wrapMode);
        m_editor->setHorizontalScrollBarPolicy(options.wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    }
}
