#include "bench/bench_support.h"

#include "app/main_form.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"
#include "platform/platform.h"
#include "platform/unencodable_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextCursor>
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
    UnencodableChoice unencodableCharacters(QWidget *, const UnencodableReport &,
                                            const std::function<void(qsizetype)> &) override
    {
        return UnencodableChoice::Cancel;
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

qint64 processCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

std::unique_ptr<QPlainTextEdit> bareEditorLike(const QPlainTextEdit *like)
{
    auto edit = std::make_unique<QPlainTextEdit>();
    edit->setFont(like->font());
    edit->resize(like->size());
    edit->setLineWrapMode(like->lineWrapMode());
    edit->setWordWrapMode(like->wordWrapMode());
    edit->setHorizontalScrollBarPolicy(like->horizontalScrollBarPolicy());
    edit->setVerticalScrollBarPolicy(like->verticalScrollBarPolicy());
    return edit;
}

std::unique_ptr<TMainForm> shownMainForm()
{
    benchPlatform();
    auto form = std::make_unique<TMainForm>();
    form->resize(1280, 960);
    form->show();
    settle();
    return form;
}

QFont programDisplayFont()
{
    benchPlatform();
    static const QFont font = [] {
        const TMainForm form;
        return QFont(form.DisplayFont.family(), form.DisplayFont.pointSize());
    }();
    return font;
}

std::unique_ptr<TMDIChild> shownDocument(const QString &text)
{
    benchPlatform();
    auto doc = std::make_unique<TMDIChild>(QSize(1280, 900));
    doc->setAttribute(Qt::WA_DeleteOnClose, false);
    doc->txtDoc->setFont(programDisplayFont());
    doc->txtDoc->setPlainText(text);
    doc->setModified(false);
    doc->show();
    settle();
    return doc;
}

void moveCaret(QPlainTextEdit *editor, int position, int anchor)
{
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(anchor < 0 ? position : anchor);
    if (anchor >= 0)
        cursor.setPosition(position, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
}

void sendKey(QWidget *target, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

void OursAndFloor::report(benchmark::State &state) const
{
    const double n = double(state.iterations());
    state.counters["ours_ms"] = double(oursNs) / 1e6 / n;
    state.counters["floor_ms"] = double(floorNs) / 1e6 / n;
    state.counters["ratio"] = floorNs > 0 ? double(oursNs) / double(floorNs) : 0.0;
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
    pair.doc->txtDoc->setFont(programDisplayFont());
    pair.doc->txtDoc->setPlainText(page);
    pair.doc->show();
    pair.bare = bareEditorLike(pair.doc->txtDoc);
    pair.bare->setPlainText(page);
    pair.bare->show();
    settle();
    return pair;
}
