#include "platform/file_state.h"

#include <QFile>

#include <sys/stat.h>

FileState fileState(const QString &path)
{
    FileState state;
    struct stat st = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return state;
    if (S_ISDIR(st.st_mode)) {
        state.kind = FileKind::Folder;
    } else if (S_ISREG(st.st_mode)) {
        state.kind = FileKind::Regular;
        state.stamp = {qint64(st.st_size),
                       qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                       quint64(st.st_dev), quint64(st.st_ino)};
    } else {
        state.kind = FileKind::Special;
    }
    return state;
}
