#include "document/markup_colouring.h"

#include "document/doc_editor.h"
#include "document/line_formats.h"

#include <QEvent>
#include <QHash>
#include <QPaintEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

using FormatRanges = QList<QTextLayout::FormatRange>;

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

// `ours` as it falls in a line's layout, whose text holds what an input
// method is composing: the composed text keeps the method's own formats,
// and our ranges move around it.
FormatRanges besideComposition(const QTextLayout *layout, const FormatRanges &ours)
{
    const int length = int(layout->preeditAreaText().size());
    if (length == 0)
        return ours;
    const int at = layout->preeditAreaPosition();
    FormatRanges ranges;
    for (const QTextLayout::FormatRange &range : layout->formats()) {
        if (range.start >= at && range.start + range.length <= at + length)
            ranges.append(range);
    }
    for (QTextLayout::FormatRange range : ours) {
        const int end = range.start + range.length;
        if (range.start >= at) {
            range.start += length;
        } else if (end > at) {
            QTextLayout::FormatRange after = range;
            after.start = at + length;
            after.length = end - at;
            ranges.append(after);
            range.length = at - range.start;
        }
        ranges.append(range);
    }
    std::sort(ranges.begin(), ranges.end(), [](const auto &a, const auto &b) { return a.start < b.start; });
    return ranges;
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
    if (on) {
        m_formatsLeft = true;
        m_editor->viewport()->update();
    } else {
        clearShown(m_editor->viewport()->rect());
        m_editor->setExtraSelections(m_tinted);
        // Lines' formats change unseen by the view.
        m_editor->viewport()->update();
    }
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
        const QRect painted = static_cast<QPaintEvent *>(event)->rect();
        if (m_enabled)
            refresh(painted);
        else if (m_formatsLeft)
            clearShown(painted);
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
    for (int i = 0; i < MarkupKindCount; ++i) {
        m_colours[i] = QColor::fromRgb(dark ? onDark[i] : onLight[i]);
        m_formats[i] = QTextCharFormat();
        m_formats[i].setForeground(m_colours[i]);
    }
}

void MarkupColouring::colourLine(const QTextBlock &block, const FormatRanges &ours)
{
    QTextLayout *layout = block.layout();
    const FormatRanges ranges = besideComposition(layout, ours);
    if (layout->formats() != ranges)
        setLineFormats(block, ranges);
}

void MarkupColouring::clearShown(const QRect &painted)
{
    for (const auto &[block, rect] : m_editor->shownBlocks()) {
        if (block.isVisible() && rect.bottom() >= painted.top() && rect.top() <= painted.bottom())
            colourLine(block, {});
    }
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
    std::optional<MarkupState> firstEnd;
    if (firstNumber <= m_trusted && first == doc->findBlock(qMax(position, position + added - 1)))
        firstEnd = colourEditedLine(first);
    const int lastChanged = doc->findBlock(qMin(position + added, doc->characterCount() - 1)).blockNumber();
    // The view repaints the lines edited; the lines after them need it too
    // when the state they start in may have changed. Past the trusted lines
    // none is coloured yet, unless it follows a very long line, whose end
    // state waits (and which fills the view anyway).
    const bool laterLinesMayChange = firstNumber < m_trusted
                                             ? retrust(first, lastChanged, m_trusted + (m_blockCount - oldCount), firstEnd)
                                             : first.length() > longLine;
    if (laterLinesMayChange)
        m_editor->viewport()->update();
}

bool MarkupColouring::retrust(const QTextBlock &first, int lastChanged, int trustedAfter,
                              std::optional<MarkupState> firstEnd)
{
    // Past the lines shown, the rest waits until it is shown.
    const QTextBlock shown = m_editor->firstShownBlock();
    const int linesInSight = m_editor->viewport()->height() / qMax(1, m_editor->fontMetrics().lineSpacing()) + 2;
    const int firstNumber = first.blockNumber();
    const int enough = qMax(firstNumber, (shown.isValid() ? shown.blockNumber() : 0) + linesInSight);

    bool stateAfterChanged = true;
    MarkupState state = firstNumber == 0 ? MarkupState() : MarkupState::unpacked(first.previous().userState());
    int number = firstNumber;
    for (QTextBlock block = first; block.isValid(); block = block.next(), ++number) {
        // A very long line's end state waits until a line after it is shown.
        if (block.length() > longLine) {
            m_trusted = number;
            return stateAfterChanged;
        }
        const int kept = block.userState();
        state = number == firstNumber && firstEnd ? *firstEnd : tokenizeLine(block.text(), state);
        block.setUserState(state.packed());
        if (number == lastChanged)
            stateAfterChanged = kept != state.packed();
        if (number > lastChanged && number < trustedAfter && kept == state.packed()) {
            m_trusted = trustedAfter;
            return stateAfterChanged;
        }
        if (number >= trustedAfter - 1 || number >= enough) {
            m_trusted = number + 1;
            return stateAfterChanged;
        }
    }
    m_trusted = m_blockCount;
    return stateAfterChanged;
}

std::optional<MarkupState> MarkupColouring::colourEditedLine(const QTextBlock &block)
{
    // A line not laid out yet is not in sight; one too long waits for the paint.
    if (block.length() > longLine || block.layout()->lineCount() == 0)
        return std::nullopt;
    QList<MarkupSpan> spans;
    const MarkupState end = tokenizeLine(block.text(), stateBefore(block), &spans);
    colourLine(block, formatsOf(block, spans));
    m_editedLine = block;
    m_editedRevision = m_editor->document()->revision();
    return end;
}

