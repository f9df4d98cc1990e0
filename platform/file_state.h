#pragma once

#include <QString>
#include <QtGlobal>

// What a path names on disk, symbolic links followed, and enough of a
// regular file's identity to tell whether someone else rewrote it.

enum class FileKind { Missing, Regular, Folder, Special };  // Special: FIFO, device, socket

struct FileStamp {
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 device = 0;
    quint64 inode = 0;
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

struct FileState {
    FileKind kind = FileKind::Missing;
    FileStamp stamp;  // for a regular file
};

FileState fileState(const QString &path);
