#include "document/markup_colouring.h"

#include "document/doc_editor.h"

#include <QEvent>
#include <QHash>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace {

// Lines longer than this are coloured only where they are in sight.
constexpr qsizetype longLine = 8192;
// Characters coloured on either side of what is in sight of a long line.
constexpr qsizetype sightMargin = 256;

// Whether every span still covers text of its line: a span whose text was
// deleted has shrunk to nothing, though an equal line may stand there now.
bool spansWithin(const QList<QTextEdit::ExtraSelection> &spans, int start, int end)
{
    return std::all_of(spans.cbegin(), spans.cend(), [&](const QTextEdit::ExtraSelection &span) {
        return span.cursor.selectionStart() >= start && span.cursor.selectionEnd() <= end
               && span.cursor.hasSelection();
    });
}

} // namespace

MarkupColouring::MarkupColouring(TDocEditor *editor)
    : QObject(editor)
    , m_editor(editor)
{
    pickColours();
    connect(editor->document(), &QTextDocument::contentsChange, this, &MarkupColouring::contentsChanged);
    // Built as a paint begins: never while the document is changing, when
    // replacing the selections' cursors would pull them out from under it.
    editor->viewport()->installEventFilter(this);
    editor->installEventFilter(this);
}

void MarkupColouring::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    m_trusted = 0;
    m_blockCount = m_editor->document()->blockCount();
    m_builtFor.clear();
    m_lines.clear();
    if (on)
        m_editor->viewport()->update();
    else
        m_editor->setExtraSelections(m_tinted);
}

void MarkupColouring::setTinted(const QList<QTextEdit::ExtraSelection> &tinted)
{
    m_tinted = tinted;
    ++m_tintCount;
    m_builtFor.clear();
    if (m_enabled)
        m_editor->viewport()->update();
    else
        m_editor->setExtraSelections(m_tinted);
}

bool MarkupColouring::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && watched == m_editor) {
        pickColours();
        m_lines.clear();
        m_builtFor.clear();
        m_editor->viewport()->update();
    } else if (event->type() == QEvent::Paint && watched == m_editor->viewport()) {
        refresh();
    }
    return QObject::eventFilter(watched, event);
}

void MarkupColouring::pickColours()
{
    // Kinds in their order: element, attribute name, value, comment,
    // character reference, declaration, script, style.
    static constexpr std::array<QRgb, MarkupKindCount> onLight = {
        0x000080, 0x8b2252, 0x0000cd, 0x228b22, 0x8b008b, 0x6c6c6c, 0x8b4500, 0x006b6b};
    static constexpr std::array<QRgb, MarkupKindCount> onDark = {
        0x6cb6ff, 0xf0a0c8, 0xf0c674, 0x7ec07e, 0xd7a0ff, 0xa8a8a8, 0xe0b080, 0x70d0d0};
    const bool dark = m_editor->palette().color(QPalette::Base).lightness() < 128;
    for (int i = 0; i < MarkupKindCount; ++i)
        m_colours[i] = QColor::fromRgb(dark ? onDark[i] : onLight[i]);
}

void MarkupColouring::contentsChanged(int position, int, int added)
{
    QTextDocument *doc = m_editor->document();
    const int oldCount = m_blockCount;
    m_blockCount = doc->blockCount();
    if (!m_enabled)
        return;
    m_builtFor.clear();
    const QTextBlock first = doc->findBlock(position);
    const int firstNumber = first.isValid() ? first.blockNumber() : 0;
    if (firstNumber >= m_trusted)
        return;
    const int lastChanged = doc->findBlock(qMin(position + added, doc->characterCount() - 1)).blockNumber();
    // The blocks after the edit that were trusted, as they are numbered now.
    const int trustedAfter = m_trusted + (m_blockCount - oldCount);
    // Past the lines shown, the rest waits until it is shown.
    const QTextBlock shown = m_editor->firstShownBlock();
    const int linesInSight = m_editor->viewport()->height() / qMax(1, m_editor->fontMetrics().lineSpacing()) + 2;
    const int enough = qMax(firstNumber, (shown.isValid() ? shown.blockNumber() : 0) + linesInSight);

    MarkupState state = firstNumber == 0 ? MarkupState() : MarkupState::unpacked(first.previous().userState());
    int number = firstNumber;
    for (QTextBlock block = first; block.isValid(); block = block.next(), ++number) {
        // A very long line's end state waits until a line after it is shown.
        if (block.length() > longLine) {
            m_trusted = number;
            return;
        }
        const int kept = block.userState();
        state = tokenizeLine(block.text(), state);
        block.setUserState(state.packed());
        if (number > lastChanged && number < trustedAfter && kept == state.packed()) {
            m_trusted = trustedAfter;
            return;
        }
        if (number >= trustedAfter - 1 || number >= enough) {
            m_trusted = number + 1;
            return;
        }
    }
    m_trusted = m_blockCount;
}

void MarkupColouring::trustUpTo(int blockNumber)
{
    if (blockNumber < m_trusted)
        return;
    QTextBlock block = m_editor->document()->findBlockByNumber(m_trusted);
    MarkupState state = m_trusted == 0 ? MarkupState() : MarkupState::unpacked(block.previous().userState());
    for (; block.isValid() && m_trusted <= blockNumber; block = block.next(), ++m_trusted) {
        state = tokenizeLine(block.text(), state);
        block.setUserState(state.packed());
    }
}

