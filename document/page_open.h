#pragma once

#include "platform/file_state.h"
#include "platform/text_file.h"

#include <optional>

class QWidget;

// A page read for a window: its text, line ends and encoding, and the file
// as it was read.
struct OpenedPage {
    LoadedText page;
    // nullopt: there is no file of that name (the window starts a new page).
    std::optional<FileStamp> stamp;
};

// Reads the file `name` as its bytes tell (or as `as`). nullopt when it is
// refused, after telling the user over `parent`: a folder, a FIFO or a
// device, a file that cannot be read, or one above MaxPageBytes.
std::optional<OpenedPage> openPage(QWidget *parent, const QString &name,
                                   std::optional<TextEncoding> as = std::nullopt);

// "ﾌｧｲﾙ %1 は開けません", for every open that cannot go ahead.
void tellCannotOpen(QWidget *parent, const QString &name);
