#include "document/tag_wrap_layout.h"

#include <QFontMetrics>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtGui/private/qtextengine_p.h>
#include <QtMath>

#include <climits>

namespace {

bool endsTagName(QChar c)
{
    return c == u'>' || c == u'/' || c == u'<' || c.isSpace();
}

// Takes back the break opportunities after the "<" or "</" of a tag and
// inside its name (up to a blank, "/" or ">"). Called after the layout has
// begun and before its first line: the lines are then broken by these.
void keepTagNamesWhole(QTextEngine *engine)
{
    if (!engine->layoutData)
        return;
    const QString &text = engine->layoutData->string;
    qsizetype lt = text.indexOf(u'<');
    if (lt < 0)
        return;
    // Qt works them out once per layout; the lines read them from here.
    auto *attributes = const_cast<QCharAttributes *>(engine->attributes());
    if (!attributes)
        return;
    const qsizetype size = text.size();
    while (lt >= 0) {
        qsizetype i = lt + 1;
        if (i < size && text[i] == u'/')
            ++i;
        while (i < size && !endsTagName(text[i]))
            ++i;
        for (qsizetype p = lt + 1; p < i; ++p)
            attributes[p].lineBreak = false;
        lt = text.indexOf(u'<', qMax(i, lt + 1));
    }
}

} // namespace

TagWrapLayout::TagWrapLayout(QTextDocument *document)
    : QPlainTextDocumentLayout(document)
{
}

bool TagWrapLayout::fitsRunningQt()
{
    return qstrcmp(qVersion(), QT_VERSION_STR) == 0;
}

bool TagWrapLayout::wrapping() const
{
    const QTextOption::WrapMode mode = document()->defaultTextOption().wrapMode();
    return mode == QTextOption::WordWrap || mode == QTextOption::WrapAtWordBoundaryOrAnywhere;
}

QRectF TagWrapLayout::blockBoundingRect(const QTextBlock &block) const
{
    if (block.isValid() && block.layout()->lineCount() == 0 && wrapping())
        const_cast<TagWrapLayout *>(this)->layOut(block);
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void TagWrapLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    QTextDocument *doc = document();
    const int blockCount = doc->blockCount();
    const QTextBlock block = doc->findBlock(from);
    // With the line count unchanged, new text within one line is an edit
    // of that line alone. (Qt's test also adds the removed length, which
    // sends a change noticed over a whole line through the slow path.)
    if (!wrapping() || blockCount != m_blockCount || block != doc->findBlock(qMax(from, from + charsAdded - 1))) {
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
        m_blockCount = blockCount;
        return;
    }
    // An edit within one line: what Qt's layout does, with the line laid
    // out here. It lays the line out at once and repaints only the line,
    // unless its height changed.
    if (block.isValid() && block.length()) {
        const bool laidOut = block.layout()->lineCount() > 0;
        const qreal oldHeight = blockBoundingRect(block).height();
        if (laidOut)
            layOut(block);
        if (blockBoundingRect(block).height() == oldHeight) {
            Q_EMIT updateBlock(block);
            return;
        }
    }
    Q_EMIT update(QRectF(0., -doc->documentMargin(), 1000000000., 1000000000.));
}

void TagWrapLayout::layOut(const QTextBlock &block)
{
    QTextDocument *doc = document();
    const qreal margin = doc->documentMargin();
    const QTextOption option = doc->defaultTextOption();
    QTextLayout *layout = block.layout();
    layout->setTextOption(option);

    int extraMargin = 0;
    if (option.flags() & QTextOption::AddSpaceForLineAndParagraphSeparators)
        extraMargin = QFontMetrics(block.charFormat().font()).horizontalAdvance(QChar(0x21B5));
    // The width the view set. Qt's layout gives it as the larger of it and
    // the widest line it laid out itself, which it does not while wrapping;
    // and setting the width, as turning wrapping on does, forgets that line.
    qreal width = frameBoundingRect(nullptr).width();
    if (width <= 0)
        width = qreal(INT_MAX);
    width -= 2 * margin + extraMargin;

    layout->beginLayout();
    keepTagNamesWhole(layout->engine());
    qreal height = 0;
    for (;;) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        line.setPosition(QPointF(margin, height));
        height += line.height();
        if (line.leading() < 0)
            height += qCeil(line.leading());
    }
    layout->endLayout();

    const int lineCount = doc->lineCount();
    QTextBlock(block).setLineCount(block.isVisible() ? layout->lineCount() : 0);
    if (doc->lineCount() != lineCount && !m_tellingSize) {
        m_tellingSize = true;
        Q_EMIT documentSizeChanged(documentSize());
        m_tellingSize = false;
    }
}