MarkupColouring::FormatRanges MarkupColouring::formatsOf(const QTextBlock &block,
                                                          const QList<MarkupSpan> &spans) const
{
    FormatRanges formats;
    formats.reserve(spans.size() + m_tinted.size());
    for (const MarkupSpan &span : spans)
        formats.append({int(span.start), int(span.length), m_formats[int(span.kind)]});
    // Tints only set a background, so they lie over the colours.
    const int at = block.position();
    const int end = at + block.length() - 1;
    for (const QTextEdit::ExtraSelection &tint : m_tinted) {
        const int from = qMax(at, tint.cursor.selectionStart());
        const int to = qMin(end, tint.cursor.selectionEnd());
        if (from < to)
            formats.append({from - at, to - from, tint.format});
    }
    return formats;
}

bool MarkupColouring::touchesLongLine(const QTextEdit::ExtraSelection &tint) const
{
    const QTextDocument *doc = m_editor->document();
    for (QTextBlock block = doc->findBlock(tint.cursor.selectionStart()); block.isValid(); block = block.next()) {
        if (block.length() > longLine)
            return true;
        if (block.contains(tint.cursor.selectionEnd()))
            return false;
    }
    return false;
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

void MarkupColouring::refresh(const QRect &painted)
{
    if (m_editedRevision == m_editor->document()->revision() && m_editedLine.isValid()) {
        // The view repaints an edited line with a pixel or two around it.
        const QRectF line = m_editor->shownBlockRect(m_editedLine).adjusted(0, -2, 0, 2);
        if (line.top() <= painted.top() && QRectF(painted).bottom() <= line.bottom())
            return;
    }
    struct Shown {
        QTextBlock block;
        int at;
        qsizetype from;
        qsizetype to;
        bool painted;
    };
    QList<Shown> shown;
    QList<qsizetype> key{m_editor->document()->revision(), painted.top(), painted.bottom()};
    const QList<TDocEditor::ShownBlock> inSight = m_editor->shownBlocks();
    // Lines follow each other, so their positions do too (each position()
    // would search the document).
    int at = inSight.isEmpty() ? 0 : inSight.first().block.position();
    for (const auto &[block, rect] : inSight) {
        const int length = block.length();
        if (block.isVisible()) {
            const auto [from, to] = shownPart(block, rect);
            shown.append({block, at, from, to, rect.bottom() >= painted.top() && rect.top() <= painted.bottom()});
            key << at << from << to;
        }
        at += length;
    }
    if (key == m_builtFor)
        return;
    m_builtFor = key;

    // A line shown last time, unchanged and starting in the same state,
    // keeps its colours: the spans' cursors have followed every edit around
    // it, and formats belong to the line. A line not painted now keeps them
    // as they are: whatever changes its colours repaints it.
    QList<ColouredLine> previous = std::move(m_lines);
    QHash<int, qsizetype> last;
    for (qsizetype i = 0; i < previous.size(); ++i)
        last.insert(previous.at(i).start.position(), i);
    QList<ColouredLine> lines;
    lines.reserve(shown.size());
    // A short line has its tint among its formats; a long one has it drawn over.
    QList<QTextEdit::ExtraSelection> selections;
    for (const QTextEdit::ExtraSelection &tint : std::as_const(m_tinted)) {
        if (touchesLongLine(tint))
            selections.append(tint);
    }
    for (const Shown &line : std::as_const(shown)) {
        const auto kept = last.constFind(line.at);
        ColouredLine *was = kept != last.cend() ? &previous[*kept] : nullptr;
        if (!line.painted) {
            if (was) {
                selections += was->spans;
                lines.append(std::move(*was));
            }
            continue;
        }
        ColouredLine coloured = colouredLine(line.block, line.from, line.to, was);
        selections += coloured.spans;
        lines.append(std::move(coloured));
    }
    // Only the lines shown are kept, so the document has few cursors to
    // move on each edit however far the page has been scrolled.
    m_lines = std::move(lines);
    // The editor repaints only the selections that differ from the ones it has.
    m_editor->setExtraSelections(selections);
}

MarkupColouring::ColouredLine MarkupColouring::colouredLine(const QTextBlock &block, qsizetype from, qsizetype to,
                                                            ColouredLine *was)
{
    const MarkupState before = stateBefore(block);
    const int at = block.position();
    const bool isLong = block.length() > longLine;
    // Only as far as the part coloured: the rest of a long line needs no pass.
    QString text;
    if (isLong) {
        QTextCursor part(block);
        part.setPosition(at + int(qMin(to, qsizetype(block.length() - 1))), QTextCursor::KeepAnchor);
        text = part.selectedText();
    } else {
        text = block.text();
    }
    if (was && was->before == before && was->from == from && was->tints == m_tintCount && was->text == text
        && (isLong ? spansWithin(was->spans, at, at + int(text.size()))
                   : block.layout()->formats() == besideComposition(block.layout(), was->formats)))
        return std::move(*was);

    QList<MarkupSpan> spans;
    tokenizeLine(text, before, &spans, from, to);
    ColouredLine coloured{QTextCursor(block), std::move(text), before, from, m_tintCount, {}, {}};
    if (!isLong) {
        coloured.formats = formatsOf(block, spans);
        colourLine(block, coloured.formats);
        return coloured;
    }
    // A line that grew long keeps no formats from before.
    colourLine(block, {});
    const QColor base = m_editor->palette().color(QPalette::Base);
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
    return coloured;
}
