#include "document/page_open.h"

#include "platform/busy_cursor.h"
#include "platform/platform.h"

#include <QDir>

using namespace Qt::StringLiterals;

void tellCannotOpen(QWidget *parent, const QString &name)
{
    platform().message(parent, MessageKind::Error,
                       u"ﾌｧｲﾙ %1 は開けません"_s.arg(QDir::toNativeSeparators(name)),
                       MessageButtons::Ok, u"Marquill 32"_s);
}

std::optional<OpenedPage> openPage(QWidget *parent, const QString &name, std::optional<TextEncoding> as)
{
    BusyCursor busy;
    const FileState state = fileState(name);
    if (state.kind == FileKind::Missing)
        return OpenedPage{};
    if (state.kind == FileKind::Regular && state.stamp.size > MaxPageBytes) {
        busy.release();
        platform().message(parent, MessageKind::Error,
                           u"ﾌｧｲﾙ %1 は大きすぎて開けません (%2 MB まで)"_s.arg(
                               QDir::toNativeSeparators(name), QString::number(MaxPageBytes >> 20)),
                           MessageButtons::Ok, u"Marquill 32"_s);
        return std::nullopt;
    }
    // Folders, FIFOs and devices are refused before anything opens them.
    std::optional<LoadedText> loaded;
    if (state.kind == FileKind::Regular)
        loaded = readTextFile(name, as);
    if (!loaded) {
        busy.release();
        tellCannotOpen(parent, name);
        return std::nullopt;
    }
    return OpenedPage{std::move(*loaded), state.stamp};
}
