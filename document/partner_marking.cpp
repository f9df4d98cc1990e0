#include "document/partner_marking.h"

#include "document/doc_editor.h"
#include "document/markup_colouring.h"
#include "document/partner_tag.h"

namespace {

constexpr qsizetype reach = qsizetype(1) << 20;
constexpr int delayMs = 200;

} // namespace

PartnerMarking::PartnerMarking(TDocEditor *editor, MarkupColouring *colouring)
    : QObject(editor)
    , m_editor(editor)
    , m_colouring(colouring)
{
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, &PartnerMarking::waited);
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, &PartnerMarking::caretMoved);
}

void PartnerMarking::caretMoved()
{
    if (!m_enabled)
        return;
    m_sinceMove.start();
    if (!m_delay.isActive())
        m_delay.start(delayMs);
}

void PartnerMarking::waited()
{
    const qint64 left = delayMs - m_sinceMove.elapsed();
    if (left > 0)
        m_delay.start(int(left));
    else
        mark();
}

void PartnerMarking::setEnabled(bool on)
{
    m_enabled = on;
    if (on) {
        caretMoved();
    } else {
        m_delay.stop();
        if (m_marked)
            m_colouring->setTinted({});
        m_marked = false;
    }
}

void PartnerMarking::mark()
{
    const QTextCursor caret = m_editor->textCursor();
    const int position = caret.position();
    // Only the text within reach is copied, not the page.
    const int low = qMax(0, position - int(reach));
    const int high = qMin(m_editor->document()->characterCount() - 1, position + int(reach));
    QTextCursor window(m_editor->document());
    window.setPosition(low);
    window.setPosition(high, QTextCursor::KeepAnchor);
    const std::optional<TagPartners> found = findPartnerTag(window.selectedText(), position - low, reach);
    if (!found && !m_marked)
        return;
    QList<QTextEdit::ExtraSelection> tinted;
    if (found) {
        const QPalette palette = m_editor->palette();
        const QColor base = palette.color(QPalette::Base);
        const QColor highlight = palette.color(QPalette::Highlight);
        const QColor tint = QColor::fromRgbF(base.redF() * 0.7f + highlight.redF() * 0.3f,
                                             base.greenF() * 0.7f + highlight.greenF() * 0.3f,
                                             base.blueF() * 0.7f + highlight.blueF() * 0.3f);
        for (const TagRange &range : {found->here, found->partner}) {
            QTextEdit::ExtraSelection selection{QTextCursor(m_editor->document()), {}};
            selection.cursor.setPosition(low + int(range.start));
            selection.cursor.setPosition(low + int(range.start + range.length), QTextCursor::KeepAnchor);
            selection.format.setBackground(tint);
            tinted.append(selection);
        }
    }
    m_marked = found.has_value();
    m_colouring->setTinted(tinted);
}
