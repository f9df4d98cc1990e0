#include "main_form_fixture.h"

#include "app/command_line.h"
#include "app/program.h"

#include "support/file_bytes.h"

#include <QProcess>
#include <QProcessEnvironment>

using namespace Qt::StringLiterals;

namespace {

using Request = CommandLine::Request;

const QString versionLine = u"Marquill 32 "_s + QStringLiteral(MARQUILL_VERSION_UNDER_TEST) + u'\n';

struct CommandLineCase {
    const char *what;
    QStringList arguments;  // after the program's name
    Request request;
    QStringList files;
};

TEST(CommandLineReading, AsATable)
{
    const QList<CommandLineCase> cases = {
        {"nothing", {}, Request::Run, {}},
        {"files in order", {u"b.html"_s, u"a.htm"_s, u"c"_s}, Request::Run,
         {u"b.html"_s, u"a.htm"_s, u"c"_s}},
        {"a name after -- is a file", {u"a.html"_s, u"--"_s, u"-v"_s}, Request::Run,
         {u"a.html"_s, u"-v"_s}},
        {"--help", {u"--help"_s}, Request::Help, {}},
        {"-h among files", {u"a.html"_s, u"-h"_s}, Request::Help, {}},
        {"--version", {u"--version"_s}, Request::Version, {}},
        {"-v", {u"-v"_s}, Request::Version, {}},
        {"help wins over the version", {u"--version"_s, u"--help"_s}, Request::Help, {}},
        {"version beside an unknown option", {u"--bogus"_s, u"--version"_s}, Request::Version, {}},
        {"an unknown option", {u"a.html"_s, u"--bogus"_s}, Request::Error, {}},
    };
    for (const CommandLineCase &c : cases) {
        const CommandLine read = readCommandLine(QStringList{u"/usr/bin/marquill"_s} + c.arguments);
        EXPECT_EQ(read.request, c.request) << c.what;
        EXPECT_EQ(read.files, c.files) << c.what;
    }
}

TEST(CommandLineReading, TextsOfEachAnswer)
{
    EXPECT_EQ(readCommandLine({u"marquill"_s, u"--version"_s}).text, versionLine);
    // Qt's own sentence, in Japanese once its translations are loaded.
    const QString error = readCommandLine({u"marquill"_s, u"--bogus"_s}).text;
    EXPECT_TRUE(error.contains(u"'bogus'"_s)) << error.toStdString();
    EXPECT_TRUE(error.endsWith(u".\n使い方は --help で表示します。\n"_s)
                || error.endsWith(u"。\n使い方は --help で表示します。\n"_s)) << error.toStdString();
    EXPECT_EQ(error.count(u'\n'), 2);
    const QString help = readCommandLine({u"/opt/x/marquill"_s, u"--help"_s}).text;
    EXPECT_TRUE(help.startsWith(u"Usage: marquill [options] [files...]\n"_s)) << help.toStdString();
    for (const QString &option : {u"-h, --help"_s, u"-v, --version"_s, u"files"_s})
        EXPECT_TRUE(help.contains(option)) << option.toStdString();
}

struct ProgramRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

// The built program, as a user's shell would start it.
ProgramRun runProgram(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(MARQUILL_PROGRAM), arguments);
    const bool finished = program.waitForFinished(20000);
    if (!finished)
        program.kill();
    EXPECT_TRUE(finished) << "still running: it opened a window";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

// No display at all: were a window made, the toolkit would stop the program.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    return environment;
}

TEST(CommandLineProgram, VersionPrintsAndExitsWithoutADisplay)
{
    for (const QString &option : {u"--version"_s, u"-v"_s}) {
        const ProgramRun run = runProgram({option}, withoutDisplay());
        EXPECT_EQ(run.exitCode, 0) << option.toStdString();
        EXPECT_EQ(QString::fromUtf8(run.out), versionLine);
        EXPECT_EQ(run.err, QByteArray());
    }
}

TEST(CommandLineProgram, HelpPrintsAndExitsWithoutADisplay)
{
    const ProgramRun run = runProgram({u"--help"_s, u"page.html"_s}, withoutDisplay());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(run.out), readCommandLine({u"marquill"_s, u"--help"_s}).text);
    EXPECT_EQ(run.err, QByteArray());
}

TEST(CommandLineProgram, AnUnknownOptionIsNamedAndNothingOpens)
{
    QProcessEnvironment environment = withoutDisplay();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    const ProgramRun run = runProgram({u"--bogus"_s}, environment);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QByteArray());
    // The program speaks Japanese, Qt's sentence included.
    EXPECT_TRUE(QString::fromUtf8(run.err)
                    .endsWith(u"'bogus' は未知のオプションです。\n使い方は --help で表示します。\n"_s))
        << run.err.toStdString();
}

using StartupFiles = MainFormFixture;

TEST_F(StartupFiles, EveryFileOpensInOrderAndOtherNamesOpenNothing)
{
    const QString first = path("first.html");
    const QString second = path("second.htm");
    writeBytes(first, "<P>one\r\n");
    writeBytes(second, "<P>two\r\n");
    openStartupFiles(*form, {path("missing.html"), first, fake.folder.path(), second, first});

    // Not checked against the open windows: the repeated name opens again.
    QStringList captions;
    for (QMdiSubWindow *window : form->ClientArea->subWindowList(QMdiArea::CreationOrder))
        captions << window->windowTitle();
    EXPECT_EQ(captions, (QStringList{first, second, first}));
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(current()->windowTitle(), first);
    EXPECT_EQ(docText(current()), u"<P>one\r\n"_s);
    EXPECT_FALSE(current()->txtDoc->document()->isModified());
    for (int i = 0; i < RecentFiles::Count; ++i)
        EXPECT_TRUE(form->Recent.at(i).isEmpty()) << i;
}

TEST_F(StartupFiles, ARelativeNameIsTakenInTheCurrentFolder)
{
    writeBytes(path("here.html"), "x");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(fake.folder.path());
    openStartupFiles(*form, {u"here.html"_s, u"nowhere.html"_s});
    QDir::setCurrent(previous);
    ASSERT_EQ(form->ClientArea->subWindowList().size(), 1);
    EXPECT_EQ(current()->windowTitle(), u"here.html"_s);
    EXPECT_EQ(current()->fileName(), u"here.html"_s);
}

TEST_F(StartupFiles, PastTheWindowBudgetTheWarningComesOnce)
{
    const QString file = path("page.html");
    writeBytes(file, "x");
    for (int i = 0; i < DocumentTable::Slots - 2; ++i)
        form->FileNewItemClick();
    openStartupFiles(*form, QStringList(5, file));
    EXPECT_EQ(form->ClientArea->subWindowList().size(), DocumentTable::Slots);
    EXPECT_EQ(fake.messageTexts(),
              QStringList{u"作業領域がとれません。プログラムを再起動してください。"_s});
}

} // namespace
