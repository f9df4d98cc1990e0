#include "document/line_formats.h"

#include "document/tag_wrap_layout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtGui/private/qtextengine_p.h>

void setLineFormats(const QTextBlock &block, const QList<QTextLayout::FormatRange> &formats)
{
    QTextLayout *layout = block.layout();
    if (TagWrapLayout::fitsRunningQt()) {
        // Forgets the line's lines too, so it is laid out again with them.
        layout->engine()->setFormats(formats);
        return;
    }
    layout->setFormats(formats);
    const_cast<QTextDocument *>(block.document())->markContentsDirty(block.position(), block.length());
}
