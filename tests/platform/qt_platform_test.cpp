#include "platform/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>
#include <functional>

#include "support/recording_browser.h"

using namespace Qt::StringLiterals;

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

// Runs `step` on the modal window once it is up.
void whenModalShows(std::function<void(QWidget *)> step)
{
    QTimer::singleShot(0, [step] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        step(modal);
    });
}

QStringList buttonTexts(QMessageBox *box)
{
    QStringList texts;
    for (QAbstractButton *b : box->buttons())
        texts << b->text();
    texts.sort();
    return texts;
}

TEST(QtPlatformMessages, YesNoCancelHasJapaneseButtonsAndTheKindsTitle)
{
    QtPlatform platform;
    QString title;
    QStringList texts;
    whenModalShows([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        texts = buttonTexts(box);
        for (QAbstractButton *b : box->buttons())
            if (b->text() == u"いいえ(&N)")
                b->click();
    });
    const Answer answer = platform.message(nullptr, MessageKind::Warning, u"保存しますか？"_s,
                                           MessageButtons::YesNoCancel);
    EXPECT_EQ(answer, Answer::No);
    EXPECT_EQ(title, u"警告"_s);
    EXPECT_EQ(texts, (QStringList{u"いいえ(&N)"_s, u"はい(&Y)"_s, u"ｷｬﾝｾﾙ"_s}));
}

