// Random text and caret through the tag reader and the dialogs' readers:
// nothing is read outside the text (it sits in a buffer of exactly its
// size), every extent lies inside it, and nothing takes long.
#include "dialogs/links/frame_set_tag.h"
#include "dialogs/links/select_list_tag.h"
#include "dialogs/media/video_tag.h"
#include "dialogs/text/font_tag.h"
#include "dialogs/text/list_tag.h"
#include "dialogs/text/table_tag.h"
#include "document/tag_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "tag reader: %s\n", what);
        std::abort();
    }
}

// The first rewrite of each reader, as the command would make it.
template <typename Options, typename Written>
void rewrite(const Reopened<Options> &reopened, qsizetype size, Written written)
{
    require(reopened.from >= 0 && reopened.from <= reopened.to && reopened.to <= size, "reopened extent");
    const QString text = written(reopened.options);
    withKeptAttributes(reopened.whole ? text : firstTag(text), text, reopened.kept);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const QString decoded = QString::fromUtf8(reinterpret_cast<const char *>(data) + 2, qsizetype(size - 2));
    const qsizetype length = decoded.size();
    auto buffer = std::make_unique<char16_t[]>(std::size_t(length) + 1);
    std::memcpy(buffer.get(), decoded.utf16(), std::size_t(length) * sizeof(char16_t));
    const QStringView text(buffer.get(), length);
    const qsizetype caret = (data[0] | data[1] << 8) % (length + 1);

    const CaretTarget target = readTagAt(text, caret);
    if (target.colourStart >= 0)
        require(target.colourStart + 6 <= length && target.colourDigits.size() == 6, "colour extent");
    for (const TagElement &tag : target.tags) {
        require(tag.start >= 0 && tag.start < tag.end && tag.end <= length, "tag extent");
        require(text[tag.start] == u'<' && text[tag.end - 1] == u'>', "tag bounds");
        if (tag.elementEnd >= 0)
            require(tag.end <= tag.contentEnd && tag.contentEnd < tag.elementEnd && tag.elementEnd <= length
                            && tag.content.size() == tag.contentEnd - tag.end,
                    "element extent");
        rewrite(reopenFont(tag, {}), length, [](const FontOptions &o) { return fontTag(o).start; });
        rewrite(reopenTable(tag, {}), length, tableText);
        rewrite(reopenListBox(tag, {}), length, [](const ListBoxOptions &o) { return listBoxTag(o).start; });
        rewrite(reopenFrameSet(tag, {}), length, [](const FrameSetOptions &o) { return frameSetTag(o).start; });
        rewrite(reopenVideo(tag, {}), length, [](const VideoOptions &o) { return videoTag(o).start; });
        if (const auto list = reopenNumberedList(tag, {}))
            rewrite(*list, length, numberedListMarker);
    }
    return 0;
}