MarkupState MarkupColouring::stateBefore(const QTextBlock &block)
{
    const int number = block.blockNumber();
    if (number <= 0)
        return {};
    trustUpTo(number - 1);
    return MarkupState::unpacked(block.previous().userState());
}

std::pair<qsizetype, qsizetype> MarkupColouring::shownPart(const QTextBlock &block, const QRectF &rect) const
{
    if (block.length() <= longLine)
        return {0, block.length()};
    const QTextLayout *layout = block.layout();
    const int lines = layout->lineCount();
    if (lines == 0)
        return {0, 0};
    const QRectF sight = QRectF(m_editor->viewport()->rect()).translated(-rect.topLeft());
    // The first line reaching into sight, and the last one starting in it.
    int low = 0;
    int high = lines - 1;
    while (low < high) {
        const int mid = (low + high) / 2;
        const QTextLine line = layout->lineAt(mid);
        if (line.y() + line.height() < sight.top())
            low = mid + 1;
        else
            high = mid;
    }
    const int firstLine = low;
    high = lines - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (layout->lineAt(mid).y() > sight.bottom())
            high = mid - 1;
        else
            low = mid;
    }
    const QTextLine first = layout->lineAt(firstLine);
    const QTextLine last = layout->lineAt(low);
    qsizetype from = first.textStart();
    qsizetype to = last.textStart() + last.textLength();
    if (firstLine == low && first.textLength() > longLine) {
        // One unwrapped line: the columns in sight.
        from = qMax(from, qsizetype(first.xToCursor(sight.left())));
        to = qMin(to, qsizetype(first.xToCursor(sight.right())));
    }
    return {qMax<qsizetype>(0, from - sightMargin), to + sightMargin};
}

void MarkupColouring::refresh()
{
    if (!m_enabled)
        return;
    const QRectF sight = m_editor->viewport()->rect();
    struct Shown {
        QTextBlock block;
        qsizetype from;
        qsizetype to;
    };
    QList<Shown> shown;
    QList<qsizetype> key{m_editor->document()->revision()};
    for (QTextBlock block = m_editor->firstShownBlock(); block.isValid(); block = block.next()) {
        if (!block.isVisible())
            continue;
        const QRectF rect = m_editor->shownBlockRect(block);
        if (rect.top() > sight.bottom())
            break;
        const auto [from, to] = shownPart(block, rect);
        shown.append({block, from, to});
        key << block.position() << from << to;
    }
    if (key == m_builtFor)
        return;
    m_builtFor = key;

    // A line shown last time, unchanged and starting in the same state,
    // keeps its spans: their cursors have followed every edit around it.
    QHash<int, qsizetype> last;
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        last.insert(m_lines.at(i).start.position(), i);
    const QColor base = m_editor->palette().color(QPalette::Base);
    QList<ColouredLine> lines;
    lines.reserve(shown.size());
    QList<QTextEdit::ExtraSelection> selections = m_tinted;
    QList<MarkupSpan> spans;
    for (const Shown &line : std::as_const(shown)) {
        const MarkupState before = stateBefore(line.block);
        const int at = line.block.position();
        // Only as far as the part coloured: the rest of a long line needs no pass.
        QTextCursor part(line.block);
        part.setPosition(at + int(qMin(line.to, qsizetype(line.block.length() - 1))), QTextCursor::KeepAnchor);
        QString text = part.selectedText();
        const auto kept = last.constFind(at);
        if (kept != last.cend()) {
            const ColouredLine &was = m_lines.at(*kept);
            if (was.before == before && was.from == line.from && was.tints == m_tintCount && was.text == text
                && spansWithin(was.spans, at, at + int(text.size()))) {
                lines.append(was);
                selections += was.spans;
                continue;
            }
        }
        spans.clear();
        tokenizeLine(text, before, &spans, line.from, line.to);
        ColouredLine coloured{QTextCursor(line.block), std::move(text), before, line.from, m_tintCount, {}};
        for (const MarkupSpan &span : std::as_const(spans)) {
            QTextEdit::ExtraSelection selection{QTextCursor(m_editor->document()), {}};
            selection.cursor.setPosition(at + int(span.start));
            selection.cursor.setPosition(at + int(span.start + span.length), QTextCursor::KeepAnchor);
            selection.format.setForeground(m_colours[int(span.kind)]);
            // A background of its own keeps the plain text from being drawn
            // under the colour; a tinted range keeps its tint.
            QBrush background = base;
            for (const QTextEdit::ExtraSelection &tint : std::as_const(m_tinted)) {
                if (tint.cursor.selectionStart() <= selection.cursor.selectionStart()
                    && selection.cursor.selectionEnd() <= tint.cursor.selectionEnd())
                    background = tint.format.background();
            }
            selection.format.setBackground(background);
            coloured.spans.append(selection);
        }
        selections += coloured.spans;
        lines.append(std::move(coloured));
    }
    // Only the lines shown keep spans, so the document has few cursors to
    // move on each edit however far the page has been scrolled.
    m_lines = std::move(lines);
    // The editor repaints only the spans that differ from the ones it has.
    m_editor->setExtraSelections(selections);
}
