#include "main_form_fixture.h"

#include "support/file_bytes.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

class FileDrop : public MainFormFixture
{
protected:
    // What the window system does for a drag ending over `target`: enter,
    // then drop if the enter was accepted; then the event loop runs. The
    // action the drop took, IgnoreAction when it was refused.
    Qt::DropAction dragAndDrop(QWidget *target, const QList<QUrl> &urls,
                               Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction)
    {
        QMimeData data;
        data.setUrls(urls);
        return dragAndDrop(target, &data, offered);
    }

    Qt::DropAction dragAndDrop(QWidget *target, QMimeData *data,
                               Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction)
    {
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, offered, data, Qt::LeftButton, Qt::NoModifier);
        enter.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return Qt::IgnoreAction;
        QDropEvent drop(QPointF(at), offered, data, Qt::LeftButton, Qt::NoModifier);
        drop.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(target, &drop);
        QApplication::processEvents();
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }

    QString page(const char *name, const QByteArray &bytes)
    {
        const QString file = path(name);
        writeBytes(file, bytes);
        return file;
    }

    QStringList captions() const
    {
        QStringList result;
        for (QMdiSubWindow *w : form->ClientArea->subWindowList(QMdiArea::CreationOrder))
            result << w->windowTitle();
        return result;
    }

    QWidget *frameArea() const { return form->ClientArea->viewport(); }
};

TEST_F(FileDrop, OneFileOpensAsACopyAndIsRemembered)
{
    const QString file = page("one.html", "<P>\x93\xfa\x96\x7b</P>\r\n");
    // A file manager offering a move must not lose its file.
    EXPECT_EQ(dragAndDrop(frameArea(), {QUrl::fromLocalFile(file)}), Qt::CopyAction);
    EXPECT_TRUE(QFile::exists(file));
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(captions(), QStringList{file});
    EXPECT_EQ(current()->fileName(), file);
    EXPECT_EQ(docText(current()), u"<P>日本</P>\r\n"_s);
    EXPECT_FALSE(current()->isModified());
    EXPECT_EQ(form->Recent.at(0), file);
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(FileDrop, SeveralFilesOpenInTheirOrderAndTheLastIsActive)
{
    const QString a = page("a.html", "a\r\n");
    const QString b = page("b.html", "b\r\n");
    const QString c = page("c.html", "c\r\n");
    dragAndDrop(form.get(), {QUrl::fromLocalFile(b), QUrl::fromLocalFile(a), QUrl::fromLocalFile(c)});
    EXPECT_EQ(captions(), (QStringList{b, a, c}));
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(current()->windowTitle(), c);
    EXPECT_EQ(form->Recent.at(0), c);
    EXPECT_EQ(form->Recent.at(1), a);
    EXPECT_EQ(form->Recent.at(2), b);
    EXPECT_EQ(form->DocumentCounter, 3);
}

TEST_F(FileDrop, AFileAlreadyOpenWarnsAndTheRestStillOpen)
{
    const QString a = page("a.html", "a\r\n");
    const QString b = page("b.html", "b\r\n");
    fake.openNames = {a};
    form->FileOpenItemClick();
    dragAndDrop(frameArea(), {QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
    EXPECT_EQ(captions(), (QStringList{a, b}));
    EXPECT_EQ(fake.messageTexts(), QStringList{u"このファイルはすでに開いています"_s});
    EXPECT_EQ(form->Recent.at(0), b);
    EXPECT_EQ(form->Recent.at(1), a);
}

TEST_F(FileDrop, AFolderGetsTheOpenFailureMessageAndNoWindow)
{
    QDir(fake.folder.path()).mkdir(u"pages"_s);
    const QString folder = path("pages");
    const QString file = page("after.html", "x");
    dragAndDrop(frameArea(), {QUrl::fromLocalFile(folder), QUrl::fromLocalFile(file)});
    EXPECT_EQ(fake.messageTexts(), QStringList{u"ﾌｧｲﾙ "_s + folder + u" は開けません"_s});
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(fake.messages[0].title, u"Marquill 32"_s);
    EXPECT_EQ(captions(), QStringList{file});
    EXPECT_EQ(form->Recent.at(0), file);
    EXPECT_TRUE(form->Recent.at(1).isEmpty());
}

TEST_F(FileDrop, AFileThatCannotBeReadGetsTheOpenFailureMessage)
{
    const QString gone = path("gone.html");
    QString locked = page("locked.html", "secret");
    QFile::setPermissions(locked, QFileDevice::Permissions());
    if (QFile probe(locked); probe.open(QIODevice::ReadOnly))
        locked = u"/proc/self/mem"_s;  // permissions do not stop root; this file cannot be read at 0
    dragAndDrop(frameArea(), {QUrl::fromLocalFile(locked), QUrl::fromLocalFile(gone)});
    EXPECT_EQ(fake.messageTexts(), (QStringList{u"ﾌｧｲﾙ "_s + locked + u" は開けません"_s,
                                                u"ﾌｧｲﾙ "_s + gone + u" は開けません"_s}));
    EXPECT_TRUE(form->ClientArea->subWindowList().isEmpty());
    EXPECT_EQ(form->DocumentCounter, 0);
}

TEST_F(FileDrop, FilesDroppedOnTheTextOpenInsteadOfBeingTyped)
{
    form->FileNewItemClick();
    TMDIChild *first = current();
    const QString before = docText(first);
    const QString file = page("dropped.html", "dropped\r\n");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    data.setText(file);
    EXPECT_EQ(dragAndDrop(first->txtDoc->viewport(), &data), Qt::CopyAction);
    EXPECT_EQ(docText(first), before);
    EXPECT_FALSE(first->isModified());
    ASSERT_EQ(form->ClientArea->subWindowList().size(), 2);
    EXPECT_EQ(current()->windowTitle(), file);

    // Text without files is still the editor's to take.
    QMimeData text;
    text.setText(u"<B>"_s);
    EXPECT_NE(dragAndDrop(current()->txtDoc->viewport(), &text), Qt::IgnoreAction);
    EXPECT_TRUE(docText(current()).contains(u"<B>"_s));
    EXPECT_EQ(form->ClientArea->subWindowList().size(), 2);
}

TEST_F(FileDrop, LinksToTheWebAndMovesOnlyAreRefused)
{
    EXPECT_EQ(dragAndDrop(frameArea(), {QUrl(u"https://example.com/index.html"_s)}), Qt::IgnoreAction);
    const QString file = page("a.html", "a");
    EXPECT_EQ(dragAndDrop(frameArea(), {QUrl::fromLocalFile(file)}, Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_TRUE(form->ClientArea->subWindowList().isEmpty());
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(FileDrop, AFullWindowBudgetWarnsOnceForTheWholeDrop)
{
    for (int i = 0; i < DocumentTable::Slots; ++i) {
        form->FileNewItemClick();
        current()->closeWithoutAsking();
    }
    const QString a = page("a.html", "a");
    const QString b = page("b.html", "b");
    dragAndDrop(frameArea(), {QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
    EXPECT_EQ(fake.messageTexts(),
              QStringList{u"作業領域がとれません。プログラムを再起動してください。"_s});
    EXPECT_TRUE(form->ClientArea->subWindowList().isEmpty());
}

} // namespace