TEST(QtPlatformMessages, EscapeIsCancelOrNo)
{
    QtPlatform platform;
    whenModalShows([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(platform.message(nullptr, MessageKind::Warning, u"x"_s, MessageButtons::YesNoCancel),
              Answer::Cancel);
    whenModalShows([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(platform.message(nullptr, MessageKind::Confirmation, u"x"_s, MessageButtons::YesNo),
              Answer::No);
}

TEST(QtPlatformMessages, AnExplicitTitleAndYes)
{
    QtPlatform platform;
    QString title;
    whenModalShows([&](QWidget *w) {
        title = w->windowTitle();
        for (QAbstractButton *b : qobject_cast<QMessageBox *>(w)->buttons())
            if (b->text() == u"はい(&Y)")
                b->click();
    });
    EXPECT_EQ(platform.message(nullptr, MessageKind::Information, u"x"_s, MessageButtons::YesNo,
                               u"Marquill 32"_s),
              Answer::Yes);
    EXPECT_EQ(title, u"Marquill 32"_s);
}

TEST(QtPlatformFiles, TheOpenDialogOffersTheFiltersAndCanBeCancelled)
{
    QtPlatform platform;
    QStringList filters;
    QString selected;
    bool hidesDetails = false;
    whenModalShows([&](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        selected = dialog->selectedNameFilter();
        hidesDetails = dialog->testOption(QFileDialog::HideNameFilterDetails);
        dialog->reject();
    });
    EXPECT_EQ(platform.openFileName(nullptr, u"HTMLﾌｧｲﾙ(*.htm*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*"_s),
              std::nullopt);
    EXPECT_EQ(filters, (QStringList{u"HTMLﾌｧｲﾙ(*.htm*) (*.[hH][tT][mM]*)"_s, u"全てのﾌｧｲﾙ(*.*) (*)"_s}));
    EXPECT_EQ(selected, u"HTMLﾌｧｲﾙ(*.htm*)"_s);  // shown without the pattern behind it
    EXPECT_TRUE(hidesDetails);
}

TEST(QtPlatformFiles, TheSaveDialogAsksBeforeReplacingAndReturnsTheTypedName)
{
    QtPlatform platform;
    QTemporaryDir dir;
    bool confirms = false;
    whenModalShows([&](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
        dialog->selectFile(dir.filePath(u"page"_s));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::optional<QString> name =
        platform.saveFileName(nullptr, u"HTML|*.htm*"_s, u"old.html"_s, dir.path());
    EXPECT_TRUE(confirms);
    EXPECT_EQ(name, dir.filePath(u"page"_s));
}

const QString htmlFilter = u"HTMLﾌｧｲﾙ(*.htm*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*"_s;

QLineEdit *nameField(QFileDialog *dialog)
{
    return dialog->findChild<QLineEdit *>(u"fileNameEdit"_s);
}

// Presses Enter in the name field. A box the dialog puts up meanwhile (a
// question, or its own "not found") is noted in `boxes` and answered by
// `answer`; a dialog still open afterwards is cancelled, so a failing case
// cannot hang.
void pressEnter(QFileDialog *dialog, QStringList &boxes,
                QMessageBox::StandardButton answer = QMessageBox::No)
{
    QTimer::singleShot(0, dialog, [&boxes, answer] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->button(answer) ? box->button(answer)->click() : box->reject();
        }
    });
    QTest::keyClick(nameField(dialog), Qt::Key_Return);
    if (dialog->isVisible())
        dialog->reject();
}

// Save As starts from the file's own name, spelled as it is, and Enter
// writes exactly that name; switching the file type back and forth leaves
// the name alone.
TEST(QtPlatformFiles, TheSaveDialogProposesTheCurrentNameAsItIs)
{
    for (const QString &name : {u"page.htm"_s, u"PAGE.HTML"_s}) {
        SCOPED_TRACE(name.toStdString());
        QtPlatform platform;
        QTemporaryDir dir;
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);  // saved before
        QString proposed;
        QString afterTypeSwitch;
        QStringList boxes;
        whenModalShows([&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            ASSERT_NE(dialog, nullptr);
            ASSERT_NE(nameField(dialog), nullptr);
            proposed = nameField(dialog)->text();
            auto *types = dialog->findChild<QComboBox *>(u"fileTypeCombo"_s);
            ASSERT_NE(types, nullptr);
            types->setFocus();
            QTest::keyClick(types, Qt::Key_Down);  // all files
            QTest::keyClick(types, Qt::Key_Up);    // back to HTML files
            afterTypeSwitch = nameField(dialog)->text();
            pressEnter(dialog, boxes, QMessageBox::Yes);
        });
        const std::optional<QString> chosen =
            platform.saveFileName(nullptr, htmlFilter, name, dir.path());
        EXPECT_EQ(proposed, name);
        EXPECT_EQ(afterTypeSwitch, name);
        EXPECT_EQ(boxes.size(), 1);  // replacing the file it was saved to
        EXPECT_EQ(chosen, std::optional<QString>(dir.filePath(name)));
    }
}

// A name typed into the open dialog that is no file comes back as it is;
// the editor makes a new document of that name.
TEST(QtPlatformFiles, TheOpenDialogTakesATypedNameThatIsNoFile)
{
    QtPlatform platform;
    QTemporaryDir dir;
    QStringList boxes;
    whenModalShows([&](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(dir.path());
        ASSERT_NE(nameField(dialog), nullptr);
        nameField(dialog)->setFocus();
        QTest::keyClicks(nameField(dialog), u"gone.html"_s);
        pressEnter(dialog, boxes);
    });
    const std::optional<QString> chosen = platform.openFileName(nullptr, htmlFilter);
    EXPECT_EQ(boxes, QStringList());
    EXPECT_EQ(chosen, std::optional<QString>(dir.filePath(u"gone.html"_s)));
}

// A typed pattern, the file type's own included, is no name: Enter shows
// what it matches and the dialog stays for a real name.
TEST(QtPlatformFiles, ATypedPatternIsNoName)
{
    for (const bool save : {false, true}) {
        SCOPED_TRACE(save ? "save" : "open");
        QtPlatform platform;
        QTemporaryDir dir;
        QFile(dir.filePath(u"a.htm"_s)).open(QIODevice::WriteOnly);
        QFile(dir.filePath(u"b.txt"_s)).open(QIODevice::WriteOnly);
        bool stayed = false;
        QStringList boxes;
        whenModalShows([&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            ASSERT_NE(dialog, nullptr);
            QLineEdit *field = nameField(dialog);
            ASSERT_NE(field, nullptr);
            field->setFocus();
            // Typed over what is there, as a user does (the field is never
            // empty between, which would select the folder).
            for (const QString &pattern : {u"*.htm*"_s, u"?.txt"_s}) {
                field->selectAll();
                QTest::keyClicks(field, pattern);
                QTest::keyClick(field, Qt::Key_Return);
                stayed = dialog->isVisible();
                if (!stayed)
                    return;
                auto *files = dialog->findChild<QFileSystemModel *>(u"qt_filesystem_model"_s);
                ASSERT_NE(files, nullptr);
                EXPECT_EQ(files->nameFilters(), QStringList{pattern});
            }
            field->selectAll();
            QTest::keyClicks(field, u"new.html"_s);
            pressEnter(dialog, boxes);
        });
        const std::optional<QString> chosen =
            save ? platform.saveFileName(nullptr, htmlFilter, {}, dir.path())
                 : platform.openFileName(nullptr, htmlFilter, dir.filePath(u"x"_s));
        EXPECT_TRUE(stayed);
        EXPECT_EQ(boxes, QStringList());
        EXPECT_EQ(chosen, std::optional<QString>(dir.filePath(u"new.html"_s)));
    }
}

TEST(QtPlatformFolders, SettingsLiveBesideAWritableProgram)
{
    QtPlatform platform;
    EXPECT_EQ(platform.programFolder(), QCoreApplication::applicationDirPath() + u'/');
    EXPECT_EQ(platform.configFilePath(), platform.programFolder() + u"MARQUILL.INI"_s);
}

TEST(QtPlatformBrowser, AProgramStartsInTheProgramsFolderWithThePageAsItsOneArgument)
{
    QtPlatform platform;
    QTemporaryDir dir;
    const QString browser = writeRecordingBrowser(dir);
    ASSERT_FALSE(browser.isEmpty());
    const QString folder = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    const QString page = u"/tmp/a folder/ページ \"$x\".html"_s;

    EXPECT_TRUE(platform.startBrowser(browser, page));
    EXPECT_EQ(recordedRun(dir), (QStringList{folder, u"1"_s, page}));
    EXPECT_TRUE(platform.startBrowser(browser, QString()));
    EXPECT_EQ(recordedRun(dir), (QStringList{folder, u"0"_s}));
}

// Runs `body` with `folder` as the working folder and at the front of the PATH.
template <typename Body>
void withWorkingFolderAndPath(const QString &folder, const QString &onPath, Body body)
{
    const QString working = QDir::currentPath();
    const QByteArray path = qgetenv("PATH");
    QDir::setCurrent(folder);
    qputenv("PATH", QFile::encodeName(onPath) + ':' + path);
    body();
    qputenv("PATH", path);
    QDir::setCurrent(working);
}

TEST(QtPlatformBrowser, ABareNameIsFoundOnThePathOnlyNotInTheWorkingFolder)
{
    QtPlatform platform;
    QTemporaryDir onPath;
    QTemporaryDir working;
    const QString name = u"marquill-test-browser"_s;
    ASSERT_FALSE(writeRecordingBrowser(onPath, name).isEmpty());
    ASSERT_FALSE(writeRecordingBrowser(working, name).isEmpty());
    bool started = false;
    withWorkingFolderAndPath(working.path(), onPath.path(),
                             [&] { started = platform.startBrowser(name, u"/tmp/-p \"'x.html"_s); });
    EXPECT_TRUE(started);
    EXPECT_EQ(recordedRun(onPath).mid(1), (QStringList{u"1"_s, u"/tmp/-p \"'x.html"_s}));
    EXPECT_FALSE(QFile::exists(working.filePath(u"args.txt"_s)));
}

TEST(QtPlatformBrowser, ARelativePathStartsAtTheProgramsFolder)
{
    QtPlatform platform;
    QTemporaryDir dir;
    QTemporaryDir working;
    const QString browser = writeRecordingBrowser(dir);
    ASSERT_FALSE(browser.isEmpty());
    const QString relative = QDir(platform.programFolder()).relativeFilePath(browser);
    ASSERT_TRUE(relative.contains(u'/'));
    bool started = false;
    withWorkingFolderAndPath(working.path(), working.path(),
                             [&] { started = platform.startBrowser(relative, u"/tmp/p.html"_s); });
    EXPECT_TRUE(started);
    EXPECT_EQ(recordedRun(dir).mid(1), (QStringList{u"1"_s, u"/tmp/p.html"_s}));
}

TEST(QtPlatformBrowser, ADesktopLauncherGetsThePageAndNothingElseIsAProgram)
{
    QtPlatform platform;
    QTemporaryDir dir;
    // A stand-in `gio` records the launch.
    ASSERT_FALSE(writeRecordingBrowser(dir, u"gio"_s).isEmpty());
    const QString launcher = dir.filePath(u"browser.desktop"_s);
    const QString text = dir.filePath(u"browser.txt"_s);
    ASSERT_TRUE(QFile(launcher).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile(text).open(QIODevice::WriteOnly));
    struct Row {
        QString browser;
        bool starts;
    };
    const Row rows[] = {
        {launcher, true},
        {text, false},
        {dir.path(), false},
        {dir.filePath(u"gone"_s), false},
        {u"marquill-no-such-browser"_s, false},
    };
    withWorkingFolderAndPath(dir.path(), dir.path(), [&] {
        for (const Row &row : rows)
            EXPECT_EQ(platform.startBrowser(row.browser, u"/tmp/p.html"_s), row.starts) << row.browser.toStdString();
    });
    EXPECT_EQ(recordedRun(dir).mid(1), (QStringList{u"3"_s, u"launch"_s, launcher, u"/tmp/p.html"_s}));
}

void writeScript(const QString &path, const QByteArray &body)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

TEST(QtPlatformBrowser, TheDesktopsDefaultBrowserIsResolvedToItsProgram)
{
    struct Row {
        QByteArray answer;  // what xdg-settings says
        const char *expected;  // inside the row's folder
    };
    const Row rows[] = {
        {"marquill-test.desktop", "bin/marquill-test-browser"},
        {"", "real/browser"},  // then x-www-browser, through its link
    };
    for (const Row &row : rows) {
        QTemporaryDir dir;
        const QDir root(dir.path());
        ASSERT_TRUE(root.mkpath(u"bin"_s) && root.mkpath(u"real"_s) && root.mkpath(u"data/applications"_s));
        writeScript(root.filePath(u"bin/xdg-settings"_s), "echo '" + row.answer + "'\n");
        writeScript(root.filePath(u"bin/marquill-test-browser"_s), "\n");
        writeScript(root.filePath(u"real/browser"_s), "\n");
        ASSERT_TRUE(QFile::link(root.filePath(u"real/browser"_s), root.filePath(u"bin/x-www-browser"_s)));
        QFile entry(root.filePath(u"data/applications/marquill-test.desktop"_s));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nName=Test\nExec=marquill-test-browser --new %u\n");
        entry.close();
        const QByteArray data = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(u"data"_s)));
        QString proposed;
        withWorkingFolderAndPath(dir.path(), root.filePath(u"bin"_s), [&] { proposed = QtPlatform().defaultBrowser(); });
        qputenv("XDG_DATA_HOME", data);
        EXPECT_EQ(proposed, root.filePath(QString::fromUtf8(row.expected))) << row.answer.constData();
    }
}

// The file names the list of `dialog` shows in `folder`, once it has read them.
QStringList shownNames(QFileDialog *dialog, const QString &folder, qsizetype expected)
{
    auto *files = dialog->findChild<QFileSystemModel *>(u"qt_filesystem_model"_s);
    QAbstractProxyModel *shown = dialog->proxyModel();
    if (!files || !shown)
        return {u"no model"_s};
    QStringList names;
    // A list that never gets there is compared as it stands.
    (void)QTest::qWaitFor([&] {
        names.clear();
        const QModelIndex root = shown->mapFromSource(files->index(folder));
        for (int row = 0; row < shown->rowCount(root); ++row)
            names << shown->index(row, 0, root).data().toString();
        return names.size() == expected;
    }, 5000);
    names.sort();
    return names;
}

TEST(QtPlatformFiles, TheProgramTypeListsTheFilesOneMayRun)
{
    QtPlatform platform;
    QTemporaryDir dir;
    ASSERT_FALSE(writeRecordingBrowser(dir, u"firefox"_s).isEmpty());
    ASSERT_TRUE(QFile(dir.filePath(u"notes.txt"_s)).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"lib"_s));
    QString typeShown;
    QStringList programs;
    QStringList everything;
    QStringList programsAgain;
    whenModalShows([&](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(dir.path());
        auto *types = dialog->findChild<QComboBox *>(u"fileTypeCombo"_s);
        ASSERT_NE(types, nullptr);
        typeShown = types->currentText();
        programs = shownNames(dialog, dir.path(), 2);
        types->setFocus();
        QTest::keyClick(types, Qt::Key_Down);
        everything = shownNames(dialog, dir.path(), 3);
        QTest::keyClick(types, Qt::Key_Up);
        programsAgain = shownNames(dialog, dir.path(), 2);
        nameField(dialog)->setText(u"firefox"_s);
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible())
            dialog->reject();
    });
    const std::optional<QString> chosen =
        platform.openFileName(nullptr, u"実行ﾌｧｲﾙ(*.EXE)|*.EXE|全てのﾌｧｲﾙ(*.*)|*.*"_s);
    EXPECT_EQ(typeShown, u"実行ﾌｧｲﾙ"_s);
    EXPECT_EQ(programs, (QStringList{u"firefox"_s, u"lib"_s}));
    EXPECT_EQ(everything, (QStringList{u"firefox"_s, u"lib"_s, u"notes.txt"_s}));
    EXPECT_EQ(programsAgain, programs);
    EXPECT_EQ(chosen, std::optional<QString>(dir.filePath(u"firefox"_s)));
}

} // namespace

#include "platform/help_viewer.h"

#include <QFile>
#include <QTextBrowser>
#include <QTemporaryDir>

namespace {

TEST(HelpViewerWindow, OpensTheFileAtTheContextAnchor)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"marquill.html"_s);
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("<html><body><a name=\"context-1\"></a><h1>目次</h1></body></html>");
    out.close();

    HelpViewer viewer;
    EXPECT_FALSE(viewer.open(dir.filePath(u"missing.html"_s), 1));
    EXPECT_FALSE(viewer.isVisible());
    ASSERT_TRUE(viewer.open(file, 1));
    EXPECT_TRUE(viewer.isVisible());
    auto *browser = viewer.findChild<QTextBrowser *>(u"HelpBrowser"_s);
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source().fragment(), u"context-1"_s);
    EXPECT_TRUE(browser->toPlainText().contains(u"目次"_s));
}

} // namespace

