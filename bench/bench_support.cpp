#include "bench/bench_support.h"

#include "document/doc_editor.h"
#include "document/mdi_child.h"
#include "platform/platform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

class BenchPlatform final : public Platform
{
public:
    BenchPlatform() { setPlatform(this); }
    ~BenchPlatform() override { setPlatform(nullptr); }

    Answer message(QWidget *, MessageKind, const QString &, MessageButtons buttons,
                   const QString &) override
    {
        return buttons == MessageButtons::Ok ? Answer::Ok : Answer::No;
    }
    std::optional<QString> openFileName(QWidget *, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> saveFileName(QWidget *, const QString &, const QString &,
                                        const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return std::nullopt; }
    std::optional<QColor> chooseColor(QWidget *, const QColor &) override { return std::nullopt; }
    std::optional<QString> inputBox(QWidget *, const InputBoxRequest &) override
    {
        return std::nullopt;
    }
    void showHelp(QWidget *, const QString &, int) override {}
    bool startBrowser(const QString &, const QString &) override { return false; }
    QString programFolder() const override { return m_folder.path() + u'/'; }
    QString configFilePath() const override { return m_folder.path() + u"/MARQUILL.INI"_s; }
    QString recoveryFolder() const override { return m_folder.path() + u"/recovery"_s; }

private:
    QTemporaryDir m_folder;
};

// Counts paints of editor viewports, so a pending update can be told from none.
class PaintCounter : public QObject
{
public:
    PaintCounter() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->parent()
            && qobject_cast<QPlainTextEdit *>(watched->parent()))
            ++count;
        return false;
    }
};

} // namespace

void benchPlatform()
{
    static BenchPlatform instance;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

qint64 threadCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

void paintNow(QPlainTextEdit *editor)
{
    static PaintCounter paints;
    const int before = paints.count;
    QApplication::processEvents();
    if (paints.count == before)
        editor->viewport()->repaint();
}

EditorPair shownEditorPair(const QString &page, QSize size)
{
    EditorPair pair;
    pair.doc = std::make_unique<TMDIChild>(size);
    pair.doc->setAttribute(Qt::WA_DeleteOnClose, false);
    pair.doc->txtDoc->setPlainText(page);
    pair.doc->show();
    pair.bare = std::make_unique<QPlainTextEdit>();
    pair.bare->setFont(pair.doc->txtDoc->font());
    pair.bare->resize(pair.doc->txtDoc->size());
    pair.bare->setPlainText(page);
    pair.bare->show();
    settle();
    return pair;
}
