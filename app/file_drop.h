#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QMimeData;
class QWidget;

// The local files a drag carries, in its order; empty when it carries none
// (web links, plain text).
QStringList droppedFiles(const QMimeData *data);

// Takes drags of local files on the widgets it watches, as a copy: a file
// manager offering to move a file must never lose it to us. The files are
// handed over once the drop has finished, so a message box about one of them
// does not hold up the program the file came from.
class FileDropCatcher : public QObject
{
public:
    using OpenFiles = std::function<void(const QStringList &files)>;
    FileDropCatcher(OpenFiles open, QObject *parent);

    // Drags of anything else still reach `widget` as before.
    void watch(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OpenFiles m_open;
};
